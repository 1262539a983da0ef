#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "spreads/SeCard.h"
#include "support/MouseEvents.h"
#include "support/TestAppDir.h"

namespace {

class SeCardTest : public ::testing::Test {
protected:
    TestAppDir app;

    CardListContext context(bool manualInput, int deckSize, bool has79thCard) const {
        CardListContext result;
        result.ManualInput = manualInput;
        result.DeckSize = deckSize;
        result.Has79thCard = has79thCard;
        for (int card = 0; card < kCardCount; ++card)
            result.CardTitles[card] = "Card " + QString::number(card);
        result.PictureDir = app.path() + "/Pics/Test";
        return result;
    }

    // A one-colour picture of card N in the test deck.
    void writeFace(int card, const QColor& colour) const {
        QImage image(40, 70, QImage::Format_RGB32);
        image.fill(colour);
        app.write("Pics/Test/.keep", {});
        ASSERT_TRUE(image.save(app.path() + "/Pics/Test/" + QString::number(card) + ".jpg"));
    }
};

// The colour in the middle of what the preview shows.
QColor PreviewColour(const TForm11& dialog) {
    const QImage shown = dialog.Image1()->pixmap().toImage();
    return shown.isNull() ? QColor() : shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

bool IsReddish(const QColor& colour) {
    return colour.isValid() && colour.red() > 200 && colour.blue() < 60;
}

void ClickEntry(TForm11& dialog, int entry) {
    ClickListItem(dialog.ListBox1(), dialog.ListBox1()->item(entry));
}

TEST_F(SeCardTest, DeckListHoldsTheCardsInPlay) {
    for (auto [deckSize, has79] : {std::pair{78, false}, {79, true}, {22, false}, {23, true}}) {
        TForm11 dialog(context(true, deckSize, has79));
        ASSERT_EQ(dialog.ListBox1()->count(), deckSize);
        EXPECT_EQ(dialog.ListBox1()->item(21)->text(), "Card 21");
        EXPECT_EQ(dialog.CardOfEntry(deckSize - 1), has79 ? 78 : deckSize - 1);
        EXPECT_EQ(dialog.ListBox1()->item(deckSize - 1)->text(),
                  "Card " + QString::number(dialog.CardOfEntry(deckSize - 1)));
        EXPECT_EQ(dialog.CardOfEntry(deckSize), -1);
    }
}

TEST_F(SeCardTest, SignificatorListOffersMajorArcanaAndEveryCourtCard) {
    for (auto [deckSize, has79] : {std::pair{78, false}, {79, true}, {22, false}, {23, true}}) {
        TForm11 dialog(context(false, deckSize, has79));
        ASSERT_EQ(dialog.ListBox1()->count(), has79 ? 39 : 38) << deckSize;
        EXPECT_EQ(dialog.CardOfEntry(21), 21);
        EXPECT_EQ(dialog.CardOfEntry(22), 32);
        EXPECT_EQ(dialog.CardOfEntry(26), 46);
        EXPECT_EQ(dialog.CardOfEntry(30), 60);
        EXPECT_EQ(dialog.CardOfEntry(34), 74);
        EXPECT_EQ(dialog.CardOfEntry(37), 77);
        EXPECT_EQ(dialog.ListBox1()->item(34)->text(), "Card 74");
        EXPECT_EQ(dialog.CardOfEntry(38), has79 ? 78 : -1);
    }
}

TEST_F(SeCardTest, NothingIsChosenBeforeACardIsShown) {
    TForm11 dialog(context(false, 78, false));
    dialog.show();
    EXPECT_TRUE(dialog.StraightItem()->isChecked());
    EXPECT_FALSE(dialog.Image1()->isVisible());
    EXPECT_FALSE(dialog.Button1()->isEnabled());
    QTest::keyClick(dialog.ListBox1(), Qt::Key_Return);
    EXPECT_EQ(dialog.ChosenCard(), -1);
}

TEST_F(SeCardTest, LastEntryOfTwentyThreeCardsIsTheExtraCard) {
    writeFace(22, Qt::blue);
    writeFace(78, Qt::red);
    TForm11 dialog(context(true, 23, true));
    dialog.show();
    ClickEntry(dialog, 22);
    EXPECT_TRUE(dialog.Image1()->isVisible());
    EXPECT_TRUE(IsReddish(PreviewColour(dialog)));
    // Decoded at the preview's size.
    EXPECT_EQ(dialog.Image1()->pixmap().size(), QSize(161, 257));
    ASSERT_TRUE(dialog.Button1()->isEnabled());
    QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenCard(), 78);
    EXPECT_FALSE(dialog.ChosenReversed());
}

TEST_F(SeCardTest, ClickQuerSelectsByTheSignificatorNumbering) {
    writeFace(60, Qt::red);
    TForm11 dialog(context(false, 78, false));
    dialog.show();
    dialog.ClickQuer(60);
    EXPECT_EQ(dialog.ListBox1()->currentRow(), 30);
    EXPECT_TRUE(dialog.Button1()->isEnabled());
    EXPECT_TRUE(IsReddish(PreviewColour(dialog)));
    dialog.ClickQuer(5);
    EXPECT_EQ(dialog.ListBox1()->currentRow(), 5);
    // A card the list does not offer selects nothing else.
    dialog.ClickQuer(25);
    EXPECT_EQ(dialog.ListBox1()->currentRow(), 5);
}

TEST_F(SeCardTest, ClickQuerDuringManualInputSelectsTheCardItself) {
    TForm11 manual(context(true, 78, false));
    manual.ClickQuer(60);
    EXPECT_EQ(manual.ListBox1()->currentRow(), 60);
    TForm11 majorOnly(context(true, 23, true));
    majorOnly.ClickQuer(78);
    EXPECT_EQ(majorOnly.ListBox1()->currentRow(), 22);
}

TEST_F(SeCardTest, MissingPictureKeepsThePreviousPreview) {
    writeFace(3, Qt::red);
    TForm11 dialog(context(false, 78, false));
    dialog.show();
    dialog.ClickQuer(4);  // no picture yet
    EXPECT_FALSE(dialog.Image1()->isVisible());
    EXPECT_TRUE(dialog.Button1()->isEnabled());
    dialog.ClickQuer(3);
    dialog.ClickQuer(4);
    EXPECT_TRUE(dialog.Image1()->isVisible());
    EXPECT_TRUE(IsReddish(PreviewColour(dialog)));
}

TEST_F(SeCardTest, OrientationCountsOnlyWhileTheGroupIsShown) {
    {
        TForm11 dialog(context(true, 78, false));
        dialog.show();
        dialog.ReversedItem()->setChecked(true);
        ClickEntry(dialog, 40);
        ClickListItem(dialog.ListBox1(), dialog.ListBox1()->item(40), true);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenCard(), 40);
        EXPECT_TRUE(dialog.ChosenReversed());
    }
    {
        TForm11 dialog(context(false, 78, false));
        dialog.RadioGroup1()->hide();
        dialog.show();
        dialog.ReversedItem()->setChecked(true);
        dialog.ClickQuer(74);
        QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
        EXPECT_EQ(dialog.ChosenCard(), 74);
        EXPECT_FALSE(dialog.ChosenReversed());
    }
}

// A request that names a choice (the last significator, or a choice refused because the card
// lies in the spread) opens the dialog on it: Return confirms the same card and orientation.
TEST_F(SeCardTest, APreparedRequestOpensOnItsChoice) {
    writeFace(9, Qt::red);
    writeFace(60, Qt::red);
    struct Row {
        bool significator;
        int card;
        bool reversed;
        int entry;
    };
    for (const Row& row : {Row{false, 9, true, 9}, Row{true, 60, false, 30}}) {
        TForm11 dialog(context(!row.significator, 78, false));
        CardChoiceRequest request;
        request.caption = "Pick";
        request.significator = row.significator;
        request.preselectedCard = row.card;
        request.preselectedReversed = row.reversed;
        dialog.Prepare(request);
        bool previewShown = false;
        QTimer::singleShot(0, [&] {
            previewShown = dialog.Image1()->isVisible();
            QTest::keyClick(dialog.ListBox1(), Qt::Key_Return);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(dialog.windowTitle(), "Pick");
        EXPECT_TRUE(previewShown);
        EXPECT_EQ(dialog.ListBox1()->currentRow(), row.entry);
        EXPECT_EQ(dialog.RadioGroup1()->isHidden(), row.significator);
        EXPECT_EQ(dialog.ChosenCard(), row.card);
        EXPECT_EQ(dialog.ChosenReversed(), row.reversed);
    }
}

TEST_F(SeCardTest, CancelAndEscapeWriteNothing) {
    for (bool escape : {false, true}) {
        TForm11 dialog(context(false, 78, false));
        dialog.ClickQuer(7);
        QTimer::singleShot(0, [escape] {
            auto* shown = qobject_cast<TForm11*>(QApplication::activeModalWidget());
            ASSERT_NE(shown, nullptr);
            if (escape)
                QTest::keyClick(shown->ListBox1(), Qt::Key_Escape);
            else
                QTest::mouseClick(shown->Button2(), Qt::LeftButton);
        });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
        EXPECT_EQ(dialog.ChosenCard(), -1);
        EXPECT_FALSE(dialog.ChosenReversed());
    }
}

}  // namespace
