#pragma once

#include <QString>

// The desktop's "open" action: hands a file to the program the user has for its type.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens the file; false when the desktop could not open it.
    virtual bool openFile(const QString& path) = 0;
};
