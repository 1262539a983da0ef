#pragma once

#include <QString>

class QWidget;

// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message with an OK button, captioned with the application title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
};
