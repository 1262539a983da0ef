#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <array>

#include "decks/Background.h"
#include "i18n/MessageList.h"
#include "spreads/SpreadFile.h"
#include "spreads/SpreadTable.h"
#include "table/CardBacks.h"
#include "table/FaceCache.h"

class CardImage;
class QFrame;
class QLabel;
class QPainter;
class QScrollArea;
class QWidget;
class ReadingModel;
class TableWidget;
struct ProgramState;

// The prompt in another language: each language message it is made of is exchanged for the
// same message of `after`; the position's meaning after the line break, and a prompt that is no
// language message, stay as they are.
QString PromptInLanguage(const QString& prompt, const MessageList& before,
                         const MessageList& after);

// The reading table on screen: the pile or the arc painted on the table surface, the spread
// area with one image per position, the extra card, the dividers and the left column's labels
// (spread name, prompt) and the "Major Arcana only" notice. The spread engine deals into it
// through SpreadTable; the background commands colour it through BackgroundSurface.
class TableView : public QObject, public SpreadTable, public BackgroundSurface {
    Q_OBJECT

public:
    // clientSize is the table's size in the finished window.
    TableView(ProgramState& program, ReadingModel& model, TableWidget& table, QSize clientSize);
    ~TableView() override;

    TableWidget& table() { return table_; }
    const QImage& CardBackLarge() const { return backs_.Large(); }
    const QImage& CardBackSmall() const { return backs_.Small(); }
    // The image of a position of the current spread; nullptr past its positions.
    CardImage* PositionImage(int position) const;
    CardImage* ExtraCardImage() const { return extraCardImage_; }
    QWidget* SpacerImage() const { return spacerImage_; }
    // The spread area, which holds the position images and takes the focus for them.
    QScrollArea* SpreadArea() const { return scrollBox1_; }
    // The size of the spread area's content: every position image lies inside it.
    QSize SpreadAreaSize() const;

    // Loads SpreadName into the engine (already reset) and builds the position images.
    void MakeSpreadAndImages();
    // Shows or hides the position hints after ShowTips.
    void ApplyShowTips();
    // Takes the table colour for the table, its dividers and the notice.
    void ColourTable();
    // The notice's own colour, used wherever the table is not bluish.
    static QColor NoticeFontColor();
    // The notice shows message 115 while "Major Arcana only" is on.
    void ShowMajorNotice(bool majorOnly);
    void HideMajorNotice();
    // Repaints the whole table: the arc once the deck is laid out, else the pile.
    void Repaint();
    // Hides the spread area, dividers, left column and extra card and puts the spread area back
    // to its home bounds.
    void HideSpread();
    // Shows the spread area, the dividers and the spread's name and prompt.
    void ShowSpread();
    // Enlarges the spread area to the whole table, or puts it back.
    void ToggleSpreadView();
    // Shows the left column's prompt and the notice in the language just loaded; `before`
    // holds the messages of the language they were shown in.
    void FollowLanguage(const MessageList& before);
    // Starts decoding the faces of the cards at the position size on other threads, so that
    // showing them finds them ready.
    void PrefetchFaces(const QList<int>& cards);

    // The table side of the spread engine.
    ReadingState& Reading() override;
    int CardsInPlay() const override;
    int LastSignificatorCard() const override;
    QString Message(int index) const override;
    void ShowMessage(const QString& text) override;
    void SetPrompt(const QString& text) override;
    void RemoveSlotFromTable(int slot) override;
    void ShowPositionBack(int position) override;
    void ShowPositionFace(int position, int card, bool reversed) override;
    void ShowExtraCard(int slot) override;
    std::optional<CardChoice> ChooseCard(const CardChoiceRequest& request) override;
    void ShowCardExplanation(int card, bool reversed, const QString& heading) override;

    // The table side of the background commands.
    void ColourFrame(const QColor& back) override;
    void SetNoticeColour(const QColor& color) override;
    void RepaintEmptyPlaces(const QColor& back) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayOut(QSize clientSize);
    void FormPaint(QPainter& painter);
    // Gives the position image the name a screen reader reads: number and meaning, and once
    // the card lies face up its title and orientation. A face-down card keeps its secret.
    void NamePosition(int position);
    // Names the parts that carry no text of their own, in the language now loaded.
    void NameParts();
    QWidget* window() const;

    ProgramState& program_;
    ReadingModel& model_;
    TableWidget& table_;
    FaceCache faces_;
    CardBacks backs_{&faces_};
    QFrame* panel1_ = nullptr;
    QFrame* panel2_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* majorNoticeLabel_ = nullptr;
    std::array<CardImage*, kMaxPositions> positionImages_{};
    CardImage* extraCardImage_ = nullptr;
    QWidget* spacerImage_ = nullptr;
    // Wheel turn not yet scrolled, in angle-delta units.
    int wheelTurn_ = 0;
};
