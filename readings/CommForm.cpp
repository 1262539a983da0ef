#include "readings/CommForm.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "i18n/FixedTexts.h"
#include "platform/TextFitting.h"

namespace {

constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 25;
constexpr int kButtonTop = 128;
constexpr int kOkLeft = 48;
constexpr int kNoCommentsLeft = 160;

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

TForm9::TForm9(QWidget* parent)
    : QDialog(parent),
      memo1_(new QPlainTextEdit(this)),
      button1_(new QPushButton(FixedText::OkCaption, this)),
      button2_(new QPushButton(FixedText::NoCommentsCaption, this)) {
    setObjectName("TForm9");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(FixedText::CommentsCaption);
    setFixedSize(291, 163);

    memo1_->setObjectName("Memo1");
    memo1_->setGeometry(16, 16, 257, 97);
    // Enter starts a new line; Tab goes on to the buttons.
    memo1_->setTabChangesFocus(true);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    button2_->setObjectName("Button2");
    // Enter on either button means OK, so the focused button does not take Enter for itself.
    button2_->setAutoDefault(false);
    PlaceButtons();
    button1_->installEventFilter(this);
    button2_->installEventFilter(this);

    connect(button1_, &QPushButton::clicked, this, &TForm9::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &TForm9::Button2Click);
}

void TForm9::Button1Click() { accept(); }

void TForm9::Button2Click() { reject(); }

bool TForm9::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnter(static_cast<QKeyEvent*>(event)->key())) {
        Button1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm9::SetCaptions(const QString& caption, const QString& ok, const QString& noComments) {
    setWindowTitle(caption);
    memo1_->setAccessibleName(caption);
    button1_->setText(ok);
    button2_->setText(noComments);
    PlaceButtons();
}

void TForm9::PlaceButtons() {
    // From their designed places, so that a shorter caption after a longer one shrinks them.
    button1_->setGeometry(kOkLeft, kButtonTop, kButtonWidth, kButtonHeight);
    button2_->setGeometry(kNoCommentsLeft, kButtonTop, kButtonWidth, kButtonHeight);
    FitTextBox(button2_);
    FitTextBox(button1_);
    if (commentsWindow_) button1_->move((width() - button1_->width()) / 2, kButtonTop);
}

void TForm9::MakeCommentsWindow() {
    commentsWindow_ = true;
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    button2_->hide();
    PlaceButtons();
}
