#include "platform/QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/Interface.h"

namespace {

// A message box as the toolkit's own shows it, with its first accepting button as default, but
// with the text shown as it stands: messages carry names and texts from files.
QMessageBox::StandardButton Run(QMessageBox::Icon icon, QWidget* parent, const QString& caption,
                                const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    for (QAbstractButton* button : box.buttons()) {
        if (box.buttonRole(button) != QMessageBox::AcceptRole) continue;
        box.setDefaultButton(qobject_cast<QPushButton*>(button));
        break;
    }
    if (box.exec() == -1) return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

}  // namespace

void QtMessageBoxes::showMessage(QWidget* parent, const QString& text) {
    Run(QMessageBox::Information, parent, ProgramTitle(), text, QMessageBox::Ok);
}

QMessageBox::StandardButton QtMessageBoxes::ask(QWidget* parent, const QString& caption,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons) {
    return Run(QMessageBox::Question, parent, caption, text, buttons);
}
