// "Create new..." and "Edit..." through the real main window: a spread built from nothing is
// listed and dealt on, and editing the spread on the table leaves the reading alone.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include "app/MainMenu.h"
#include "editor/EditForm.h"
#include "editor/ExplForm.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "support/MouseEvents.h"
#include "table/CardImage.h"
#include "table/Shuffle.h"
#include "table/TableWidget.h"

namespace {

class EditorCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSpread("Cross", 2, {{true, 10, 10, "The querent"}, {false, 120, 10, "The past"}});
        open();
    }

    QString message(int index) { return form->program().Messages[index]; }

    // Writes the text of the next text dialog and presses OK.
    static void AnswerText(const QString& text, const std::function<void()>& then = {}) {
        OnNextModal<TForm7>([text, then](TForm7* dialog) {
            dialog->findChild<QLineEdit*>("Edit1")->setText(text);
            if (then) then();
            dialog->findChild<QPushButton*>("Button1")->click();
        });
    }
    static QToolButton* Button(TForm5* editor, const char* name) {
        return editor->findChild<QToolButton*>(name);
    }
};

TEST_F(EditorCommandsTest, ASpreadBuiltFromNothingIsListedAndDealtOn) {
    AnswerText("Fan", [this] {
        OnNextModal<TForm5>([this](TForm5* editor) {
            EXPECT_EQ(editor->windowTitle(), message(33) + " 'Fan'");
            EXPECT_EQ(editor->canvas()->size(), form->reading().TableBounds().size());
            Button(editor, "SpeedButton1")->click();
            Button(editor, "SpeedButton1")->click();
            DragWidget(editor->PositionMarker(1), {10, 10}, {150, 30});
            for (int i = 0; i < 2; ++i) {
                editor->MakeActive(i);
                AnswerText(i == 0 ? "Where you stand" : "Where you go");
                Button(editor, "SpeedButton3")->click();
            }
            Button(editor, "SpeedButton4")->click();
        });
    });
    form->menu().Createnewspread1->trigger();
    EXPECT_EQ(form->program().SpreadList, QStringList({"Cross", "Fan"}));

    QStringList listed;
    ChooseSpread("Fan", &listed);
    form->menu().SelectlayoutF12->trigger();
    EXPECT_EQ(listed, QStringList({"Cross", "Fan"}));
    ASSERT_EQ(form->reading().SpreadName(), "Fan");
    EXPECT_EQ(form->findChild<CardImage*>("PositionImage1")->geometry(), QRect(347, 50, 87, 148));

    shuffle();
    const QRect pile = PileRect(form->size());
    clickTable({pile.left() + 1, pile.center().y()});
    ASSERT_TRUE(form->reading().DeckLaidOut());
    for (int dealt = 0; dealt < 2; ++dealt) {
        const auto& deck = form->reading().Deck();
        int slot = form->reading().DeckSize - 1;
        while (deck[slot].X <= 0) --slot;
        clickTable({deck[slot].X + 5, deck[slot].Y + 5});
    }
    EXPECT_TRUE(form->reading().Parser.AllPlaced());
    EXPECT_EQ(form->reading().CurrentPrompt(), message(65));
}

TEST_F(EditorCommandsTest, EditingTheSpreadOnTheTableLeavesTheReadingAlone) {
    startReading("Cross", 60);
    ASSERT_EQ(form->reading().Parser.PosCard(0), 60);

    OnNextModal<TForm2>([this](TForm2* dialog) {
        EXPECT_EQ(dialog->windowTitle(), message(31) + message(34));
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        EXPECT_EQ(list->currentItem()->text(), "Cross");
        OnNextModal<TForm5>([this](TForm5* editor) {
            EXPECT_EQ(editor->windowTitle(), message(35) + " 'Cross'");
            editor->MakeActive(1);
            AnswerText("The distant past");
            Button(editor, "SpeedButton3")->click();
            DragWidget(editor->PositionMarker(1), {10, 10}, {40, 0});
            Button(editor, "SpeedButton4")->click();
        });
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    form->menu().Editspread1->trigger();

    EXPECT_EQ(ReadSpreadFile(app.path() + "/Spreads/Cross.spread").lines.value(1),
              (SpreadLine{false, 160, 10, "The distant past"}));
    EXPECT_EQ(form->reading().Parser.PosText(1), "The past");
    EXPECT_EQ(form->reading().Parser.PosX(1), 120);
    EXPECT_EQ(form->reading().Parser.PosCard(0), 60);
    EXPECT_EQ(form->findChild<CardImage*>("PositionImage1")->x(), 120);
}

}  // namespace
