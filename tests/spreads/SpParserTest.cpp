// The spread engine against a recording table: labels, prompts, dealing, turning, choosing.
#include <deque>

#include <gtest/gtest.h>

#include "spreads/SpParser.h"
#include "spreads/SpreadTable.h"
#include "table/ReadingState.h"

namespace {

// A table that records what the engine shows and answers the card list from a script.
class RecordingTable : public SpreadTable {
public:
    ReadingState reading;
    int deckSize = 78;
    int lastSignificator = -1;
    std::deque<std::optional<CardChoice>> answers;  // the card list's answers, in order
    QList<CardChoiceRequest> requests;
    QStringList messages;
    QList<int> removedSlots;
    QList<int> backs;
    QList<std::tuple<int, int, bool>> faces;  // position, card, reversed
    QList<int> extraSlots;
    QList<std::tuple<int, bool, QString>> explanations;

    RecordingTable() {
        for (int i = 0; i < kCardCount; ++i) reading.Deck()[i].Number = i;
    }

    ReadingState& Reading() override { return reading; }
    int CardsInPlay() const override { return deckSize; }
    int LastSignificatorCard() const override { return lastSignificator; }
    QString Message(int index) const override { return "<" + QString::number(index) + ">"; }
    void ShowMessage(const QString& text) override { messages.append(text); }
    void SetPrompt(const QString& text) override { reading.SetCurrentPrompt(text); }
    void RemoveSlotFromTable(int slot) override {
        removedSlots.append(slot);
        reading.Deck()[slot].X = reading.Deck()[slot].Y = kOffTable;
    }
    void ShowPositionBack(int position) override { backs.append(position); }
    void ShowPositionFace(int position, int card, bool reversed) override {
        faces.append({position, card, reversed});
    }
    void ShowExtraCard(int slot) override { extraSlots.append(slot); }
    std::optional<CardChoice> ChooseCard(const CardChoiceRequest& request) override {
        requests.append(request);
        if (answers.empty()) return std::nullopt;
        const std::optional<CardChoice> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void ShowCardExplanation(int card, bool reversed, const QString& heading) override {
        explanations.append({card, reversed, heading});
    }
};

class SpParserTest : public ::testing::Test {
protected:
    RecordingTable table;
    TSpreadParser parser;

    SpParserTest() { parser.AttachTable(&table); }

    // A spread of `significators` significator positions then `ordinary` others, as the
    // table holds it right after the spread was made.
    void MakeSpread(int significators, int ordinary) {
        parser.ResetReading();
        QList<SpreadLine> lines;
        for (int i = 0; i < significators + ordinary; ++i)
            lines.append({i < significators, -200, -200, "meaning " + QString::number(i)});
        parser.SetLines(lines);
        table.reading.SetPendingSignificators(significators);
        table.reading.SetNextPosition(0);
    }
};

TEST_F(SpParserTest, ResetsFillEveryFieldAsTheyPromise) {
    MakeSpread(1, 2);
    parser.LayCard(1, 7, true, true);
    table.reading.SetCardTurned(true);
    parser.ResetLayout();
    EXPECT_EQ(parser.PosX(78), 100);
    EXPECT_EQ(parser.PosY(0), 20);
    EXPECT_TRUE(parser.PosText(0).isEmpty());
    EXPECT_FALSE(parser.PosSignificator(0));
    EXPECT_EQ(parser.PosCount(), 0);
    EXPECT_EQ(parser.PosCard(1), 7);  // the layout reset keeps the cards
    EXPECT_TRUE(table.reading.CardTurned());

    MakeSpread(1, 2);
    parser.LayCard(1, 7, true, true);
    parser.ResetReading();
    EXPECT_EQ(parser.PosX(5), -200);
    EXPECT_EQ(parser.PosY(5), -200);
    EXPECT_EQ(parser.PosCard(1), -1);
    EXPECT_FALSE(parser.PosPlaced(1) || parser.PosFaceUp(1) || parser.PosReversed(1));
    EXPECT_EQ(parser.PosText(2), "meaning 2");
    EXPECT_EQ(parser.SignificatorCount(), 0);
    EXPECT_FALSE(table.reading.CardTurned());
}

TEST_F(SpParserTest, PositionsAreNumberedSThenFromOne) {
    MakeSpread(1, 2);
    EXPECT_EQ(parser.PositionNumber(0), "S");
    EXPECT_EQ(parser.PositionNumber(1), "1");
    EXPECT_EQ(parser.PositionNumber(2), "2");
    EXPECT_EQ(parser.PositionHint(0), "meaning 0");
    EXPECT_EQ(parser.PositionHint(2), "2. meaning 2");

    MakeSpread(2, 2);
    EXPECT_EQ(parser.PositionNumber(0), "S1");
    EXPECT_EQ(parser.PositionNumber(1), "S2");
    EXPECT_EQ(parser.PositionNumber(2), "1");
    EXPECT_EQ(parser.PositionHint(1), "meaning 1 2");

    MakeSpread(0, 3);
    EXPECT_EQ(parser.PositionNumber(0), "1");
    EXPECT_EQ(parser.PositionHint(-1), "0. ");  // a bad index is harmless
}

TEST_F(SpParserTest, EachDealtCardPromptsForTheNextPosition) {
    MakeSpread(1, 5);
    table.reading.SetNextPosition(1);
    const QStringList expected = {"<67>\r\nmeaning 2", "<68>\r\nmeaning 3",
                                  "<69>4<70>\r\nmeaning 4", "<69>5<70>\r\nmeaning 5", "<65>"};
    for (int k = 0; k < expected.size(); ++k) {
        parser.TakeCard(10 + k);
        EXPECT_EQ(table.reading.CurrentPrompt(), expected[k]) << k;
        EXPECT_EQ(parser.PosCard(1 + k), 10 + k);
        EXPECT_EQ(table.reading.Deck()[10 + k].Position, 1 + k);
    }
    EXPECT_EQ(table.removedSlots, QList<int>({10, 11, 12, 13, 14}));
    EXPECT_EQ(table.backs, QList<int>({1, 2, 3, 4, 5}));
    EXPECT_EQ(table.reading.NextPosition(), 6);
}

TEST_F(SpParserTest, ADealtCardKeepsItsSlotsOrientationAndLiesFaceDown) {
    MakeSpread(0, 2);
    table.reading.Deck()[4].Reversed = true;
    parser.TakeCard(4);
    EXPECT_TRUE(parser.PosPlaced(0));
    EXPECT_TRUE(parser.PosReversed(0));
    EXPECT_FALSE(parser.PosFaceUp(0));
    EXPECT_EQ(table.reading.CurrentPrompt(), "<67>\r\nmeaning 1");
    EXPECT_TRUE(table.faces.isEmpty());
}

TEST_F(SpParserTest, ClicksTurnACardUpThenExplainIt) {
    MakeSpread(0, 2);
    table.reading.Deck()[9].Reversed = true;
    parser.TakeCard(9);
    parser.ActivatePosition(0);
    EXPECT_TRUE(parser.PosFaceUp(0));
    EXPECT_TRUE(table.reading.CardTurned());
    ASSERT_EQ(table.faces.size(), 1);
    EXPECT_EQ(table.faces[0], std::make_tuple(0, 9, true));
    EXPECT_TRUE(table.explanations.isEmpty());

    parser.ActivatePosition(0);
    ASSERT_EQ(table.explanations.size(), 1);
    EXPECT_EQ(table.explanations[0], std::make_tuple(9, true, QString("meaning 0")));
    EXPECT_EQ(table.faces.size(), 1);
}

TEST_F(SpParserTest, AnEmptyOrdinaryPositionIgnoresClicksOutsideManualInput) {
    MakeSpread(0, 2);
    parser.ActivatePosition(1);
    EXPECT_TRUE(table.requests.isEmpty());
    EXPECT_FALSE(parser.PosPlaced(1));
    // Positions that do not exist are ignored too.
    for (int bad : {-1, 2, 79, 1000}) parser.ActivatePosition(bad);
    parser.TakeCard(-1);
    parser.TakeCard(79);
    EXPECT_TRUE(table.removedSlots.isEmpty());
}

TEST_F(SpParserTest, ACardDealtAfterTheLastPositionBecomesTheExtraCard) {
    MakeSpread(0, 1);
    parser.TakeCard(3);
    table.reading.Deck()[8].Reversed = true;
    parser.TakeCard(8);
    EXPECT_EQ(table.extraSlots, QList<int>({8}));
    EXPECT_TRUE(table.reading.ExtraCardReversed());
    EXPECT_EQ(parser.PosCard(0), 3);
    EXPECT_EQ(parser.PosCard(1), -1);
    EXPECT_EQ(table.reading.NextPosition(), 1);
    EXPECT_EQ(table.reading.Deck()[8].X, kOffTable);
}

TEST_F(SpParserTest, SignificatorsAreChosenThenTheFirstPositionIsNamed) {
    MakeSpread(2, 2);
    table.lastSignificator = 33;
    table.answers = {CardChoice{12, false}, CardChoice{40, false}};
    parser.ActivatePosition(1);
    ASSERT_EQ(table.requests.size(), 1);
    EXPECT_TRUE(table.requests[0].significator);
    EXPECT_EQ(table.requests[0].preselectedCard, 33);
    EXPECT_EQ(table.requests[0].caption, "<80> 2");
    EXPECT_EQ(table.requests[0].orientationCaption, "<118>");
    EXPECT_EQ(parser.PosCard(1), 12);
    EXPECT_TRUE(parser.PosFaceUp(1));
    EXPECT_EQ(table.reading.PendingSignificators(), 1);
    EXPECT_EQ(table.reading.CurrentPrompt(), "Click the card-significator to select it");
    EXPECT_FALSE(table.reading.CardTurned());

    parser.ActivatePosition(0);
    EXPECT_EQ(parser.PosCard(0), 40);
    EXPECT_EQ(table.reading.PendingSignificators(), 0);
    EXPECT_EQ(table.reading.NextPosition(), 2);
    EXPECT_EQ(table.reading.CurrentPrompt(), "<66>\r\nmeaning 2");
    // Slots 12 and 40 carried the chosen cards and left the table.
    EXPECT_EQ(table.removedSlots, QList<int>({12, 40}));
}

TEST_F(SpParserTest, ACancelledChoiceChangesNothing) {
    MakeSpread(1, 1);
    parser.ActivatePosition(0);
    EXPECT_EQ(table.requests.size(), 1);
    EXPECT_FALSE(parser.PosPlaced(0));
    EXPECT_EQ(table.reading.PendingSignificators(), 1);
    // A dialog answer naming no card is treated the same way.
    table.answers = {CardChoice{-1, false}, CardChoice{79, false}};
    parser.ActivatePosition(0);
    parser.ActivatePosition(0);
    EXPECT_FALSE(parser.PosPlaced(0));
    EXPECT_TRUE(table.removedSlots.isEmpty());
}

TEST_F(SpParserTest, ACardAlreadyInTheSpreadIsRefusedAndTheListShownAgain) {
    MakeSpread(0, 2);
    table.reading.SetManualInput(true);
    table.answers = {CardChoice{5, true}};
    parser.ActivatePosition(0);
    EXPECT_EQ(table.requests[0].caption, "<117> 1: meaning 0");
    EXPECT_FALSE(table.requests[0].significator);
    EXPECT_TRUE(parser.PosReversed(0));
    EXPECT_EQ(table.reading.CurrentPrompt(), "<75>");

    table.answers = {CardChoice{5, true}, CardChoice{6, false}};
    parser.ActivatePosition(1);
    EXPECT_EQ(table.messages, QStringList({"<79>"}));
    ASSERT_EQ(table.requests.size(), 3);
    EXPECT_EQ(table.requests[1].preselectedCard, -1);
    // Shown again on the refused choice and orientation.
    EXPECT_EQ(table.requests[2].preselectedCard, 5);
    EXPECT_TRUE(table.requests[2].preselectedReversed);
    EXPECT_EQ(parser.PosCard(1), 6);
}

TEST_F(SpParserTest, ManualInputEndsWhenTheLastEmptyPositionIsChosen) {
    MakeSpread(0, 3);
    table.reading.SetManualInput(true);
    table.answers = {CardChoice{20, false}, CardChoice{21, false}, CardChoice{22, false}};
    parser.ActivatePosition(2);
    parser.ActivatePosition(0);
    EXPECT_TRUE(table.reading.ManualInput());
    EXPECT_EQ(table.reading.CurrentPrompt(), "<75>");
    parser.ActivatePosition(1);
    EXPECT_EQ(table.reading.CurrentPrompt(), "Spread completed");
    EXPECT_FALSE(table.reading.ManualInput());
    EXPECT_EQ(table.reading.NextPosition(), 3);
    EXPECT_EQ(parser.PosCard(2), 20);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(parser.PosFaceUp(i));
}

TEST_F(SpParserTest, AChosenCardNoSlotCarriesReplacesTheLastSlotInPlay) {
    MakeSpread(1, 1);
    table.deckSize = 22;
    table.answers = {CardChoice{34, false}};
    parser.ActivatePosition(0);
    EXPECT_EQ(table.reading.Deck()[21].Number, 34);
    EXPECT_EQ(table.removedSlots, QList<int>({21}));
    EXPECT_EQ(parser.PosCard(0), 34);
    EXPECT_EQ(table.reading.Deck()[21].Position, 0);
}

TEST_F(SpParserTest, ASpreadOfSignificatorsOnlyIsCompleteOnceChosen) {
    MakeSpread(1, 0);
    table.answers = {CardChoice{3, false}};
    parser.ActivatePosition(0);
    EXPECT_EQ(table.reading.CurrentPrompt(), "Spread completed");
    EXPECT_EQ(table.reading.NextPosition(), 1);
}

TEST_F(SpParserTest, WithoutATableTheEngineOnlyKeepsPositions) {
    TSpreadParser editor;
    editor.ResetLayout();
    editor.AddPosition({100, 20});
    editor.ActivatePosition(0);
    editor.TakeCard(0);
    editor.ChooseCardForPosition(0);
    EXPECT_FALSE(editor.PosPlaced(0));
}

}  // namespace
