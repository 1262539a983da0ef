// The reading model and the table animations, each talked to directly.
#include <QDir>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "support/TableParts.h"
#include "support/TestAppDir.h"

namespace {

// A reading of three positions (one significator) with cards 5, 6 and 7 on them.
ReadingModel ThreeCardReading() {
    ReadingModel model;
    model.SetSpreadName("Three");
    model.DeckSize = 22;
    for (int slot = 0; slot < 22; ++slot) model.Deck()[slot] = {21 - slot, 0, 0, 0, slot == 3};
    TSpreadParser& parser = model.Parser;
    QList<SpreadLine> lines;
    for (int i = 0; i < 3; ++i) lines.append({i == 0, -200, -200, "Meaning " + QString::number(i)});
    parser.SetLines(lines);
    for (int i = 0; i < 3; ++i) parser.LayCard(i, 5 + i, i == 2, i == 1);
    model.SetNextPosition(3);
    model.SetDeckLaidOut(true);
    model.ReadingComments = "09/12/2026";
    return model;
}

TEST(ReadingModelTest, SnapshotHoldsTheReadingAsItLies) {
    const ReadingSnapshot snapshot = ThreeCardReading().Snapshot();
    EXPECT_EQ(snapshot.spreadName, "Three");
    EXPECT_EQ(snapshot.deckSize, 22);
    ASSERT_EQ(snapshot.deck.size(), 22);
    EXPECT_EQ(snapshot.deck[0].card, 21);
    EXPECT_TRUE(snapshot.deck[3].reversed);
    EXPECT_FALSE(snapshot.deck[4].reversed);
    ASSERT_EQ(snapshot.positions.size(), 3);
    EXPECT_EQ(snapshot.positions[0].label, "S");
    EXPECT_TRUE(snapshot.positions[0].significator);
    EXPECT_EQ(snapshot.positions[1].label, "1");
    EXPECT_TRUE(snapshot.positions[1].faceUp);
    EXPECT_EQ(snapshot.positions[2].card, 7);
    EXPECT_TRUE(snapshot.positions[2].reversed);
    EXPECT_EQ(snapshot.positions[2].text, "Meaning 2");
    EXPECT_EQ(snapshot.comment, "09/12/2026");
    EXPECT_TRUE(snapshot.complete);
}

TEST(ReadingModelTest, CompleteOnlyWhenLaidOutAndEveryPositionDealt) {
    struct Row {
        const char* name;
        bool laidOut;
        int nextPosition;
        int emptyPosition;  // -1: none
        bool complete;
    };
    for (const Row& row : {Row{"dealt", true, 3, -1, true}, Row{"one to go", true, 2, -1, false},
                           Row{"entered before the cut", false, 3, -1, false},
                           Row{"entered by hand, the last position first", true, 3, 1, false}}) {
        ReadingModel model = ThreeCardReading();
        model.SetDeckLaidOut(row.laidOut);
        model.SetNextPosition(row.nextPosition);
        if (row.emptyPosition >= 0) model.Parser.LayCard(row.emptyPosition, -1, false, false);
        EXPECT_EQ(model.Complete(), row.complete) << row.name;
        EXPECT_EQ(model.Snapshot().complete, row.complete) << row.name;
    }
}

class TableAnimationsTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    TableParts parts{fake, app.path()};

    // Slot i carries card i; every third slot lies reversed.
    void NumberedDeck() {
        parts.model.DeckSize = 78;
        for (int slot = 0; slot < 78; ++slot)
            parts.model.Deck()[slot] = {slot, 0, 0, 0, slot % 3 == 0};
    }
    QList<int> Numbers() const {
        QList<int> numbers;
        for (int slot = 0; slot < 78; ++slot) numbers << parts.model.Deck()[slot].Number;
        return numbers;
    }
};

TEST_F(TableAnimationsTest, ThreePileCutLaysDownTheLastPacketFirstWhileRunning) {
    NumberedDeck();
    parts.program.settings.CutInThreePiles = true;
    bool runningMeanwhile = true;
    fake.pacer->onWait = [&] {
        runningMeanwhile = runningMeanwhile && parts.animations->isRunning();
    };
    parts.animations->DoPile(30, QRect(470, 620, 81, 25));
    // P1 = 0..29, P2 = 30..53, P3 = 54..77, laid down as P3, P2, P1.
    QList<int> expected;
    for (int card = 54; card < 78; ++card) expected << card;
    for (int card = 30; card < 54; ++card) expected << card;
    for (int card = 0; card < 30; ++card) expected << card;
    EXPECT_EQ(Numbers(), expected);
    for (int slot = 0; slot < 78; ++slot)
        EXPECT_EQ(parts.model.Deck()[slot].Reversed, slot % 3 == 0) << slot;
    EXPECT_TRUE(runningMeanwhile);
    EXPECT_FALSE(parts.animations->isRunning());
}

TEST_F(TableAnimationsTest, SingleCutKeepsTheOrder) {
    NumberedDeck();
    const QList<int> before = Numbers();
    parts.animations->DoPile(30, QRect(470, 620, 81, 25));
    EXPECT_EQ(Numbers(), before);
    EXPECT_GT(fake.pacer->pauses, 0);  // the packets moved frame by frame
}

TEST_F(TableAnimationsTest, ACutLeavesNothingButTheGatheredDeck) {
    struct Row {
        const char* name;
        bool threePiles;
        QRect deck;  // where the gathered deck ends, at the top
    };
    const QColor table(17, 85, 17);
    for (const Row& row : {Row{"one cut", false, QRect(417, 10, 187, 300)},
                           Row{"three piles", true, QRect(20, 10, 219, 284)}}) {
        NumberedDeck();
        parts.program.settings.CutInThreePiles = row.threePiles;
        parts.view->Repaint();  // the pile
        parts.animations->DoPile(30, QRect(471, 620, 81, 25));
        const QImage& backing = parts.table->backing();
        int strays = 0;
        bool deckShown = false;
        for (int y = 0; y < backing.height(); ++y)
            for (int x = 0; x < backing.width(); ++x) {
                const bool bare = backing.pixelColor(x, y) == table;
                if (row.deck.contains(x, y))
                    deckShown = deckShown || !bare;
                else
                    strays += bare ? 0 : 1;
            }
        EXPECT_EQ(strays, 0) << row.name;
        EXPECT_TRUE(deckShown) << row.name;
    }
}

}  // namespace
