#pragma once

#include <QStringList>

#include "platform/Shell.h"

// Records every file handed to the desktop instead of opening it.
class RecordingShell : public Shell {
public:
    QStringList opened;
    bool result = true;

    bool openFile(const QString& path) override {
        opened.append(path);
        return result;
    }
};
