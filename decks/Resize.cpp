#include "decks/Resize.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
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

std::optional<int> ParseImageSide(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok || value < kSmallestImageSide || value > kLargestImageSide) return std::nullopt;
    return value;
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
    label1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label1_->setWordWrap(true);
    // The instruction grows downward where its text needs a third line.
    label1_->setGeometry(24, 4, 385, std::max(33, label1_->heightForWidth(385)));

    label2_ = new QLabel(messages_[Msg::ImageWidth], this);
    label2_->setObjectName("Label2");
    label2_->move(24, 45);
    label2_->adjustSize();
    edit1_ = new QLineEdit(QString::number(settings_.EnlargedWidth), this);
    edit1_->setObjectName("Edit1");
    edit1_->setGeometry(std::max(80, label2_->geometry().right() + 4), 43, 57, 21);

    label3_ = new QLabel(messages_[Msg::ImageHeight], this);
    label3_->setObjectName("Label3");
    label3_->move(160, 45);
    label3_->adjustSize();
    edit2_ = new QLineEdit(QString::number(settings_.EnlargedHeight), this);
    edit2_->setObjectName("Edit2");
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
    // The panel lies over the preview, so a panel grown over it can still be grabbed.
    freePanel1_->raise();

    connect(button1_, &QPushButton::clicked, this, &TForm12::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &TForm12::Button2Click);
    connect(button3_, &QPushButton::clicked, this, &QDialog::reject);
    connect(freePanel1_, &TPanelCaption::resized, this, &TForm12::AnchorPanel);

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

void TForm12::AnchorPanel() { freePanel1_->move(width() - freePanel1_->width() - 29, 88); }

void TForm12::Button1Click() {
    const std::optional<int> width = ParseImageSide(edit1_->text());
    const std::optional<int> height = width ? ParseImageSide(edit2_->text()) : std::nullopt;
    if (!width || !height) {
        messageBoxes_.showMessage(this, messages_[Msg::ImageSizeNotWhole]);
        return;
    }
    ShowPreview(QSize(*width, *height));
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
