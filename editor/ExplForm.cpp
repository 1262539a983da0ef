#include "editor/ExplForm.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "editor/SpreadLayout.h"
#include "platform/TextFitting.h"

namespace {

constexpr int kClientWidth = 266;
constexpr int kClientHeight = 112;

}  // namespace

TForm7::TForm7(bool editsSpreadName, const QString& caption, const QString& cancel, QWidget* parent)
    : QDialog(parent),
      EditsSpreadName(editsSpreadName),
      edit1_(new QLineEdit(this)),
      checkBox1_(new QCheckBox(this)),
      button1_(new QPushButton("OK", this)),
      button2_(new QPushButton(cancel, this)) {
    setObjectName("TForm7");
    setWindowTitle(caption);
    edit1_->setObjectName("Edit1");
    // The field's only label is the dialog's caption: a screen reader reads it for the field.
    edit1_->setAccessibleName(caption);
    edit1_->setGeometry(8, 16, 249, 21);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setGeometry(8, 48, 161, 17);
    QFont boxFont = checkBox1_->font();
    boxFont.setPixelSize(13);
    checkBox1_->setFont(boxFont);
    button1_->setObjectName("Button1");
    button1_->setGeometry(48, 80, 75, 25);
    button1_->setDefault(true);
    button2_->setObjectName("Button2");
    button2_->setGeometry(144, 80, 75, 25);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kClientWidth, kClientHeight);
}

TForm7::TForm7(const Texts& texts, const QString& text, bool significator, QWidget* parent)
    : TForm7(false, texts.caption, texts.cancel, parent) {
    SignificatorText = texts.significatorText;
    checkBox1_->setText(texts.significatorBox);
    edit1_->setText(text);
    connect(checkBox1_, &QCheckBox::toggled, this, &TForm7::CheckBox1Click);
    checkBox1_->setChecked(significator);
    FitAndCentre();
}

TForm7::TForm7(const QString& caption, const QString& cancel, const QString& name, QWidget* parent)
    : TForm7(true, caption, cancel, parent) {
    checkBox1_->hide();
    edit1_->setText(name);
    FitAndCentre();
}

void TForm7::FitAndCentre() {
    FitTexts(this);
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
}

void TForm7::CheckBox1Click(bool checked) {
    if (checked) edit1_->setText(SignificatorText);
    edit1_->setEnabled(!checked);
}

QString TForm7::text() const { return SingleLineText(edit1_->text()); }

bool TForm7::significator() const { return !EditsSpreadName && checkBox1_->isChecked(); }
