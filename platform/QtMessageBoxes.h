#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    void showMessage(QWidget* parent, const QString& text) override;
};
