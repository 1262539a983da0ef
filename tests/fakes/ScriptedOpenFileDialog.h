#pragma once

#include <QStringList>

#include "platform/OpenFileDialog.h"

// Answers the open dialog from a script and records where it was started.
class ScriptedOpenFileDialog : public OpenFileDialog {
public:
    QStringList answers;  // given in turn; once used up, the dialog is cancelled
    QStringList startedAt;

    QString chooseFile(QWidget*, const QString& folder, const QString& fileName) override {
        startedAt.append(folder + "|" + fileName);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
