#include "readings/CommForm.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include "i18n/FixedTexts.h"

namespace {

constexpr int kButtonWidth = 89;
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
    PlaceButton(button1_, kOkLeft);
    PlaceButton(button2_, kNoCommentsLeft);
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
    button1_->setText(ok);
    button2_->setText(noComments);
    PlaceButton(button2_, kNoCommentsLeft);
    if (commentsWindow_)
        CentreOk();
    else
        PlaceButton(button1_, kOkLeft);
}

void TForm9::PlaceButton(QPushButton* button, int designLeft) {
    constexpr int kMargin = 12;
    const int needed = button->fontMetrics().horizontalAdvance(button->text()) + kMargin;
    const int width = std::max(kButtonWidth, needed);
    button->setGeometry(designLeft + (kButtonWidth - width) / 2, kButtonTop, width, 25);
}

void TForm9::CentreOk() {
    PlaceButton(button1_, kOkLeft);
    button1_->move((this->width() - button1_->width()) / 2, kButtonTop);
}

void TForm9::MakeCommentsWindow() {
    commentsWindow_ = true;
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    button2_->hide();
    CentreOk();
}
