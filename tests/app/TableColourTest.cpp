// The View menu's background commands and the image settings, wired through the main window.
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "decks/Resize.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/Shuffle.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

const QColor kGreen(17, 85, 17);

class TableColourTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSpread("Cross", 3,
                    {{true, 10, 10, "You"}, {false, 120, 10, "Past"}, {false, 230, 10, "Now"}});
        open();
    }

    QImage place(int i) { return form->view().PositionImage(i)->picture(); }
    QString notice() { return form->findChild<QLabel*>("Label4")->palette().color(QPalette::WindowText).name();
    }
};

TEST_F(TableColourTest, OnlyEmptyPlacesTakeTheNewColourAndTheDialogKeepsItsOwn) {
    startReading("Cross", 60);
    const QImage significator = place(0);

    // Before the shuffle: the significator's face stays, the empty places turn blue.
    fake.colorDialog->answers = {{ColorDialog::Outcome::Chosen, QColor(0, 0, 255)}};
    form->menu().Backgroundcolor1->trigger();
    EXPECT_EQ(place(0), significator);
    EXPECT_EQ(place(2).pixelColor(40, 100), QColor(Qt::blue));
    EXPECT_EQ(form->table()->backing().pixelColor(5, 100), QColor(Qt::blue));
    EXPECT_EQ(form->findChild<QFrame*>("Panel1")->palette().window().color(), QColor(Qt::blue));
    EXPECT_TRUE(notice().contains("#777777"));

    // One card dealt face down, then the default colour.
    shuffle(2);
    clickTable(PileRect(form->size()).center());
    ASSERT_TRUE(form->reading().DeckLaidOut());
    const TCard& card = form->reading().Deck()[form->reading().DeckSize - 1];
    clickTable({card.X + 5, card.Y + 5});
    ASSERT_TRUE(form->reading().Parser.PosPlaced(1));
    form->menu().Defaultbackground1->trigger();
    EXPECT_EQ(place(0), significator);
    EXPECT_EQ(place(1), form->view().CardBackLarge());
    EXPECT_EQ(place(2).pixelColor(40, 100), kGreen);
    EXPECT_TRUE(notice().contains("#000080"));

    // The dialog opens on the colour last confirmed; cancelled, the table stays green.
    form->menu().Backgroundcolor1->trigger();
    EXPECT_EQ(fake.colorDialog->openedOn, QList<QColor>({kGreen, Qt::blue}));
    EXPECT_EQ(form->program().settings.BackColor, 1135889);
}

TEST_F(TableColourTest, SavedImageSettingsShapeTheNextExplanationWindow) {
    OnNextModal<TForm12>([](TForm12* dialog) {
        dialog->resize(640, 500);
        dialog->Button2()->click();
    });
    form->menu().Resizeenlargedcard1->trigger();
    EXPECT_EQ(form->program().settings.ExplWindowWidth, 640);

    QSize opened;
    OnNextModal<TForm4>([&opened](TForm4* window) {
        opened = window->size();
        window->close();
    });
    form->view().ShowCardExplanation(5, false, "heading");
    EXPECT_EQ(opened, QSize(640, 500));
}

}  // namespace
