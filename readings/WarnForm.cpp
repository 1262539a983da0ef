#include "readings/WarnForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "i18n/FixedTexts.h"
#include "platform/TextFitting.h"

TForm14::TForm14(const QString& text, const QString& ok, QWidget* parent)
    : QDialog(parent), label1_(new QLabel(text, this)), button1_(new QPushButton(ok, this)) {
    setObjectName("TForm14");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(FixedText::ProgramTitle);

    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    label1_->setStyleSheet("color: maroon;");
    label1_->setGeometry(8, 24, 353, 49);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    button1_->setGeometry(144, 88, 75, 25);
    // A longer text grows the label downward; the button and the dialog's bottom move with it.
    const int labelBottom = label1_->geometry().bottom();
    FitTextBox(label1_);
    FitTextBox(button1_);
    const int grown = label1_->geometry().bottom() - labelBottom;
    button1_->move(button1_->x(), button1_->y() + grown);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(369, 120 + grown);
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
}
