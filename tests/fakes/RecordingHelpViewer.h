#pragma once

#include <QFileInfo>
#include <QStringList>

#include "platform/HelpViewer.h"

// Records every help file asked for instead of showing a window; like the real window it
// refuses a file that is not there.
class RecordingHelpViewer : public HelpViewer {
public:
    QStringList shown;
    QStringList followed;  // the help files an open window was told to follow

    bool showContents(QWidget*, const QString& helpFile) override {
        shown.append(helpFile);
        return QFileInfo(helpFile).isFile();
    }
    void followLanguage(const QString& helpFile) override { followed.append(helpFile); }
};
