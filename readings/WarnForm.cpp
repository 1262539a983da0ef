#include "readings/WarnForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "i18n/FixedTexts.h"

TForm14::TForm14(const QString& text, const QString& ok, QWidget* parent)
    : QDialog(parent), label1_(new QLabel(text, this)), button1_(new QPushButton(ok, this)) {
    setObjectName("TForm14");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(FixedText::ProgramTitle);

    label1_->setObjectName("Label1");
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold = label1_->font();
    bold.setBold(true);
    label1_->setFont(bold);
    label1_->setStyleSheet("color: maroon;");
    // A text longer than the label's 49 pixels grows it downward, and the dialog with it.
    constexpr int kLabelWidth = 353;
    const int textHeight = label1_->heightForWidth(kLabelWidth);
    const int grown = std::max(0, textHeight - 49);
    label1_->setGeometry(8, 24, kLabelWidth, 49 + grown);

    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    const int okWidth = std::max(75, button1_->fontMetrics().horizontalAdvance(ok) + 12);
    button1_->setGeometry(144 + (75 - okWidth) / 2, 88 + grown, okWidth, 25);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(369, 120 + grown);
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
}
