#pragma once

#include <QString>

class QWidget;

// The system's open dialog for any file, started on a folder and a file name.
class OpenFileDialog {
public:
    virtual ~OpenFileDialog() = default;
    // The chosen file's full path; empty when cancelled.
    virtual QString chooseFile(QWidget* parent, const QString& folder, const QString& fileName) = 0;
};
