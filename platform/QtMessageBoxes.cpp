#include "platform/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

void QtMessageBoxes::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}
