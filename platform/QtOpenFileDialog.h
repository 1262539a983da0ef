#pragma once

#include "platform/OpenFileDialog.h"

// The open dialog on QFileDialog, without a filter.
class QtOpenFileDialog : public OpenFileDialog {
public:
    QString chooseFile(QWidget* parent, const QString& folder, const QString& fileName) override;
};
