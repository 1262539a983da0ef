#include "table/SelSave.h"

#include <QCheckBox>
#include <QPushButton>
#include <QScreen>

#include "decks/CardTexts.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "platform/TextFitting.h"

TForm13::TForm13(const MessageList& messages, const CardSaveOptions& options, QWidget* parent)
    : QDialog(parent) {
    setObjectName("SelSave");
    setWindowTitle(messages[Msg::Save]);
    setFixedSize(295, 129);

    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(13);
    checkBox1_ = new QCheckBox(messages[Msg::SaveWithCurrentDeck], this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setFont(bold);
    checkBox1_->setGeometry(32, 16, 250, 25);
    checkBox1_->setChecked(options.SaveWithDeck);
    checkBox2_ = new QCheckBox(messages[Msg::SaveAsDefaultMeaning], this);
    checkBox2_->setObjectName("CheckBox2");
    checkBox2_->setFont(bold);
    checkBox2_->setGeometry(32, 56, 250, 25);
    checkBox2_->setChecked(options.SaveAsDefault);

    button1_ = new QPushButton("OK", this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(112, 91, 75, 25);
    button1_->setDefault(true);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);

    FitTexts(this);
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

CardSaveOptions TForm13::Options() const {
    return {checkBox1_->isChecked(), checkBox2_->isChecked()};
}
