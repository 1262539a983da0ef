// A whole reading through the real main window: start, significator, shuffle, cut, deal, turn
// and explain, plus the table's mouse and view rules around it.
#include <QAction>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "spreads/SelectSp.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/Shuffle.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

class ReadingFlowTest : public MainWindowTest {
protected:
    void SetUp() override { writeCrossSpread(); }

    QString prompt() { return form->reading().CurrentPrompt(); }

    int slotOnTable() {
        for (int slot = form->reading().DeckSize - 1; slot >= 0; --slot)
            if (form->reading().Deck()[slot].X > 0) return slot;
        return -1;
    }
};

TEST_F(ReadingFlowTest, AWholeReadingByClicks) {
    open();
    startReading("Cross", 60);
    EXPECT_EQ(form->reading().SpreadName(), "Cross");
    EXPECT_EQ(form->reading().Parser.PosCard(0), 60);
    EXPECT_TRUE(form->reading().Parser.PosFaceUp(0));
    EXPECT_EQ(form->program().settings.LastSignificator, 60);
    EXPECT_FALSE(button("SpeedButton1")->isHidden());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    EXPECT_TRUE(button("SpeedButton3")->isHidden());
    EXPECT_EQ(prompt(), form->program().Messages[66] + "\r\nThe past");

    // The shuffle paints large backs along its trail without erasing them.
    QColor trail;
    fake.pacer->onWait = [&] {
        if (fake.pacer->frames == 2)
            trail = form->table()->backing().pixelColor(ShuffleTrailPoint(form->size(), 0.8) +
                                                        QPoint(57, 5));
        if (fake.pacer->frames >= 3) button("SpeedButton2")->click();
    };
    button("SpeedButton1")->click();
    fake.pacer->onWait = nullptr;
    EXPECT_NE(trail, QColor(17, 85, 17));
    EXPECT_FALSE(form->reading().Shuffling());
    EXPECT_FALSE(button("SpeedButton3")->isHidden());
    EXPECT_FALSE(form->reading().DeckLaidOut());

    // A click near the pile's left edge cuts and lays the deck out; the significator's card
    // lies at an end of the arc, off the table.
    const QRect pile = PileRect(form->size());
    clickTable({pile.left() + 1, pile.center().y()});
    ASSERT_TRUE(form->reading().DeckLaidOut());
    EXPECT_TRUE(form->reading().SpreadShown());
    EXPECT_EQ(form->reading().Deck()[0].Number, 60);
    EXPECT_EQ(form->reading().Deck()[0].X, -100);
    EXPECT_FALSE(form->findChild<QScrollArea*>("ScrollBox1")->isHidden());

    const QStringList prompts = {form->program().Messages[67] + "\r\nThe present",
                                 form->program().Messages[68] + "\r\nThe future",
                                 form->program().Messages[65]};
    for (int position = 1; position <= 3; ++position) {
        const int slot = slotOnTable();
        const int card = form->reading().Deck()[slot].Number;
        clickTable({form->reading().Deck()[slot].X + 5, form->reading().Deck()[slot].Y + 5});
        EXPECT_EQ(form->reading().Parser.PosCard(position), card);
        EXPECT_FALSE(form->reading().Parser.PosFaceUp(position));
        EXPECT_EQ(form->reading().Deck()[slot].X, -100);
        EXPECT_EQ(prompt(), prompts[position - 1]);
    }
    // Every position is full: the arc gives nothing until a card has been turned.
    const int next = slotOnTable();
    clickTable({form->reading().Deck()[next].X + 5, form->reading().Deck()[next].Y + 5});
    EXPECT_NE(form->reading().Deck()[next].X, -100);

    for (int position = 1; position <= 3; ++position) {
        auto* image = form->findChild<CardImage*>("PositionImage" + QString::number(position));
        QTest::mouseClick(image, Qt::LeftButton);
        EXPECT_TRUE(form->reading().Parser.PosFaceUp(position));
    }
    bool explained = false;
    OnNextModal<TForm4>([&](TForm4* window) {
        explained = true;
        window->close();
    });
    QTest::mouseClick(form->findChild<CardImage*>("PositionImage2"), Qt::LeftButton);
    EXPECT_TRUE(explained);

    // With a card turned, one more card comes from the arc as the extra card.
    clickTable({form->reading().Deck()[next].X + 5, form->reading().Deck()[next].Y + 5});
    EXPECT_EQ(form->reading().Deck()[next].X, -100);
    EXPECT_EQ(form->view().ExtraCardImage()->tag(), form->reading().Deck()[next].Number);
}

TEST_F(ReadingFlowTest, ThreePileCutReordersTheDeckWhereThePileWasClicked) {
    open();
    startReading("Cross", 7);
    form->menu().Cutdeckin3piles1->trigger();
    shuffle();
    const DeckSlots before = form->reading().Deck();
    // 60 pixels into the pile cuts 24 cards deep: P1 = slots 0..23, P2 = 24..50, P3 = 51..77,
    // laid down as P3, P2, P1.
    const QRect pile = PileRect(form->size());
    clickTable({pile.left() + 60, pile.center().y()});
    ASSERT_TRUE(form->reading().DeckLaidOut());
    QList<int> expected;
    for (int slot = 51; slot < 78; ++slot) expected << before[slot].Number;
    for (int slot = 24; slot < 51; ++slot) expected << before[slot].Number;
    for (int slot = 0; slot < 24; ++slot) expected << before[slot].Number;
    // The significator's card then changes places with the first slot.
    expected.swapItemsAt(0, expected.indexOf(7));
    for (int slot = 0; slot < 78; ++slot) {
        EXPECT_EQ(form->reading().Deck()[slot].Number, expected[slot]) << "slot " << slot;
        EXPECT_EQ(form->reading().Deck()[slot].Reversed, before[slot].Reversed) << "slot " << slot;
    }
}

TEST_F(ReadingFlowTest, ClicksDuringTheCutDoNotStartANewReading) {
    open();
    startReading("Cross", 7);
    shuffle();
    // A spread list that opens is noted and closed; the watch ends with the test.
    bool listOpened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* list = qobject_cast<TForm2*>(QApplication::activeModalWidget())) {
            listOpened = true;
            list->reject();
        }
    });
    watch.start(1);
    fake.pacer->onWait = [this] {
        const bool cutting = !form->reading().DeckLaidOut() && !form->reading().Shuffling() &&
                             button("SpeedButton1")->isHidden() &&
                             button("SpeedButton3")->isHidden();
        if (cutting) clickTable({5, 5});
    };
    const QRect pile = PileRect(form->size());
    clickTable(pile.center());
    fake.pacer->onWait = nullptr;
    EXPECT_FALSE(listOpened);
    EXPECT_TRUE(form->reading().DeckLaidOut());
    EXPECT_EQ(form->reading().SpreadName(), "Cross");
}

TEST_F(ReadingFlowTest, OverlappingArcCardsGiveTheTopOne) {
    open();
    startReading("Cross", 0);
    fake.settingsKey->values.clear();
    form->menu().CutDeck1->trigger();  // cutting off
    shuffle();
    ASSERT_TRUE(form->reading().DeckLaidOut());
    // Neighbouring backs overlap: the later slot lies on top.
    const TCard& left = form->reading().Deck()[10];
    const TCard& right = form->reading().Deck()[11];
    ASSERT_LT(right.X, left.X + 58);
    const int topCard = right.Number;
    clickTable({right.X + 1, std::max(left.Y, right.Y) + 10});
    EXPECT_EQ(form->reading().Parser.PosCard(1), topCard);
}

TEST_F(ReadingFlowTest, StopWithoutCuttingLaysTheDeckOutAtOnce) {
    open();
    startReading("Cross", 0);
    form->menu().CutDeck1->trigger();
    EXPECT_FALSE(form->program().settings.CutDeck);
    EXPECT_FALSE(form->menu().Cutdeckin3piles1->isEnabled());
    shuffle();
    EXPECT_TRUE(form->reading().DeckLaidOut());
    EXPECT_TRUE(button("SpeedButton3")->isHidden());
}

TEST_F(ReadingFlowTest, AutomaticDealFillsEveryOrdinaryPositionFaceUp) {
    open();
    form->menu().Drawcardsautomatically1->trigger();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());  // no reading under way yet
    startReading("Cross", 33);
    form->menu().Drawcardsautomatically1->trigger();  // off again, for the next one
    EXPECT_EQ(fake.messageBoxes->shown.value(0), form->program().Messages[44]);
    form->menu().CutDeck1->trigger();  // cutting off
    // Clicks on the arc and on the table while the deal runs change nothing.
    int clicks = 0;
    shuffle(3, [&] {
        if (!form->reading().DeckLaidOut() || !form->reading().AutoDrawPending()) return;
        const int slot = slotOnTable();
        clickTable({form->reading().Deck()[slot].X + 5, form->reading().Deck()[slot].Y + 5});
        ++clicks;
    });
    EXPECT_GT(clicks, 0);
    for (int position = 1; position <= 3; ++position) {
        EXPECT_GE(form->reading().Parser.PosCard(position), 0);
        EXPECT_NE(form->reading().Parser.PosCard(position), 33);
        EXPECT_TRUE(form->reading().Parser.PosFaceUp(position));
    }
    EXPECT_FALSE(form->reading().AutoDrawPending());
}

TEST_F(ReadingFlowTest, CancellingTheSpreadListLeavesTheTableAsItWas) {
    open();
    const QImage before = form->table()->backing();
    OnNextModal<TForm2>([](TForm2* dialog) { dialog->reject(); });
    form->menu().SelectlayoutF11->trigger();
    EXPECT_EQ(form->table()->backing(), before);
    EXPECT_TRUE(form->reading().SpreadName().isEmpty());
    EXPECT_TRUE(button("SpeedButton1")->isHidden());
}

TEST_F(ReadingFlowTest, ViewAndWheelDoNothingBeforeTheDeckIsLaidOut) {
    open();
    startReading("Cross", 0);
    auto* area = form->findChild<QScrollArea*>("ScrollBox1");
    const QRect home = area->geometry();
    form->menu().RemoveDeck1->trigger();
    EXPECT_EQ(area->geometry(), home);
    EXPECT_FALSE(form->reading().DeckRemoved());

    QWheelEvent wheel(QPointF(500, 300), QPointF(500, 300), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->table(), &wheel);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);

    form->menu().CutDeck1->trigger();  // cutting off
    shuffle();
    form->menu().RemoveDeck1->trigger();
    EXPECT_TRUE(form->reading().DeckRemoved());
    EXPECT_EQ(area->geometry(), QRect(QPoint(0, 0), form->table()->size()));
    form->menu().RemoveDeck1->trigger();
    EXPECT_EQ(area->geometry(), home);
}

TEST_F(ReadingFlowTest, ClosingDuringTheShuffleEndsItAndWritesTheSettings) {
    open();
    startReading("Cross", 0);
    fake.pacer->onWait = [this] {
        if (fake.pacer->frames == 2) form->close();
    };
    button("SpeedButton1")->click();
    EXPECT_FALSE(form->reading().Shuffling());
    EXPECT_EQ(fake.settingsKey->values.value("curquer").toInt(), 0);
}

TEST_F(ReadingFlowTest, MenuTogglesFollowTheirSettings) {
    open();
    form->menu().MajorArcanaonly1->trigger();
    EXPECT_TRUE(form->program().settings.MajorOnly);
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(), form->program().Messages[115]);
    form->menu().MajorArcanaonly1->trigger();
    EXPECT_TRUE(form->findChild<QLabel*>("Label4")->text().isEmpty());
    form->menu().Usereversedpositions1->trigger();
    EXPECT_TRUE(form->program().settings.UseReverse);
    form->menu().Showlayouttips1->trigger();
    EXPECT_FALSE(form->program().settings.ShowTips);
    form->menu().Cutdeckin3piles1->trigger();
    EXPECT_TRUE(form->program().settings.CutInThreePiles);
}

}  // namespace
