// A whole reading from the keyboard alone: every step is a key pressed on the widget that has
// the focus, as a person without a mouse meets the program.
#include <QApplication>
#include <QScrollArea>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "readings/CommForm.h"
#include "readings/ReadingFile.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/TableFocus.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

// The widget that has the focus: in the open dialog, or in the main window. A desktop activates
// a dialog as it opens and the main window again when it closes; the offscreen platform may not
// have done so yet, so that step is taken here.
QWidget* Focused() {
    QWidget* window = QApplication::activeModalWidget();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (!window && qobject_cast<TForm1*>(top) && top->isVisible()) window = top;
    if (window && QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    return QApplication::focusWidget();
}

void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
}

// Types the spread's name into the spread list, where the list finds it, and presses Return.
void ChooseSpreadByKeys(const QString& spread) {
    OnNextModal<TForm2>([spread](TForm2*) {
        QTest::keyClicks(Focused(), spread);
        Press(Qt::Key_Return);
    });
}

// Goes `down` rows down the card list from its top, then presses Return.
void ChooseCardByKeys(int down) {
    OnNextModal<TForm11>([down](TForm11*) {
        Press(Qt::Key_Home);
        for (int i = 0; i < down; ++i) Press(Qt::Key_Down);
        Press(Qt::Key_Return);
    });
}

class KeyboardReadingTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeCrossSpread();
        fake.settingsKey->values["cutdeck"] = "yes";
        fake.settingsKey->values["drawauto"] = "no";
        open();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        // The offscreen platform activates the window before its widgets show, so the focus
        // it keeps for them arrives only with an activation after that, as a desktop gives.
        QApplication::setActiveWindow(form.get());
    }

    const ReadingModel& reading() const { return form->reading(); }
    QWidget* focused() const { return Focused(); }
    QWidget* positions() const { return form->view().SpreadArea(); }
};

TEST_F(KeyboardReadingTest, AWholeReadingThenAManualInput) {
    EXPECT_EQ(focused(), form->table());

    // F9, the spread and the significator (the list's third row).
    ChooseSpreadByKeys("Cross");
    ChooseCardByKeys(2);
    Press(Qt::Key_F9);
    ASSERT_EQ(reading().SpreadName(), "Cross");
    EXPECT_EQ(reading().Parser.PosCard(0), 2);

    // Return on the pile shuffles, stops and cuts, as clicks there do.
    fake.pacer->onWait = [this] {
        if (fake.pacer->frames == 3 && reading().Shuffling()) Press(Qt::Key_Return);
    };
    Press(Qt::Key_Return);
    fake.pacer->onWait = nullptr;
    EXPECT_FALSE(reading().Shuffling());
    EXPECT_FALSE(reading().DeckLaidOut());
    Press(Qt::Key_Return);
    ASSERT_TRUE(reading().DeckLaidOut());

    // The arc: End goes to its last free card, Left to the one before; Return deals it.
    const int first = form->focus().ArcSlot();
    const QRect frame = CardRect(reading().Deck()[first]);
    EXPECT_EQ(form->table()->focusFrame(), frame);
    // A dark ring outside a light one: one of them stands out on any table and any card.
    const QImage shown = form->table()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(frame.left() + 1, frame.center().y()), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(frame.left() + 3, frame.center().y()), QColor(Qt::white));
    Press(Qt::Key_End);
    Press(Qt::Key_Left);
    const int chosen = form->focus().ArcSlot();
    const int card = reading().Deck()[chosen].Number;
    Press(Qt::Key_Return);
    EXPECT_EQ(reading().Parser.PosCard(1), card);
    EXPECT_FALSE(OnTable(reading().Deck()[chosen]));
    Press(Qt::Key_Home);
    EXPECT_EQ(form->focus().ArcSlot(), first);
    Press(Qt::Key_Return);
    Press(Qt::Key_Space);
    EXPECT_EQ(reading().NextPosition(), 4);
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(reading().Parser.PosFaceUp(i));

    // Tab to the positions; each Return turns the focused card up, a second one explains it.
    Press(Qt::Key_Tab);
    ASSERT_EQ(focused(), positions());
    EXPECT_TRUE(form->view().PositionImage(0)->focusFrame());
    for (int i = 1; i < 4; ++i) {
        Press(Qt::Key_Right);
        EXPECT_EQ(form->focus().FocusedPosition(), i);
        Press(Qt::Key_Return);
        EXPECT_TRUE(reading().Parser.PosFaceUp(i));
    }
    bool explained = false;
    OnNextModal<TForm4>([&](TForm4*) {
        explained = true;
        Press(Qt::Key_Escape);
    });
    Press(Qt::Key_Return);
    EXPECT_TRUE(explained);
    // Esc on the table puts the enlarged spread view back.
    Press(Qt::Key_Delete);
    ASSERT_TRUE(reading().DeckRemoved());
    Press(Qt::Key_Escape);
    EXPECT_FALSE(reading().DeckRemoved());

    // Ctrl+S: a comment typed, Tab to OK, Space; the file name comes from the save dialog.
    const QString path = app.path() + "/Saved/keys.reading";
    fake.fileDialogs->answers = {path};
    OnNextModal<TForm9>([](TForm9*) {
        QTest::keyClicks(Focused(), "by keys");
        Press(Qt::Key_Tab);
        Press(Qt::Key_Space);
    });
    Press(Qt::Key_S, Qt::ControlModifier);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<ReadingRecord> saved =
        DecodeReadingBody(DecodeReadingHead(file.readAll()), 4);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->comment, "by keys");
    EXPECT_EQ(saved->positions.value(1), card);

    // Manual input: F8, then Return on each empty position opens the card list.
    ChooseSpreadByKeys("Cross");
    Press(Qt::Key_F8);
    ASSERT_TRUE(reading().ManualInput());
    for (int i = 0; i < 3 && focused() != positions(); ++i) Press(Qt::Key_Tab);
    ASSERT_EQ(focused(), positions());
    Press(Qt::Key_Home);
    for (int i = 0; i < 4; ++i) {
        ChooseCardByKeys(10 + i);
        Press(Qt::Key_Return);
        Press(Qt::Key_Down);
    }
    for (int i = 0; i < 4; ++i) EXPECT_EQ(reading().Parser.PosCard(i), 10 + i);
    EXPECT_FALSE(reading().ManualInput());
}

}  // namespace
