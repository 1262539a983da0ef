#pragma once

#include <QString>

class QWidget;

// The program's help window, which shows an HTML help file.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Shows the first page of the help file in a window owned by owner; false when the file
    // cannot be read.
    virtual bool showContents(QWidget* owner, const QString& helpFile) = 0;

    // After a language switch: an open help window shows the first page of the language's help
    // file instead; nothing happens while no help window is open.
    virtual void followLanguage(const QString& helpFile) = 0;
};
