#pragma once

#include "platform/Shell.h"

class QtShell : public Shell {
public:
    bool openFile(const QString& path) override;
};
