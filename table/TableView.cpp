#include "table/TableView.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "platform/TextFitting.h"
#include "spreads/SeCard.h"
#include "table/CardImage.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"
#include "table/ShowForm.h"
#include "table/TableAccessible.h"
#include "table/TablePainting.h"
#include "table/TableWidget.h"

namespace {

constexpr int kWheelStep = 40;
// A wheel notch: 120 units of angle delta scroll the spread area kWheelStep pixels.
constexpr int kWheelNotch = 120;
// Places a spread file gives are held within what a widget can reach, so that a place far off
// the table stays far off and no geometry overflows.
constexpr int kFarthestPlace = QWIDGETSIZE_MAX / 2;

// A text colour set on the palette: a style sheet would give the window a style of its own to
// build at start-up.
void SetTextColour(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QLabel* MakeColumnLabel(QWidget* parent, const char* name, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPixelSize(15);
    label->setFont(font);
    SetTextColour(label, color);
    label->setAttribute(Qt::WA_NoMousePropagation);
    label->hide();
    return label;
}

QFrame* MakeDivider(QWidget* parent, const char* name, bool lowered) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(lowered ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    panel->hide();
    return panel;
}

void SetBackground(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
}

}  // namespace

QString PromptInLanguage(const QString& prompt, const MessageList& before,
                         const MessageList& after) {
    // A prompt is a message, or a message and the number of the card, then a line break and
    // the position's meaning.
    const qsizetype lineEnd = prompt.indexOf("\r\n");
    const QString head = lineEnd < 0 ? prompt : prompt.left(lineEnd);
    const QString rest = lineEnd < 0 ? QString() : prompt.mid(lineEnd);  // break and meaning
    if (head.isEmpty()) return prompt;
    const int whole[] = {Msg::SpreadFull,          Msg::FirstCardPrompt,   Msg::FirstCardPrompt + 1,
                         Msg::FirstCardPrompt + 2, Msg::ManualInputPrompt, Msg::ReadingOpened};
    for (const int message : whole)
        if (head == before[message]) return after[message] + rest;
    const QString start = before[Msg::LaterCardPromptStart];
    const QString end = before[Msg::LaterCardPromptEnd];
    if (head.size() > start.size() + end.size() && head.startsWith(start) && head.endsWith(end)) {
        const QString number = head.mid(start.size(), head.size() - start.size() - end.size());
        bool isNumber = false;
        number.toInt(&isNumber);
        if (isNumber)
            return after[Msg::LaterCardPromptStart] + number + after[Msg::LaterCardPromptEnd] +
                   rest;
    }
    return prompt;
}

TableView::TableView(ProgramState& program, ReadingModel& model, TableWidget& table,
                     QSize clientSize)
    : program_(program), model_(model), table_(table) {
    LayOut(clientSize);
    model_.Parser.AttachTable(this);
    model_.SetTableBounds(scrollBox1_->geometry());
    faces_.UseCacheOf(program_.Places);
    table_.setPaintHandler([this](QPainter& painter, const QRect&) { FormPaint(painter); });
    table_.installEventFilter(this);
    scrollBox1_->viewport()->installEventFilter(this);
    InstallTableAccessibility();
}

TableView::~TableView() { model_.Parser.AttachTable(nullptr); }

void TableView::LayOut(QSize clientSize) {
    const int width = clientSize.width();
    const int height = clientSize.height();
    panel1_ = MakeDivider(&table_, "Panel1", true);
    panel1_->setGeometry(0, 198, width, 2);
    panel2_ = MakeDivider(&table_, "Panel2", false);
    panel2_->setGeometry(148, 200, 2, height - 200);

    scrollBox1_ = new QScrollArea(&table_);
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setGeometry(150, 200, width - 150, height - 200);
    scrollBox1_->hide();
    // The keyboard reaches the positions with Tab; a click keeps the focus where it is.
    scrollBox1_->setFocusPolicy(Qt::TabFocus);
    // Only clicks outside the spread area and the left column's labels are table clicks.
    scrollBox1_->setAttribute(Qt::WA_NoMousePropagation);
    auto* content = new QWidget;
    content->setObjectName("SpreadAreaContent");
    scrollBox1_->setWidget(content);
    spacerImage_ = new QWidget(content);
    spacerImage_->setObjectName("SpacerImage");
    spacerImage_->resize(10, 10);

    label1_ = MakeColumnLabel(&table_, "Label1", QColor(0, 255, 255));
    label1_->setGeometry(10, 210, 118, 60);
    label2_ = MakeColumnLabel(&table_, "Label2", QColor(192, 192, 192));
    label2_->setGeometry(10, 270, 118, height - 270);

    majorNoticeLabel_ = new QLabel(&table_);
    majorNoticeLabel_->setObjectName("Label4");
    majorNoticeLabel_->setTextFormat(Qt::PlainText);
    majorNoticeLabel_->setGeometry(width - 240, 10, 220, 24);
    majorNoticeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    majorNoticeLabel_->setAttribute(Qt::WA_NoMousePropagation);
    QFont noticeFont = majorNoticeLabel_->font();
    noticeFont.setPixelSize(19);
    majorNoticeLabel_->setFont(noticeFont);
    majorNoticeLabel_->show();

    extraCardImage_ = new CardImage(-1, &table_);
    extraCardImage_->setObjectName("ExtraCardImage");
    extraCardImage_->setGeometry((148 - model_.TableCardWidth()) / 2,
                                 height - model_.TableCardHeight() - 20, model_.TableCardWidth(),
                                 model_.TableCardHeight());
    extraCardImage_->hide();
    extraCardImage_->setFocusPolicy(Qt::TabFocus);
    connect(extraCardImage_, &CardImage::clicked, this, [this](int card) {
        AdditClick(program_.ExplanationSettings(), card, model_.ExtraCardReversed(), window());
    });
}

QWidget* TableView::window() const { return table_.window(); }

CardImage* TableView::PositionImage(int position) const {
    return position >= 0 && position < kMaxPositions ? positionImages_[position] : nullptr;
}

QSize TableView::SpreadAreaSize() const { return scrollBox1_->widget()->size(); }

void TableView::FormPaint(QPainter& painter) {
    if (model_.DeckLaidOut()) {
        majorNoticeLabel_->hide();
        PaintArc(painter, model_.Deck(), model_.DeckSize, CardBackSmall());
    } else {
        PaintPile(painter, CardBackLarge(), window()->width(), window()->height());
        majorNoticeLabel_->show();
    }
}

void TableView::Repaint() { table_.repaintAll(); }

void TableView::ColourTable() {
    const QColor back = FromTColor(program_.settings.BackColor);
    ColourFrame(back);
    SetNoticeColour(NoticeColour(back, NoticeFontColor()));
}

QColor TableView::NoticeFontColor() { return QColor(0, 0, 128); }

void TableView::ColourFrame(const QColor& back) {
    for (QWidget* widget : {static_cast<QWidget*>(panel1_), static_cast<QWidget*>(panel2_),
                            static_cast<QWidget*>(&table_), scrollBox1_->widget()})
        SetBackground(widget, back);
    table_.clear(back);
}

void TableView::SetNoticeColour(const QColor& color) {
    SetTextColour(majorNoticeLabel_, color);
}

// Only places without a card: a card dealt face down or already turned keeps its picture.
void TableView::RepaintEmptyPlaces(const QColor& back) {
    const TSpreadParser& parser = model_.Parser;
    for (int i = 0; i < std::min(parser.PosCount(), kMaxPositions); ++i) {
        CardImage* image = positionImages_[i];
        if (!image || parser.PosPlaced(i)) continue;
        image->setPicture(EmptyPlacePicture(image->size(), back, parser.PositionNumber(i) + ". "));
    }
}

void TableView::ShowMajorNotice(bool majorOnly) {
    const QString text = majorOnly ? program_.Messages[Msg::MajorOnlyNotice] : QString();
    // The notice keeps its right edge and grows to the left for a longer text.
    const QRect box = majorNoticeLabel_->geometry();
    const int width = std::max(220, majorNoticeLabel_->fontMetrics().horizontalAdvance(text) + 4);
    majorNoticeLabel_->setGeometry(box.right() + 1 - width, box.y(), width, box.height());
    majorNoticeLabel_->setText(text);
}

void TableView::HideMajorNotice() { majorNoticeLabel_->hide(); }

void TableView::MakeSpreadAndImages() {
    TSpreadParser& parser = model_.Parser;
    if (parser.LoadSpread(FindSpreadFile(program_.Places.UserData(), program_.AppDir,
                                         model_.SpreadName())) != SpreadReadStatus::Ok)
        ShowMessage(program_.Messages[Msg::SpreadUnreadable]);
    model_.SetPendingSignificators(parser.SignificatorCount());
    model_.SetNextPosition(0);
    for (CardImage*& image : positionImages_) {
        delete image;
        image = nullptr;
    }
    scrollBox1_->horizontalScrollBar()->setValue(0);
    scrollBox1_->verticalScrollBar()->setValue(0);

    const QSize cardSize(model_.TableCardWidth(), model_.TableCardHeight());
    const QColor back = FromTColor(program_.settings.BackColor);
    QWidget* content = scrollBox1_->widget();
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, back);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < std::min(parser.PosCount(), kMaxPositions); ++i) {
        const QPoint place(std::clamp(parser.PosX(i), -kFarthestPlace, kFarthestPlace),
                           std::clamp(parser.PosY(i), -kFarthestPlace, kFarthestPlace));
        CardImage* image =
            MakePositionImage(i, QRect(place, cardSize), back, parser.PositionNumber(i),
                              parser.PositionHint(i), program_.settings.ShowTips, content);
        connect(image, &CardImage::clicked, this,
                [this](int position) { model_.Parser.ActivatePosition(position); });
        positionImages_[i] = image;
        NamePosition(i);
        right = std::max(right, place.x());
        bottom = std::max(bottom, place.y());
    }
    // The spacer lies beyond the lowest, rightmost card so the area scrolls to every position.
    spacerImage_->move(right + model_.TableCardWidth(), bottom + model_.TableCardHeight());
    content->resize(spacerImage_->x() + spacerImage_->width(),
                    spacerImage_->y() + spacerImage_->height());
}

void TableView::FollowLanguage(const MessageList& before) {
    SetPrompt(PromptInLanguage(model_.CurrentPrompt(), before, program_.Messages));
    ShowMajorNotice(program_.settings.MajorOnly);
    NameParts();
}

void TableView::NameParts() {
    const MessageList& messages = program_.Messages;
    scrollBox1_->setAccessibleName(messages[Msg::AccessiblePositions]);
    label2_->setAccessibleDescription(messages[Msg::AccessiblePrompt]);
    extraCardImage_->setAccessibleName(messages[Msg::AccessibleExtraCard]);
    for (int i = 0; i < kMaxPositions; ++i)
        if (positionImages_[i]) NamePosition(i);
}

void TableView::NamePosition(int position) {
    CardImage* image = PositionImage(position);
    if (!image) return;
    const TSpreadParser& parser = model_.Parser;
    const MessageList& messages = program_.Messages;
    QString card = messages[Msg::AccessibleEmpty];
    if (parser.PosPlaced(position) && !parser.PosFaceUp(position))
        card = messages[Msg::AccessibleFaceDown];
    else if (const int number = parser.PosCard(position);
             parser.PosPlaced(position) && number >= 0 && number < kCardCount)
        card = program_.CardTitles[number] + ", " +
               messages[parser.PosReversed(position) ? Msg::ReversedWord : Msg::AccessibleUpright];
    image->setAccessibleName(messages[Msg::AccessiblePosition].arg(parser.PositionNumber(position),
                                                                   parser.PosText(position), card));
}

void TableView::PrefetchFaces(const QList<int>& cards) {
    faces_.Prefetch(program_.DeckDirectoryInUse(), cards,
                    QSize(model_.TableCardWidth(), model_.TableCardHeight()));
}

void TableView::ApplyShowTips() {
    for (CardImage* image : positionImages_)
        if (image) image->showHint(program_.settings.ShowTips);
}

void TableView::HideSpread() {
    for (QWidget* widget : {static_cast<QWidget*>(scrollBox1_), static_cast<QWidget*>(panel1_),
                            static_cast<QWidget*>(panel2_), static_cast<QWidget*>(label1_),
                            static_cast<QWidget*>(label2_), static_cast<QWidget*>(extraCardImage_)})
        widget->hide();
    scrollBox1_->setGeometry(model_.TableBounds());
    model_.SetDeckRemoved(false);
}

void TableView::ShowSpread() {
    scrollBox1_->show();
    panel1_->show();
    panel2_->show();
    label1_->setText(model_.SpreadName());
    FitTextBox(label1_);
    label1_->show();
    label2_->show();
}

void TableView::ToggleSpreadView() {
    if (!model_.SpreadShown()) return;
    if (model_.DeckRemoved()) {
        scrollBox1_->setGeometry(model_.TableBounds());
        model_.SetDeckRemoved(false);
        return;
    }
    model_.SetTableBounds(scrollBox1_->geometry());
    scrollBox1_->setGeometry(0, 0, table_.width(), table_.height());
    scrollBox1_->raise();
    model_.SetDeckRemoved(true);
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || scrollBox1_->isHidden())
        return QObject::eventFilter(watched, event);
    // A notch scrolls the spread area 40 pixels, down when turned toward the user. Touchpads
    // and fine wheels send parts of a notch: they add up, and the rest waits for the next turn.
    wheelTurn_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int notches = wheelTurn_ / kWheelNotch;
    wheelTurn_ %= kWheelNotch;
    QScrollBar* bar = scrollBox1_->verticalScrollBar();
    bar->setValue(bar->value() - notches * kWheelStep);
    return true;
}

ReadingState& TableView::Reading() { return model_; }

int TableView::CardsInPlay() const { return model_.DeckSize; }

int TableView::LastSignificatorCard() const { return program_.settings.LastSignificator; }

QString TableView::Message(int index) const { return program_.Messages[index]; }

void TableView::ShowMessage(const QString& text) {
    program_.platform.messageBoxes->showMessage(window(), text);
}

void TableView::SetPrompt(const QString& text) {
    label2_->setText(text);
    model_.SetCurrentPrompt(text);
}

void TableView::RemoveSlotFromTable(int slot) {
    if (slot >= 0 && slot < kCardCount) RemoveCardFromTable(model_.Deck()[slot], table_);
}

void TableView::ShowPositionBack(int position) {
    if (CardImage* image = PositionImage(position)) image->setPicture(CardBackLarge());
    NamePosition(position);
}

void TableView::ShowPositionFace(int position, int card, bool reversed) {
    CardImage* image = PositionImage(position);
    if (!image) return;
    const QImage face = faces_.Face(program_.DeckDirectoryInUse(), card, image->size(), reversed);
    if (!face.isNull()) image->setPicture(face);
    NamePosition(position);
}

void TableView::ShowExtraCard(int slot) {
    if (slot < 0 || slot >= kCardCount) return;
    const TCard& card = model_.Deck()[slot];
    if (card.Reversed) {
        PaintExtraCardReversed(card, *extraCardImage_, program_.DeckDirectoryInUse());
        return;
    }
    const QImage face =
        faces_.Face(program_.DeckDirectoryInUse(), card.Number, extraCardImage_->size(), false);
    if (!face.isNull()) extraCardImage_->setPicture(face);
    extraCardImage_->setTag(card.Number);
    extraCardImage_->show();
}

std::optional<CardChoice> TableView::ChooseCard(const CardChoiceRequest& request) {
    CardListContext context;
    context.ManualInput = model_.ManualInput();
    context.DeckSize = model_.DeckSize;
    context.Has79thCard = model_.Has79thCard;
    context.CardTitles = program_.CardTitles;
    context.PictureDir = program_.DeckDirectoryInUse();
    TForm11 dialog(context, window());
    dialog.Prepare(request);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return CardChoice{dialog.ChosenCard(), dialog.ChosenReversed()};
}

void TableView::ShowCardExplanation(int card, bool reversed, const QString& heading) {
    ::ShowCardExplanation(program_.ExplanationSettings(), card, reversed, heading, window());
}
