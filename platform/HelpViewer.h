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
};
