// A whole reading through the real main window: start, significator, shuffle, cut, deal, turn
// and explain, plus the table's mouse and view rules around it.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/Shuffle.h"
#include "table/TableWidget.h"

namespace {

class ReadingFlowTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        app.linkBundled("Pics");
        app.linkBundled("Langs");
        QDir().mkpath(app.path() + "/Spreads");
        WriteSpreadFile(app.path() + "/Spreads/Cross.spread", 4,
                        {{true, 10, 10, "The querent"},
                         {false, 120, 10, "The past"},
                         {false, 230, 10, "The present"},
                         {false, 340, 10, "The future"}});
        fake.settingsKey->values["language"] = "English";
    }

    void open() {
        form = std::make_unique<TForm1>(fake.platform, app.programPath());
        form->show();
    }
    QToolButton* button(const char* name) { return form->findChild<QToolButton*>(name); }
    QString prompt() { return form->CurrentPrompt; }

    // Starts a reading of `spread`, choosing `significator` for its significator positions.
    void startReading(const QString& spread, int significator) {
        OnNextModal<TForm2>([spread](TForm2* dialog) {
            auto* list = dialog->findChild<QListWidget*>("ListBox1");
            list->setCurrentItem(list->findItems(spread, Qt::MatchExactly).value(0));
            dialog->findChild<QPushButton*>("Button1")->click();
        });
        OnNextModal<TForm11>([significator](TForm11* dialog) {
            dialog->ClickQuer(significator);
            dialog->Button1()->click();
        });
        form->menu().item("SelectlayoutF12")->trigger();
    }

    // Shuffles for a few frames, then presses "Stop"; `meanwhile` runs on every wait.
    void shuffle(const std::function<void()>& meanwhile = {}) {
        fake.pacer->onWait = [this, meanwhile] {
            if (fake.pacer->frames >= 3 && form->Shuffling) button("SpeedButton2")->click();
            if (meanwhile) meanwhile();
        };
        button("SpeedButton1")->click();
        fake.pacer->onWait = nullptr;
    }

    void clickTable(QPoint point) { QTest::mouseClick(form->table(), Qt::LeftButton, {}, point); }

    int slotOnTable() {
        for (int slot = form->DeckSize - 1; slot >= 0; --slot)
            if (form->Deck[slot].X > 0) return slot;
        return -1;
    }
};

TEST_F(ReadingFlowTest, AWholeReadingByClicks) {
    open();
    startReading("Cross", 60);
    EXPECT_EQ(form->SpreadName, "Cross");
    EXPECT_EQ(form->Parser.PosCard[0], 60);
    EXPECT_TRUE(form->Parser.PosFaceUp[0]);
    EXPECT_EQ(form->settings.LastSignificator, 60);
    EXPECT_FALSE(button("SpeedButton1")->isHidden());
    EXPECT_FALSE(button("SpeedButton2")->isEnabled());
    EXPECT_TRUE(button("SpeedButton3")->isHidden());
    EXPECT_EQ(prompt(), form->Messages[66] + "\r\nThe past");

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
    EXPECT_FALSE(form->Shuffling);
    EXPECT_FALSE(button("SpeedButton3")->isHidden());
    EXPECT_FALSE(form->DeckLaidOut);

    // A click near the pile's left edge cuts and lays the deck out; the significator's card
    // lies at an end of the arc, off the table.
    const QRect pile = PileRect(form->size());
    clickTable({pile.left() + 1, pile.center().y()});
    ASSERT_TRUE(form->DeckLaidOut);
    EXPECT_TRUE(form->SpreadShown);
    EXPECT_EQ(form->Deck[0].Number, 60);
    EXPECT_EQ(form->Deck[0].X, -100);
    EXPECT_FALSE(form->findChild<QScrollArea*>("ScrollBox1")->isHidden());

    const QStringList prompts = {form->Messages[67] + "\r\nThe present",
                                 form->Messages[68] + "\r\nThe future", form->Messages[65]};
    for (int position = 1; position <= 3; ++position) {
        const int slot = slotOnTable();
        const int card = form->Deck[slot].Number;
        clickTable({form->Deck[slot].X + 5, form->Deck[slot].Y + 5});
        EXPECT_EQ(form->Parser.PosCard[position], card);
        EXPECT_FALSE(form->Parser.PosFaceUp[position]);
        EXPECT_EQ(form->Deck[slot].X, -100);
        EXPECT_EQ(prompt(), prompts[position - 1]);
    }
    // Every position is full: the arc gives nothing until a card has been turned.
    const int next = slotOnTable();
    clickTable({form->Deck[next].X + 5, form->Deck[next].Y + 5});
    EXPECT_NE(form->Deck[next].X, -100);

    for (int position = 1; position <= 3; ++position) {
        auto* image = form->findChild<CardImage*>("PositionImage" + QString::number(position));
        QTest::mouseClick(image, Qt::LeftButton);
        EXPECT_TRUE(form->Parser.PosFaceUp[position]);
    }
    bool explained = false;
    OnNextModal<TForm4>([&](TForm4* window) {
        explained = true;
        window->close();
    });
    QTest::mouseClick(form->findChild<CardImage*>("PositionImage2"), Qt::LeftButton);
    EXPECT_TRUE(explained);

    // With a card turned, one more card comes from the arc as the extra card.
    clickTable({form->Deck[next].X + 5, form->Deck[next].Y + 5});
    EXPECT_EQ(form->Deck[next].X, -100);
    EXPECT_EQ(form->ExtraCardImage->tag(), form->Deck[next].Number);
}

TEST_F(ReadingFlowTest, ThreePileCutReordersTheDeckWhereThePileWasClicked) {
    open();
    startReading("Cross", 7);
    form->menu().item("Cutdeckin3piles1")->trigger();
    shuffle();
    DeckSlots expected = form->Deck;
    const QRect pile = PileRect(form->size());
    const int x = pile.left() + 60;
    clickTable({x, pile.center().y()});
    ASSERT_TRUE(form->DeckLaidOut);
    CutInThreePiles(expected, 78, CutDepth(x, form->size(), 78));
    MoveSignificatorsToEnds(expected, 78, {7});
    for (int slot = 0; slot < 78; ++slot) {
        EXPECT_EQ(form->Deck[slot].Number, expected[slot].Number) << "slot " << slot;
        EXPECT_EQ(form->Deck[slot].Reversed, expected[slot].Reversed) << "slot " << slot;
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
        const bool cutting = !form->DeckLaidOut && !form->Shuffling &&
                             button("SpeedButton1")->isHidden() &&
                             button("SpeedButton3")->isHidden();
        if (cutting) clickTable({5, 5});
    };
    const QRect pile = PileRect(form->size());
    clickTable(pile.center());
    fake.pacer->onWait = nullptr;
    EXPECT_FALSE(listOpened);
    EXPECT_TRUE(form->DeckLaidOut);
    EXPECT_EQ(form->SpreadName, "Cross");
}

TEST_F(ReadingFlowTest, OverlappingArcCardsGiveTheTopOne) {
    open();
    startReading("Cross", 0);
    fake.settingsKey->values.clear();
    form->settings.CutDeck = false;
    shuffle();
    ASSERT_TRUE(form->DeckLaidOut);
    // Neighbouring backs overlap: the later slot lies on top.
    const TCard& left = form->Deck[10];
    const TCard& right = form->Deck[11];
    ASSERT_LT(right.X, left.X + 58);
    const int topCard = right.Number;
    clickTable({right.X + 1, std::max(left.Y, right.Y) + 10});
    EXPECT_EQ(form->Parser.PosCard[1], topCard);
}

TEST_F(ReadingFlowTest, StopWithoutCuttingLaysTheDeckOutAtOnce) {
    open();
    startReading("Cross", 0);
    form->menu().item("CutDeck1")->trigger();
    EXPECT_FALSE(form->settings.CutDeck);
    EXPECT_FALSE(form->menu().item("Cutdeckin3piles1")->isEnabled());
    shuffle();
    EXPECT_TRUE(form->DeckLaidOut);
    EXPECT_TRUE(button("SpeedButton3")->isHidden());
}

TEST_F(ReadingFlowTest, AutomaticDealFillsEveryOrdinaryPositionFaceUp) {
    open();
    form->menu().item("Drawcardsautomatically1")->trigger();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());  // no reading under way yet
    startReading("Cross", 33);
    form->menu().item("Drawcardsautomatically1")->trigger();  // off again, for the next one
    EXPECT_EQ(fake.messageBoxes->shown.value(0), form->Messages[44]);
    form->settings.CutDeck = false;
    // Clicks on the arc and on the table while the deal runs change nothing.
    int clicks = 0;
    shuffle([&] {
        if (!form->DeckLaidOut || !form->AutoDrawPending) return;
        const int slot = slotOnTable();
        clickTable({form->Deck[slot].X + 5, form->Deck[slot].Y + 5});
        ++clicks;
    });
    EXPECT_GT(clicks, 0);
    for (int position = 1; position <= 3; ++position) {
        EXPECT_GE(form->Parser.PosCard[position], 0);
        EXPECT_NE(form->Parser.PosCard[position], 33);
        EXPECT_TRUE(form->Parser.PosFaceUp[position]);
    }
    EXPECT_FALSE(form->AutoDrawPending);
}

TEST_F(ReadingFlowTest, CancellingTheSpreadListLeavesTheTableAsItWas) {
    open();
    const QImage before = form->table()->backing();
    OnNextModal<TForm2>([](TForm2* dialog) { dialog->reject(); });
    form->menu().item("SelectlayoutF11")->trigger();
    EXPECT_EQ(form->table()->backing(), before);
    EXPECT_TRUE(form->SpreadName.isEmpty());
    EXPECT_TRUE(button("SpeedButton1")->isHidden());
}

TEST_F(ReadingFlowTest, ViewAndWheelDoNothingBeforeTheDeckIsLaidOut) {
    open();
    startReading("Cross", 0);
    auto* area = form->findChild<QScrollArea*>("ScrollBox1");
    const QRect home = area->geometry();
    form->menu().item("RemoveDeck1")->trigger();
    EXPECT_EQ(area->geometry(), home);
    EXPECT_FALSE(form->DeckRemoved);

    QWheelEvent wheel(QPointF(500, 300), QPointF(500, 300), {}, {0, -120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form->table(), &wheel);
    EXPECT_EQ(area->verticalScrollBar()->value(), 0);

    form->settings.CutDeck = false;
    shuffle();
    form->menu().item("RemoveDeck1")->trigger();
    EXPECT_TRUE(form->DeckRemoved);
    EXPECT_EQ(area->geometry(), QRect(QPoint(0, 0), form->table()->size()));
    form->menu().item("RemoveDeck1")->trigger();
    EXPECT_EQ(area->geometry(), home);
}

TEST_F(ReadingFlowTest, ClosingDuringTheShuffleEndsItAndWritesTheSettings) {
    open();
    startReading("Cross", 0);
    fake.pacer->onWait = [this] {
        if (fake.pacer->frames == 2) form->close();
    };
    button("SpeedButton1")->click();
    EXPECT_FALSE(form->Shuffling);
    EXPECT_EQ(fake.settingsKey->values.value("curquer").toInt(), 0);
}

TEST_F(ReadingFlowTest, MenuTogglesFollowTheirSettings) {
    open();
    form->menu().item("MajorArcanaonly1")->trigger();
    EXPECT_TRUE(form->settings.MajorOnly);
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(), form->Messages[115]);
    form->menu().item("MajorArcanaonly1")->trigger();
    EXPECT_TRUE(form->findChild<QLabel*>("Label4")->text().isEmpty());
    form->menu().item("Usereversedpositions1")->trigger();
    EXPECT_TRUE(form->settings.UseReverse);
    form->menu().item("Showlayouttips1")->trigger();
    EXPECT_FALSE(form->settings.ShowTips);
    form->menu().item("Cutdeckin3piles1")->trigger();
    EXPECT_TRUE(form->settings.CutInThreePiles);
}

}  // namespace
