#pragma once

#include <QList>
#include <QStringList>

#include "platform/MessageBoxes.h"

// Records the text of every message and question instead of showing it, and answers the
// questions from a script.
class RecordingMessageBoxes : public MessageBoxes {
public:
    QStringList shown;
    QStringList asked;         // the text of every question
    QStringList askedCaption;  // and its caption
    // Answers given in turn; once used up, questions are answered with Cancel where offered,
    // else No.
    QList<QMessageBox::StandardButton> answers;

    void showMessage(QWidget*, const QString& text) override { shown.append(text); }

    QMessageBox::StandardButton ask(QWidget*, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons) override {
        asked.append(text);
        askedCaption.append(caption);
        if (!answers.isEmpty()) return answers.takeFirst();
        return buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::No;
    }
};
