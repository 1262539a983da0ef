#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

QMessageBox::StandardButton QtMessageBoxes::ask(QWidget* parent, const QString& caption,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, caption, text, buttons);
}
