#include "platform/QtMessageBoxes.h"

#include <QMessageBox>

#include "platform/Interface.h"

void QtMessageBoxes::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, ProgramTitle(), text);
}

QMessageBox::StandardButton QtMessageBoxes::ask(QWidget* parent, const QString& caption,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    return QMessageBox::question(parent, caption, text, buttons);
}
