#include "app/TableFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

#include "app/About.h"
#include "app/MainMenu.h"
#include "decks/DeckDirectory.h"
#include "decks/SelectDk.h"
#include "i18n/CardsFile.h"
#include "i18n/HelpFiles.h"
#include "i18n/LangFile.h"
#include "i18n/QtTranslations.h"
#include "i18n/SelLang.h"
#include "platform/Platform.h"
#include "spreads/Misc.h"
#include "spreads/SeCard.h"
#include "spreads/SpreadCatalogue.h"
#include "table/CardBacks.h"
#include "table/CardFace.h"
#include "table/CardImage.h"
#include "table/TablePainting.h"
#include "table/TableWidget.h"

namespace {

QLabel* MakeColumnLabel(QWidget* parent, const char* name, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPixelSize(15);
    label->setFont(font);
    label->setStyleSheet(QString("color: %1;").arg(color.name()));
    label->hide();
    return label;
}

QToolButton* MakeTableButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setAutoRaise(true);
    button->resize(81, 25);
    QFont font = button->font();
    font.setPixelSize(16);
    font.setBold(true);
    button->setFont(font);
    button->setStyleSheet(
        "QToolButton { color: aqua; background: transparent; border: none; }"
        "QToolButton:hover { border: 1px solid aqua; }"
        "QToolButton:disabled { color: gray; }");
    button->hide();
    return button;
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

TForm1::TForm1(Platform& platform, const QString& programPath, QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
    FormCreate(programPath);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const QString& programPath) {
    setWindowTitle("Lumenfold");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    menu_ = std::make_unique<MainMenu>(menuBar());
    table_ = new TableWidget(this);
    table_->setObjectName("TableSurface");
    setCentralWidget(table_);
    LayOutFrame();

    settings = Settings();
    ReadingComments = platform_.systemInfo->shortDate(platform_.systemInfo->today());
    AppDir = PathDirectory(programPath);
    QDir().mkpath(AppDir + "/Music");
    LoadSettings(settings, *platform_.settingsKey, AppDir);
    ApplySettingsToMenu();
    ColourFrame();

    Has79thCard = DeckHas79thCard(AppDir, settings.DeckName);
    SetTitles();
    DeckSize = DeckSizeFor(settings.MajorOnly, Has79thCard);
    HelpFile = StartHelpFile(AppDir);

    MakeDataDirectories();
    ReadingDialogDir = QDir(AppDir + "/Saved").exists() ? AppDir + "/Saved/" : AppDir;
    ListSpreads();
    LoadLangu();

    majorNoticeLabel_->setText(settings.MajorOnly ? Messages[115] : QString());
    SetUpReadingTable();
    ConnectMenu();
    ConnectReadingFlow();
}

void TForm1::LayOutFrame() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int W = screen.width();
    const int H = screen.height();
    setGeometry(0, 0, W, H);
    setFixedSize(W, H);
    // The client area lies below the menu bar; buttons sit 120 pixels above the window's bottom.
    const int menuHeight = menuBar()->sizeHint().height();
    const int clientWidth = W;
    const int clientHeight = H - menuHeight;

    panel1_ = MakeDivider(table_, "Panel1", true);
    panel1_->setGeometry(0, 198, clientWidth, 2);
    panel2_ = MakeDivider(table_, "Panel2", false);
    panel2_->setGeometry(148, 200, 2, clientHeight - 200);

    scrollBox1_ = new QScrollArea(table_);
    scrollBox1_->setObjectName("ScrollBox1");
    scrollBox1_->setFrameShape(QFrame::NoFrame);
    scrollBox1_->setGeometry(150, 200, clientWidth - 150, clientHeight - 200);
    scrollBox1_->hide();

    label1_ = MakeColumnLabel(table_, "Label1", QColor(0, 255, 255));
    label1_->setGeometry(10, 210, 118, 60);
    label2_ = MakeColumnLabel(table_, "Label2", QColor(192, 192, 192));
    label2_->setGeometry(10, 270, 118, clientHeight - 270);

    speedButton1_ = MakeTableButton(table_, "SpeedButton1", "Shuffle");
    speedButton2_ = MakeTableButton(table_, "SpeedButton2", "Stop");
    speedButton2_->setEnabled(false);
    speedButton3_ = MakeTableButton(table_, "SpeedButton3", "Cut deck");
    PlaceTableButtons();

    NoticeFontColor = QColor(0, 0, 128);
    majorNoticeLabel_ = new QLabel(table_);
    majorNoticeLabel_->setObjectName("Label4");
    majorNoticeLabel_->setGeometry(W - 240, 10, 220, 24);
    majorNoticeLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont noticeFont = majorNoticeLabel_->font();
    noticeFont.setPixelSize(19);
    majorNoticeLabel_->setFont(noticeFont);
    majorNoticeLabel_->show();
}

void TForm1::PlaceTableButtons() {
    // 81 pixels wide, or wider where a caption needs it: "Shuffle" ends 10 pixels left of the
    // middle, "Stop" starts 10 pixels right of it and "Cut deck" is centred.
    for (QToolButton* button : {speedButton1_, speedButton2_, speedButton3_}) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        button->resize(text <= 81 ? 81 : text + 6, 25);
    }
    const int W = width();
    const int top = height() - 120 - menuBar()->sizeHint().height();
    speedButton1_->move(W / 2 - 10 - speedButton1_->width(), top);
    speedButton2_->move(W / 2 + 10, top);
    speedButton3_->move((W - speedButton3_->width()) / 2, top);
}

void TForm1::ApplySettingsToMenu() {
    menu_->item("CutDeck1")->setChecked(settings.CutDeck);
    menu_->item("Cutdeckin3piles1")->setEnabled(settings.CutDeck);
    menu_->item("Cutdeckin3piles1")->setChecked(settings.CutInThreePiles);
    menu_->item("MajorArcanaonly1")->setChecked(settings.MajorOnly);
    menu_->item("Drawcardsautomatically1")->setChecked(settings.DrawAutomatically);
    menu_->item("Usereversedpositions1")->setChecked(settings.UseReverse);
    menu_->item("Playmusic1")->setChecked(settings.PlayMusicOn);
    menu_->item("Showlayouttips1")->setChecked(settings.ShowTips);
}

void TForm1::ColourFrame() {
    const QColor back = FromTColor(settings.BackColor);
    SetBackground(table_, back);
    SetBackground(panel1_, back);
    SetBackground(panel2_, back);
    table_->clear(back);
    // On a background where blue is strongest the navy notice would vanish: use grey.
    const bool blueStrongest = back.blue() > back.red() && back.blue() > back.green();
    const QColor notice = blueStrongest ? QColor(128, 128, 128) : NoticeFontColor;
    majorNoticeLabel_->setStyleSheet(QString("color: %1;").arg(notice.name()));
}

void TForm1::MakeDataDirectories() {
    // A failure is silent, and without "Saved" no "Temp" is attempted.
    if (QDir().mkpath(AppDir + "/Saved")) QDir().mkpath(AppDir + "/Temp");
}

void TForm1::ListSpreads() { SpreadList = BuildSpreadCatalogue(AppDir); }

void TForm1::ConnectMenu() {
    connect(menu_->item("Exit1"), &QAction::triggered, this, &TForm1::Exit1Click);
    connect(menu_->item("About1"), &QAction::triggered, this, &TForm1::About1Click);
    connect(menu_->item("Language1"), &QAction::triggered, this, &TForm1::Language1Click);
    connect(menu_->item("Contents1"), &QAction::triggered, this, &TForm1::Contents1Click);
    connect(menu_->item("Selectdesk1"), &QAction::triggered, this, &TForm1::Selectdesk1Click);
    // "Play music" keeps its setting in step with its check mark.
    connect(menu_->item("Playmusic1"), &QAction::toggled, this,
            [this](bool on) { settings.PlayMusicOn = on; });
}

void TForm1::Exit1Click() { close(); }

void TForm1::About1Click() {
    TForm6 about(Messages[29], this);
    about.exec();
}

void TForm1::Language1Click() {
    TForm20 dialog(Messages, AppDir, settings.LanguageName, this);
    if (dialog.exec() != QDialog::Accepted) return;
    settings.LanguageName = dialog.LanguageName();
    LoadLangu();
}

void TForm1::Contents1Click() {
    if (!ShowHelp(this, *platform_.shell, *platform_.helpViewer, AppDir, settings.LanguageName,
                  HelpFile))
        platform_.messageBoxes->showMessage(this, "Could not open the help file.");
}

void TForm1::Selectdesk1Click() {
    TForm3 dialog(Messages, AppDir, settings.DeckName, settings.NewAgeCourtOrder,
                  settings.StrengthIsXI, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // Without decks on show the deck and its numbering stay as they are.
    if (dialog.HasDecks() && !dialog.DeckName().isEmpty()) {
        settings.DeckName = dialog.DeckName();
        settings.NewAgeCourtOrder = dialog.NewAgeCourtOrder();
        settings.StrengthIsXI = dialog.StrengthIsXI();
    }
    Has79thCard = DeckHas79thCard(AppDir, settings.DeckName);
    SetTitles();
}

void TForm1::LoadLangu() {
    const QByteArray text =
        ReadTextBlocks(LanguageFilePath(AppDir, settings.LanguageName, "List.lng"));
    // Without any message list everything stays as it was.
    if (text.isEmpty()) return;
    Messages.replace(DecodeLangLines(text));
    UseQtTranslations(this, settings.LanguageName);
    for (const MainMenu::Titled& titled : menu_->titled())
        titled.action->setText(Messages[titled.message]);
    speedButton1_->setText(Messages[62]);
    speedButton2_->setText(Messages[63]);
    speedButton3_->setText(Messages[64]);
    PlaceTableButtons();
    SetTitles();
    HelpFile = HelpFileForLanguage(AppDir, settings.LanguageName, HelpFile);
}

void TForm1::SetTitles() {
    BuildCardTitles(CardTitles, AppDir, settings.LanguageName, Has79thCard,
                    {settings.StrengthIsXI, settings.NewAgeCourtOrder});
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    if (!closed_) FormClose();
    event->accept();
}

bool TForm1::FormCloseQuery() {
    Shuffling = false;
    return true;
}

void TForm1::FormClose() {
    closed_ = true;
    if (!SaveSettings(settings, *platform_.settingsKey))
        platform_.messageBoxes->showMessage(this, "Could not save the settings.");
    EmptyTemp();
}

void TForm1::EmptyTemp() {
    QDir temp(AppDir + "/Temp");
    // Entries that cannot be deleted (subdirectories, files in use) stay without a message.
    for (const QString& name : temp.entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        temp.remove(name);
}

// ---- The reading table ----

void TForm1::SetUpReadingTable() {
    Parser.AttachTable(this);
    const CardBacks backs = DrawCardBacks();
    CardBackLarge = backs.large;
    CardBackSmall = backs.small;

    auto* content = new QWidget;
    content->setObjectName("SpreadAreaContent");
    scrollBox1_->setWidget(content);
    SpacerImage = new QWidget(content);
    SpacerImage->setObjectName("SpacerImage");
    SpacerImage->resize(10, 10);

    ExtraCardImage = new CardImage(-1, table_);
    ExtraCardImage->setObjectName("ExtraCardImage");
    ExtraCardImage->setGeometry((148 - TableCardWidth) / 2, ClientHeight() - TableCardHeight - 20,
                                TableCardWidth, TableCardHeight);
    ExtraCardImage->hide();
    connect(ExtraCardImage, &CardImage::clicked, this,
            [this](int card) { AdditClick(ExplanationSettings(), card, ExtraCardReversed, this); });

    table_->setPaintHandler([this](QPainter& painter, const QRect&) { FormPaint(painter); });
    table_->repaintAll();
}

int TForm1::ClientHeight() const { return height() - menuBar()->sizeHint().height(); }

QString TForm1::DeckDirectoryInUse() const {
    return IsSafeFileName(settings.DeckName) ? DeckDirectory(AppDir, settings.DeckName) : QString();
}

ExplanationContext TForm1::ExplanationSettings() {
    ExplanationContext context;
    context.AppDir = AppDir;
    context.CardTitles = CardTitles;
    context.Messages = Messages;
    context.settings = settings;
    context.messageBoxes = platform_.messageBoxes.get();
    context.saveOptions = &SaveOptions;
    return context;
}

void TForm1::SetCards() {
    LayOutArc(Deck, DeckSize, Has79thCard, width());
    FreshOrder(Deck, DeckSize, settings.UseReverse);
}

void TForm1::FormPaint(QPainter& painter) {
    if (DeckLaidOut) {
        majorNoticeLabel_->hide();
        PaintArc(painter, Deck, DeckSize, CardBackSmall);
    } else {
        PaintPile(painter, CardBackLarge, width(), height());
        majorNoticeLabel_->show();
    }
}

void TForm1::MakeSpreadAndImages() {
    if (Parser.LoadSpread(SpreadFilePath(AppDir, SpreadName)) != SpreadReadStatus::Ok)
        platform_.messageBoxes->showMessage(this, Messages[109]);
    PendingSignificators = Parser.SignificatorCount;
    NextPosition = 0;
    for (CardImage*& image : PositionImages) {
        delete image;
        image = nullptr;
    }
    scrollBox1_->horizontalScrollBar()->setValue(0);
    scrollBox1_->verticalScrollBar()->setValue(0);

    const QSize cardSize(TableCardWidth, TableCardHeight);
    const QColor back = FromTColor(settings.BackColor);
    QWidget* content = scrollBox1_->widget();
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, back);
    content->setPalette(palette);
    content->setAutoFillBackground(true);
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < std::min(Parser.PosCount, kMaxPositions); ++i) {
        CardImage* image = MakePositionImage(
            i, QRect(QPoint(Parser.PosX[i], Parser.PosY[i]), cardSize), back,
            Parser.PositionNumber(i), Parser.PositionHint(i), settings.ShowTips, content);
        connect(image, &CardImage::clicked, this, [this](int i) { Parser.ActivatePosition(i); });
        PositionImages[i] = image;
        right = std::max(right, Parser.PosX[i]);
        bottom = std::max(bottom, Parser.PosY[i]);
    }
    // The spacer lies beyond the lowest, rightmost card so the area scrolls to every position.
    SpacerImage->move(right + TableCardWidth, bottom + TableCardHeight);
    content->resize(SpacerImage->x() + SpacerImage->width(),
                    SpacerImage->y() + SpacerImage->height());
}

void TForm1::ApplyShowTips() {
    for (CardImage* image : PositionImages)
        if (image) image->showHint(settings.ShowTips);
}

void TForm1::ShowMessage(const QString& text) { platform_.messageBoxes->showMessage(this, text); }

void TForm1::SetPrompt(const QString& text) {
    label2_->setText(text);
    CurrentPrompt = text;
}

void TForm1::RemoveSlotFromTable(int slot) {
    if (slot >= 0 && slot < kCardCount) RemoveCardFromTable(Deck[slot], *table_);
}

CardImage* TForm1::PositionImage(int position) const {
    return position >= 0 && position < kMaxPositions ? PositionImages[position] : nullptr;
}

void TForm1::ShowPositionBack(int position) {
    if (CardImage* image = PositionImage(position)) image->setPicture(CardBackLarge);
}

void TForm1::ShowPositionFace(int position, int card, bool reversed) {
    CardImage* image = PositionImage(position);
    if (!image) return;
    const QImage face =
        LoadCardFace(CardFacePath(DeckDirectoryInUse(), card), image->size(), reversed);
    if (!face.isNull()) image->setPicture(face);
}

void TForm1::ShowExtraCard(int slot) {
    if (slot < 0 || slot >= kCardCount) return;
    const TCard& card = Deck[slot];
    if (card.Reversed) {
        PaintExtraCardReversed(card, *ExtraCardImage, DeckDirectoryInUse());
        return;
    }
    const QImage face = LoadCardFace(CardFacePath(DeckDirectoryInUse(), card.Number),
                                     ExtraCardImage->size(), false);
    if (!face.isNull()) ExtraCardImage->setPicture(face);
    ExtraCardImage->setTag(card.Number);
    ExtraCardImage->show();
}

std::optional<CardChoice> TForm1::ChooseCard(const CardChoiceRequest& request) {
    CardListContext context;
    context.ManualInput = ManualInput;
    context.DeckSize = DeckSize;
    context.Has79thCard = Has79thCard;
    context.CardTitles = CardTitles;
    context.PictureDir = DeckDirectoryInUse();
    TForm11 dialog(context, this);
    dialog.setWindowTitle(request.caption);
    dialog.RadioGroup1()->setTitle(request.orientationCaption);
    dialog.StraightItem()->setText(request.uprightText);
    dialog.ReversedItem()->setText(request.reversedText);
    if (request.significator) {
        dialog.RadioGroup1()->hide();
        if (request.preselectedCard >= 0) dialog.ClickQuer(request.preselectedCard);
    } else {
        dialog.Image1()->setGeometry(224, 88, 113, 185);
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return CardChoice{dialog.ChosenCard(), dialog.ChosenReversed()};
}

void TForm1::ShowCardExplanation(int card, bool reversed, const QString& heading) {
    ::ShowCardExplanation(ExplanationSettings(), card, reversed, heading, this);
}
