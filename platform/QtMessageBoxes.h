#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    QMessageBox::StandardButton ask(QWidget* parent, const QString& caption, const QString& text,
                                    QMessageBox::StandardButtons buttons) override;
};
