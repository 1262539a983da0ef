#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A message with an OK button, captioned with the application title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    // A question with the given buttons (for example Ok | Cancel, Yes | No | Cancel); returns
    // the button pressed, or the cancelling one when the box is closed otherwise.
    virtual QMessageBox::StandardButton ask(QWidget* parent, const QString& caption,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons) = 0;
};
