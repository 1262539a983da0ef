#include "decks/Resize.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

#include "decks/CapPanel.h"
#include "i18n/Msg.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"

namespace {

// The picture area of the mock-up: white inside a one-pixel black outline.
class PreviewRectangle : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.drawRect(0, 0, width() - 1, height() - 1);
    }
};

// Places a button with its box centred where the layout puts it, widened where its caption
// needs more room.
void PlaceButton(QPushButton* button, int left, int top, int width, int height) {
    const int needed = button->sizeHint().width();
    const int grown = std::max(width, needed);
    button->setGeometry(left - (grown - width) / 2, top, grown, height);
}

}  // namespace

ImageSide ParseImageSide(const QString& text) {
    static const QRegularExpression whole(QRegularExpression::anchoredPattern("[+-]?[0-9]+"));
    const QString side = text.trimmed();
    if (!whole.match(side).hasMatch()) return {0, Msg::ImageSizeNotWhole};
    bool ok = false;
    const int value = side.toInt(&ok, 10);
    // A number too long for an integer lies outside the range as well.
    if (!ok || value < kSmallestImageSide || value > kLargestImageSide)
        return {0, Msg::ImageSizeOutOfRange};
    return {value, std::nullopt};
}

TForm12::TForm12(const MessageList& messages, Settings& settings, MessageBoxes& messageBoxes,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      settings_(settings),
      messages_(messages),
      messageBoxes_(messageBoxes) {
    setObjectName("Resize");
    setWindowTitle(messages_[Msg::ImageSettings]);

    label1_ = new QLabel(messages_[Msg::ImageSettingsHint], this);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    // The instruction grows downward where its text needs a third line.
    label1_->setGeometry(24, 4, 385, std::max(33, label1_->heightForWidth(385)));

    label2_ = new QLabel(messages_[Msg::ImageWidth], this);
    label2_->setObjectName("Label2");
    label2_->setTextFormat(Qt::PlainText);
    label2_->move(24, 45);
    label2_->adjustSize();
    edit1_ = new QLineEdit(QString::number(settings_.EnlargedWidth), this);
    edit1_->setObjectName("Edit1");
    label2_->setBuddy(edit1_);
    edit1_->setGeometry(std::max(80, label2_->geometry().right() + 4), 43, 57, 21);

    label3_ = new QLabel(messages_[Msg::ImageHeight], this);
    label3_->setObjectName("Label3");
    label3_->setTextFormat(Qt::PlainText);
    label3_->move(160, 45);
    label3_->adjustSize();
    edit2_ = new QLineEdit(QString::number(settings_.EnlargedHeight), this);
    edit2_->setObjectName("Edit2");
    label3_->setBuddy(edit2_);
    edit2_->setGeometry(std::max(216, label3_->geometry().right() + 4), 43, 57, 21);

    button1_ = new QPushButton(messages_[Msg::Apply], this);
    button1_->setObjectName("Button1");
    button1_->setDefault(true);
    PlaceButton(button1_, std::max(320, edit2_->geometry().right() + 48), 41, 75, 25);

    checkBox1_ = new QCheckBox(messages_[Msg::DoNotReverseImage], this);
    checkBox1_->setObjectName("CheckBox1");
    checkBox1_->setChecked(settings_.KeepStraight);
    checkBox2_ = new QCheckBox(messages_[Msg::DoNotEnlargeImage], this);
    checkBox2_->setObjectName("CheckBox2");
    checkBox2_->setChecked(settings_.KeepActualSize);

    button2_ = new QPushButton(messages_[Msg::Save], this);
    button2_->setObjectName("Button2");
    button3_ = new QPushButton(messages_[Msg::Cancel], this);
    button3_->setObjectName("Button3");

    freePanel1_ = new TFreePanel(messages_[Msg::TextField], this);
    freePanel1_->setObjectName("FreePanel1");
    freePanel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette white = freePanel1_->palette();
    white.setColor(QPalette::Window, Qt::white);
    freePanel1_->setPalette(white);
    freePanel1_->setAutoFillBackground(true);
    freePanel1_->resize(std::max(0, settings_.TextFieldWidth),
                        std::max(0, settings_.TextFieldHeight));

    image1_ = new PreviewRectangle(this);
    image1_->setObjectName("Image1");
    ShowPreview(QSize(settings_.EnlargedWidth, settings_.EnlargedHeight));
    // The preview lies beneath the panel, so a panel grown over it can still be grabbed, and
    // both lie beneath the controls, so neither a large picture nor a large text field hides one.
    freePanel1_->lower();
    image1_->lower();

    connect(button1_, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &TForm12::Button2Click);
    connect(button3_, &QPushButton::clicked, this, &QDialog::reject);
    connect(freePanel1_, &TPanelCaption::resized, this, &TForm12::AnchorPanel);

    PlaceControls();
    KeepControlsInside();
    resize(settings_.ExplWindowWidth, settings_.ExplWindowHeight);
    PlaceControls();
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

void TForm12::ShowPreview(QSize size) {
    previewSize_ = size;
    image1_->setGeometry(24, 80, std::max(0, size.width()), std::max(0, size.height()));
    image1_->update();
}

void TForm12::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceControls();
}

void TForm12::PlaceControls() {
    const int W = width();
    const int H = height();
    // The check boxes share their left edge; one whose caption would cross the right edge takes
    // both further left.
    checkBox1_->adjustSize();
    checkBox2_->adjustSize();
    const int boxes = std::max(checkBox1_->width(), checkBox2_->width());
    const int left = std::min(W - 214, W - 8 - boxes);
    checkBox1_->move(left, H - 130);
    checkBox2_->move(left, H - 100);
    PlaceButton(button2_, W - 222, H - 70, 81, 25);
    PlaceButton(button3_, W - 126, H - 70, 81, 25);
    AnchorPanel();
}

void TForm12::KeepControlsInside() {
    constexpr int kMargin = 8;
    QRect top;
    for (const QWidget* control :
         std::initializer_list<const QWidget*>{label1_, label2_, edit1_, label3_, edit2_, button1_})
        top |= control->geometry();
    // The controls along the bottom hang from the right edge: they need as much room there at
    // any width, and the top row must stay clear above them.
    int reach = 0;
    for (const QWidget* control :
         std::initializer_list<const QWidget*>{checkBox1_, checkBox2_, button2_, button3_})
        reach = std::max(reach, width() - control->x());
    setMinimumSize(std::max(top.right() + 1, reach) + kMargin,
                   top.bottom() + 1 + kMargin + height() - checkBox1_->y());
}

void TForm12::AnchorPanel() { freePanel1_->move(width() - freePanel1_->width() - 29, 88); }

void TForm12::Button1Click() {
    const ImageSide width = ParseImageSide(edit1_->text());
    const ImageSide height = ParseImageSide(edit2_->text());
    // A field without a whole number is told first, then a size outside the range.
    for (const int message : {Msg::ImageSizeNotWhole, Msg::ImageSizeOutOfRange}) {
        if (width.refusal == message || height.refusal == message) {
            messageBoxes_.showMessage(this, messages_[message]);
            return;
        }
    }
    ShowPreview(QSize(width.value, height.value));
}

void TForm12::Button2Click() {
    settings_.EnlargedWidth = previewSize_.width();
    settings_.EnlargedHeight = previewSize_.height();
    settings_.ExplWindowWidth = width();
    settings_.ExplWindowHeight = height();
    settings_.KeepStraight = checkBox1_->isChecked();
    settings_.KeepActualSize = checkBox2_->isChecked();
    settings_.TextFieldWidth = freePanel1_->width();
    settings_.TextFieldHeight = freePanel1_->height();
    accept();
}
