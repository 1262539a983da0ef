// What a screen reader finds: every window's accessible tree gives each object a person can
// act on a name, and no object tells a card that lies face down or in the arc.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "readings/JournalWindow.h"
#include "spreads/SeCard.h"
#include "spreads/SpParser.h"
#include "support/AccessibleTree.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

class AccessibleTreeTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeCrossSpread();
        fake.settingsKey->values["cutdeck"] = "no";
    }

    // The titles of the cards a screen reader must not learn: those in the arc and those
    // face down on a position.
    QStringList HiddenTitles() const {
        const ReadingModel& reading = form->reading();
        QStringList titles;
        for (int slot = 0; slot < reading.DeckSize; ++slot)
            if (OnTable(reading.Deck()[slot]))
                titles << form->program().CardTitles[reading.Deck()[slot].Number];
        for (int i = 0; i < reading.Parser.PosCount(); ++i)
            if (reading.Parser.PosPlaced(i) && !reading.Parser.PosFaceUp(i))
                titles << form->program().CardTitles[reading.Parser.PosCard(i)];
        return titles;
    }

    void ExpectReadable(const char* state) {
        SCOPED_TRACE(state);
        const AccessibleTree tree = WalkAccessibleTree(form.get());
        EXPECT_EQ(tree.unnamed, QStringList());
        for (const QString& title : HiddenTitles())
            for (const QString& text : tree.texts)
                EXPECT_FALSE(text.contains(title))
                    << text.toStdString() << " tells " << title.toStdString();
    }
};

TEST_F(AccessibleTreeTest, TheTableInEveryPhaseNamesWhatCanBeUsedAndHidesTheCards) {
    open();
    ExpectReadable("idle");
    AccessibleTree cardList;
    OnNextModal<TForm11>([&](TForm11* dialog) {
        cardList = WalkAccessibleTree(dialog);
        dialog->ClickQuer(60);
        dialog->Button1()->click();
    });
    ChooseSpread("Cross");
    form->menu().SelectlayoutF12->trigger();
    EXPECT_EQ(cardList.unnamed, QStringList());
    ExpectReadable("pile");
    shuffle();
    const QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(form->table());
    EXPECT_EQ(surface->text(QAccessible::Name), "Arc of cards, 77 left");
    EXPECT_EQ(surface->text(QAccessible::Description), "card 1 of 77");
    ExpectReadable("arc");
    form->table()->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(form->table(), Qt::Key_Return);
    ExpectReadable("dealt face down");
    const QAccessibleInterface* position =
        QAccessible::queryAccessibleInterface(form->view().PositionImage(2));
    EXPECT_EQ(position->text(QAccessible::Name), "Position 2 (The present): face down");
    form->view().PositionImage(2)->click();
    const TSpreadParser& parser = form->reading().Parser;
    EXPECT_EQ(position->text(QAccessible::Name),
              QString("Position 2 (The present): %1, %2")
                  .arg(form->program().CardTitles[parser.PosCard(2)],
                       parser.PosReversed(2) ? "reversed" : "upright"));
    ExpectReadable("one turned up");
    AccessibleTree explanation;
    OnNextModal<TForm4>([&](TForm4* dialog) {
        explanation = WalkAccessibleTree(dialog);
        dialog->Button1()->click();
    });
    form->view().PositionImage(2)->click();
    EXPECT_EQ(explanation.unnamed, QStringList());
}

// The dialogs are walked by the interface-text test, each as it is shown; the journal is a
// window of its own, opened here from the menu.
TEST_F(AccessibleTreeTest, TheJournalNamesWhatCanBeUsed) {
    open();
    form->menu().Journal1->trigger();
    auto* journal = form->findChild<JournalWindow*>("JournalWindow");
    ASSERT_NE(journal, nullptr);
    EXPECT_EQ(WalkAccessibleTree(journal).unnamed, QStringList());
}

}  // namespace
