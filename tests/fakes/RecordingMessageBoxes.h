#pragma once

#include <QStringList>

#include "platform/MessageBoxes.h"

// Records the text of every message instead of showing it.
class RecordingMessageBoxes : public MessageBoxes {
public:
    QStringList shown;

    void showMessage(QWidget*, const QString& text) override { shown.append(text); }
};
