#include "table/ShowForm.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "decks/CardFace.h"
#include "decks/CardTexts.h"
#include "decks/JpegDecoder.h"
#include "i18n/FixedTexts.h"
#include "i18n/Msg.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"
#include "platform/TextFitting.h"
#include "settings/Settings.h"
#include "table/SelSave.h"

namespace {

// The text field shows "\n" line breaks; the files keep CR LF.
QString ForDisplay(QString text) { return text.replace("\r\n", "\n").replace('\r', '\n'); }

}  // namespace

QSize ExplanationPictureSize(QSize picture, QSize area, bool keepActualSize) {
    const qint64 w = picture.width(), h = picture.height();
    const qint64 ew = area.width(), eh = area.height();
    if (w <= 0 || h <= 0 || ew <= 0 || eh <= 0) return QSize(0, 0);
    if (keepActualSize) return (w <= ew && h <= eh) ? picture : area;
    if (w * eh / ew < h) return QSize(static_cast<int>(w * eh / h), area.height());
    return QSize(area.width(), static_cast<int>(h * ew / w));
}

TForm4::TForm4(const ExplanationContext& context, int card, bool reversed,
               const QString& secondHeading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      context_(context),
      card_(card),
      reversed_(reversed) {
    setObjectName("ShowForm");
    const int w = qMax(0, context_.settings.ExplWindowWidth);
    const int h = qMax(0, context_.settings.ExplWindowHeight);
    setFixedSize(w, h);

    panel_ = new QFrame(this);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_->setGeometry(0, 0, w, h);

    QFont heading = font();
    heading.setPixelSize(16);
    QFont bold = heading;
    bold.setBold(true);
    QFont body = font();
    body.setPixelSize(15);
    const QString blue = "color: #0000ff;";

    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image1_->setGeometry(24, 80, qMax(0, context_.settings.EnlargedWidth),
                         qMax(0, context_.settings.EnlargedHeight));

    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName("Memo1");
    memo1_->setGeometry(w - context_.settings.TextFieldWidth - 29, 80,
                        qMax(0, context_.settings.TextFieldWidth),
                        qMax(0, context_.settings.TextFieldHeight));
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setFont(body);

    label1_ = new QLabel(this);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setGeometry(24, 16, 185, 41);
    label1_->setFont(bold);
    label1_->setStyleSheet(blue);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    label2_ = new QLabel(secondHeading, this);
    label2_->setObjectName("Label2");
    label2_->setTextFormat(Qt::PlainText);
    label2_->setGeometry(w - 254, 16, 177, 81);
    label2_->setFont(heading);
    label2_->setStyleSheet(blue);
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    button1_ = new QPushButton(context_.Messages[Msg::Close], this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(w - 222, h - 70, 81, 25);
    button2_ = new QPushButton(context_.Messages[Msg::Save], this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(w - 126, h - 70, 81, 25);
    button2_->setEnabled(false);
    for (QPushButton* button : {button1_, button2_}) {
        button->setFont(body);
        button->setStyleSheet(blue);
        button->setAutoDefault(false);
    }
    connect(button1_, &QPushButton::clicked, this, &TForm4::reject);
    connect(button2_, &QPushButton::clicked, this, &TForm4::SaveCardText);

    ShowPicture();

    QString title = card_ >= 0 && card_ < kCardCount ? context_.CardTitles[card_] : QString();
    if (reversed_) title += " (" + context_.Messages[Msg::ReversedWord] + ")";
    setWindowTitle(title);
    label1_->setText(title);
    // The explanation is read under the card's title.
    memo1_->setAccessibleName(title);

    loadedText_ = ForDisplay(LoadCardText(context_.AppDir, context_.UserDir, context_.DeckDir,
                                          context_.settings.LanguageName, card_, reversed_));
    memo1_->setPlainText(loadedText_);
    connect(memo1_, &QPlainTextEdit::textChanged, this, &TForm4::Memo1Change);

    FitTexts(this);
    MakeRoomForHeadings();
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

// Headings taller than the room above the picture and the text field push those, and the
// buttons, down; the window grows by as much.
void TForm4::MakeRoomForHeadings() {
    constexpr int kGap = 4;
    const int top = std::min(image1_->y(), memo1_->y());
    int below = top;
    for (const QLabel* heading : {label1_, label2_})
        if (!heading->text().isEmpty())
            below = std::max(below, heading->y() + LabelTextSize(heading).height() + kGap);
    if (below > top) {
        for (QWidget* moved : std::initializer_list<QWidget*>{image1_, memo1_, button1_, button2_})
            moved->move(moved->x(), moved->y() + below - top);
        setFixedSize(width(), height() + below - top);
    }
    panel_->setGeometry(rect());
}

void TForm4::ShowPicture() {
    if (context_.DeckDir.isEmpty()) return;
    const QString path = CardFacePath(context_.DeckDir, card_);
    const QSize shown = ExplanationPictureSize(JpegPictureSize(path), image1_->size(),
                                               context_.settings.KeepActualSize);
    if (shown.isEmpty()) return;
    const QImage face = LoadCardFace(path, shown, reversed_ && !context_.settings.KeepStraight);
    if (face.isNull()) return;
    // Proportional stretching narrows or shortens the area to the picture.
    if (!context_.settings.KeepActualSize) image1_->resize(shown);
    image1_->setPixmap(QPixmap::fromImage(face));
}

// Any change that leaves the text different from the loaded one marks it modified; changing
// it back by hand does not clear the mark.
void TForm4::Memo1Change() {
    if (textModified_ || memo1_->toPlainText() == loadedText_) return;
    textModified_ = true;
    button2_->setEnabled(true);
}

void TForm4::SaveCardText() {
    CardSaveOptions& options = context_.saveOptions ? *context_.saveOptions : ownOptions_;
    TForm13 dialog(context_.Messages, options, this);
    if (dialog.exec() == QDialog::Accepted) options = dialog.Options();

    const QString text = memo1_->toPlainText();
    const QStringList failed =
        WriteCardText(CardTextPaths(context_.AppDir, context_.UserDir, context_.DeckDir,
                                    context_.settings.LanguageName, card_, reversed_),
                      options, text);
    if (!failed.isEmpty()) {
        // The text stays marked as modified, so closing still offers to save it.
        if (context_.messageBoxes)
            context_.messageBoxes->showMessage(
                this, QString(FixedText::CouldNotWriteFile) + "\n" + failed.join('\n'));
        return;
    }
    if (!options.SaveWithDeck && !options.SaveAsDefault) return;  // nothing was saved
    textModified_ = false;
    loadedText_ = text;
    button2_->setEnabled(false);
}

void TForm4::reject() {
    if (textModified_ && context_.messageBoxes) {
        const auto answer = context_.messageBoxes->ask(
            this, context_.Messages[Msg::SaveChangedExplanationCaption],
            context_.Messages[Msg::SaveChangedExplanation], QMessageBox::Ok | QMessageBox::Cancel);
        if (answer == QMessageBox::Ok) {
            SaveCardText();
            // A text that could not be saved keeps the window open, so it is not lost.
            if (textModified_) return;
        }
    }
    QDialog::reject();
}

void ShowCardExplanation(const ExplanationContext& context, int card, bool reversed,
                         const QString& secondHeading, QWidget* parent) {
    if (card < 0 || card >= kCardCount) return;
    TForm4 form(context, card, reversed, secondHeading, parent);
    form.exec();
    // Closed from its question about a changed text, the window is hidden while the question's
    // box still held the focus, and the window manager gives the focus to no window: hand it
    // back to the window below, so the keyboard goes on there.
    if (parent) parent->window()->activateWindow();
}

void AdditClick(const ExplanationContext& context, int extraCard, bool extraCardReversed,
                QWidget* parent) {
    ShowCardExplanation(context, extraCard, extraCardReversed,
                        context.Messages[Msg::ExtraCardHeading], parent);
}
