#pragma once

#include <QList>

#include "platform/ColorDialog.h"

// Answers the colour dialog from a script and records the colour it was opened on.
class ScriptedColorDialog : public ColorDialog {
public:
    QList<Answer> answers;  // given in turn; once used up, the dialog is cancelled
    QList<QColor> openedOn;

    Answer choose(QWidget*, const QColor& initial) override {
        openedOn.append(initial);
        return answers.isEmpty() ? Answer{} : answers.takeFirst();
    }
};
