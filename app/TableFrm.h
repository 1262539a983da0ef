#pragma once

#include <QImage>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

#include "i18n/CardTitles.h"
#include "i18n/MessageList.h"
#include "readings/ReadingDesk.h"
#include "settings/Settings.h"
#include "spreads/SpParser.h"
#include "spreads/SpreadTable.h"
#include "table/ReadingState.h"
#include "table/ShowForm.h"

class CardImage;
class MainMenu;
class QFrame;
class QLabel;
class QPainter;
class QScrollArea;
class QToolButton;
class SavedReadings;
class TableWidget;
struct Platform;

// The main window: the reading table with its frame, menu and the program's run-time state.
// The reading state (Deck, NextPosition, CurrentPrompt, the flags) comes from ReadingState;
// the spread engine Parser deals into the table through SpreadTable.
class TForm1 : public QMainWindow, public ReadingState, private SpreadTable, private ReadingDesk {
    Q_OBJECT

public:
    // programPath is the full path of the program file; its directory is AppDir.
    TForm1(Platform& platform, const QString& programPath, QWidget* parent = nullptr);
    ~TForm1() override;

    QString AppDir;
    Settings settings;
    MessageList Messages;
    CardTitleList CardTitles;
    // The help file the help window shows.
    QString HelpFile;
    bool Has79thCard = false;
    // The number of cards in play: 22, 23, 78 or 79.
    int DeckSize = 78;
    QString ReadingComments;
    TSpreadParser Parser;
    QStringList SpreadList;
    // Where the open and save dialogs of reading files start.
    QString ReadingDialogDir;
    // The reading table: one image per position of the current spread (null past PosCount),
    // the extra card in the left column, the spacer that sizes the spread area, the backs.
    std::array<CardImage*, kMaxPositions> PositionImages{};
    CardImage* ExtraCardImage = nullptr;
    QWidget* SpacerImage = nullptr;
    QImage CardBackLarge;
    QImage CardBackSmall;

    MainMenu& menu() { return *menu_; }
    TableWidget* table() { return table_; }

    void Exit1Click();
    void About1Click();
    void Language1Click();
    void Contents1Click();
    void Selectdesk1Click();
    void Savecurrentreading1Click();
    void Openreading1Click();
    void Input1Click();

    // Loads the current language: messages, captions, card titles and help file.
    void LoadLangu();
    // Rebuilds the card titles for the current deck and language.
    void SetTitles();

    // Lays the slots in play out in the arc and gives them a fresh random order.
    void SetCards();
    // Loads SpreadName into Parser (already reset) and builds the position images.
    void MakeSpreadAndImages();
    // Paints the table: the arc once the deck is laid out, else the pile.
    void FormPaint(QPainter& painter);
    // Shows or hides the position hints after ShowTips.
    void ApplyShowTips();
    // The current deck's picture folder; empty for a deck name that could leave Pics.
    QString DeckDirectoryInUse() const;

    // The reading flow: starting a reading, shuffling, cutting, dealing and the table's mouse.
    void StartNewReading();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Piling(int x, int y);
    void DoPile(int k);
    void DoRandomDraw();
    void FormMouseDown(Qt::MouseButton button, QPoint point);
    void RemoveDeck1Click();
    void Showlayouttips1Click();
    void MajorArcanaonly1Click();
    void Usereversedpositions1Click();
    void Drawcardsautomatically1Click();
    void CutDeck1Click();
    void Cutdeckin3piles1Click();
    // The music step of a new spread.
    void NewSpreadMusic();
    // The music step of an opened reading.
    void OpenedReadingMusic();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QString& programPath);
    void SetUpReadingTable();
    int ClientHeight() const;
    CardImage* PositionImage(int position) const;
    ExplanationContext ExplanationSettings();

    // The table side of the spread engine.
    ReadingState& Reading() override { return *this; }
    int CardsInPlay() const override { return DeckSize; }
    int LastSignificatorCard() const override { return settings.LastSignificator; }
    QString Message(int index) const override { return Messages[index]; }
    void ShowMessage(const QString& text) override;
    void SetPrompt(const QString& text) override;
    void RemoveSlotFromTable(int slot) override;
    void ShowPositionBack(int position) override;
    void ShowPositionFace(int position, int card, bool reversed) override;
    void ShowExtraCard(int slot) override;
    std::optional<CardChoice> ChooseCard(const CardChoiceRequest& request) override;
    void ShowCardExplanation(int card, bool reversed, const QString& heading) override;
    // What saved readings and manual input use of the window.
    ReadingState& reading() override { return *this; }
    TSpreadParser& engine() override { return Parser; }
    int deckSize() const override { return DeckSize; }
    void setDeckSize(int size) override { DeckSize = size; }
    bool has79thCard() const override { return Has79thCard; }
    bool majorOnly() const override { return settings.MajorOnly; }
    void setMajorOnly(bool on) override;
    QString& readingComments() override { return ReadingComments; }
    const QStringList& spreadList() const override { return SpreadList; }
    QString appDir() const override { return AppDir; }
    QString readingDialogDir() const override { return ReadingDialogDir; }
    const MessageList& messages() const override { return Messages; }
    bool tableBusy() const override { return LayingOut; }
    void HideExtraCard() override;
    void LayOutFrame();
    void PlaceTableButtons();
    void ApplySettingsToMenu();
    void ColourFrame();
    void MakeDataDirectories();
    void ListSpreads();
    bool FormCloseQuery();
    void FormClose();
    void EmptyTemp();
    void ConnectMenu();
    void ConnectReadingFlow();
    // Paints a copy of a table region at a place and shows the changed rectangle.
    void PaintRegion(const QImage& region, QPoint at);
    // Moves a region copy step by step to a target, one frame every frameTime milliseconds;
    // `underneath` is painted first on every frame. Returns the target.
    QPoint SlideRegion(const QImage& region, QPoint from, QPoint to, int step, int frameTime,
                       const std::function<void()>& underneath = {});
    // The cut's animation: the pile moves right and splits; returns the upper packet's place.
    QPoint SplitPile(QPoint pile, QPoint pileAt);
    void JoinTwoPackets(QPoint pileAt, QPoint upperAt);
    void GatherThreePiles(QPoint pileAt, QPoint secondAt);
    void WipeTable();

    Platform& platform_;
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<SavedReadings> savedReadings_;
    TableWidget* table_ = nullptr;
    QFrame* panel1_ = nullptr;
    QFrame* panel2_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* majorNoticeLabel_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QColor NoticeFontColor;
    CardSaveOptions SaveOptions;
    bool closed_ = false;
    // The deck is being cut and laid out.
    bool LayingOut = false;
};
