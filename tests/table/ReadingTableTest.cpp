// The reading table of the main window: position images, painting into the backing image,
// and the spread engine dealing into it.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/TableFrm.h"
#include "decks/JpegDecoder.h"
#include "decks/JpegWriter.h"
#include "fakes/FakePlatform.h"
#include "spreads/SeCard.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"
#include "table/CardFace.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/TablePainting.h"
#include "table/TableWidget.h"

namespace {

const QColor kTable(17, 85, 17);

// A card face in four coloured quarters, so a turned face is easy to tell.
QImage QuarteredFace() {
    QImage face(87, 148, QImage::Format_RGB32);
    face.fill(Qt::red);
    for (int y = 0; y < 148; ++y)
        for (int x = 0; x < 87; ++x) {
            if (x >= 44 && y < 74) face.setPixelColor(x, y, Qt::green);
            if (x < 44 && y >= 74) face.setPixelColor(x, y, Qt::blue);
            if (x >= 44 && y >= 74) face.setPixelColor(x, y, Qt::yellow);
        }
    return face;
}

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

class ReadingTableTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        for (int card : {3, 7, 9, 11}) {
            QDir().mkpath(app.path() + "/Pics/Ardentine");
            WriteJpeg(QuarteredFace(),
                      app.path() + "/Pics/Ardentine/" + QString::number(card) + ".jpg", 95);
        }
        WriteSpread("Three", 3,
                    {{true, 10, 20, "You"}, {false, 300, 40, "Past"}, {false, 120, 400, "Future"}});
        WriteSpread("Pair", 2, {{true, 0, 0, "First"}, {true, 100, 0, "Second"}});
        WriteSpread("Empty", 0, {});
        form = std::make_unique<TForm1>(fake.platform, app.programPath());
        form->show();
        form->findChild<QScrollArea*>("ScrollBox1")->show();
    }

    void WriteSpread(const QString& name, int count, const QList<SpreadLine>& lines) {
        QDir().mkpath(app.path() + "/Spreads");
        ASSERT_TRUE(WriteSpreadFile(SpreadFilePath(app.path(), name), count, lines));
    }

    void Open(const QString& spread) {
        form->Parser.ResetReading();
        form->SpreadName = spread;
        form->MakeSpreadAndImages();
    }

    int SlotCarrying(int card) const {
        for (int i = 0; i < form->DeckSize; ++i)
            if (form->Deck[i].Number == card) return i;
        return -1;
    }

    QImage Face(int card) const {
        return DecodeJpeg(app.path() + "/Pics/Ardentine/" + QString::number(card) + ".jpg",
                          QSize(87, 148));
    }

    QColor Pixel(int x, int y) const { return form->table()->backing().pixelColor(x, y); }
};

TEST_F(ReadingTableTest, PositionImagesStandWhereTheSpreadPlacesThem) {
    Open("Three");
    ASSERT_EQ(fake.messageBoxes->shown.size(), 0);
    auto* image = form->findChild<CardImage*>("PositionImage2");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image, form->PositionImages[2]);
    EXPECT_EQ(image->geometry(), QRect(120, 400, 87, 148));
    EXPECT_EQ(form->PositionImages[3], nullptr);
    EXPECT_EQ(form->SpacerImage->pos(), QPoint(300 + 87, 400 + 148));
    EXPECT_EQ(form->PendingSignificators, 1);
    // An empty place: black outline on the table colour.
    EXPECT_EQ(image->picture().pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image->picture().pixelColor(60, 120), kTable);

    EXPECT_EQ(form->PositionImages[0]->toolTip(), "You");
    EXPECT_EQ(image->toolTip(), "2. Future");
    form->settings.ShowTips = false;
    form->ApplyShowTips();
    EXPECT_TRUE(image->toolTip().isEmpty());
    Open("Pair");
    EXPECT_TRUE(form->PositionImages[1]->toolTip().isEmpty());
    form->settings.ShowTips = true;
    form->ApplyShowTips();
    EXPECT_EQ(form->PositionImages[1]->toolTip(), "Second 2");
    // The images of the previous spread are gone.
    EXPECT_EQ(form->findChildren<CardImage*>(QRegularExpression("^PositionImage")).size(), 2);
}

TEST_F(ReadingTableTest, ASpreadWithoutPositionsStillPlacesTheSpacer) {
    Open("Three");
    Open("Empty");
    EXPECT_EQ(form->SpacerImage->pos(), QPoint(87, 148));
    EXPECT_EQ(form->PositionImages[0], nullptr);
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());

    Open("Nowhere");
    EXPECT_EQ(fake.messageBoxes->shown, QStringList({form->Messages[109]}));
    Open("../Three");
    EXPECT_EQ(fake.messageBoxes->shown.size(), 2);
}

TEST_F(ReadingTableTest, ThePileIsPaintedUntilTheDeckIsLaidOut) {
    const QPoint origin = PileOrigin(form->width(), form->height());
    const QImage& back = form->CardBackLarge;
    EXPECT_EQ(back.size(), QSize(115, 196));
    EXPECT_EQ(form->CardBackSmall.size(), QSize(58, 98));
    // The first back shows along its left edge, the last one whole.
    EXPECT_EQ(Pixel(origin.x() + 1, origin.y() + 60), back.pixelColor(1, 60));
    const QPoint last = origin + QPoint(17 * 4, 17 * 4);
    EXPECT_EQ(Pixel(last.x() + 57, last.y() + 98), back.pixelColor(57, 98));
    EXPECT_EQ(Pixel(last.x() + 115, last.y() + 98), kTable);
    EXPECT_TRUE(form->findChild<QLabel*>("Label4")->isVisible());

    form->DeckLaidOut = true;
    form->SetCards();
    form->table()->repaintAll();
    EXPECT_EQ(Pixel(last.x() + 57, last.y() + 98), kTable);
    EXPECT_FALSE(form->findChild<QLabel*>("Label4")->isVisible());
}

TEST_F(ReadingTableTest, ASlotTakenOffTheArcIsNeitherPaintedNorHit) {
    form->DeckLaidOut = true;
    form->SetCards();
    form->table()->repaintAll();
    const QImage& back = form->CardBackSmall;
    TCard& first = form->Deck[0];
    TCard& top = form->Deck[77];
    EXPECT_EQ(first.Y, 81);
    EXPECT_EQ(Pixel(first.X + 2, first.Y + 50), back.pixelColor(2, 50));
    EXPECT_EQ(Pixel(top.X + 50, top.Y + 50), back.pixelColor(50, 50));

    const QPoint firstPoint(first.X + 2, first.Y + 50);
    const QPoint topPoint(top.X + 50, top.Y + 50);
    RemoveCardFromTable(first, *form->table());
    RemoveCardFromTable(top, *form->table());
    EXPECT_EQ(Pixel(firstPoint.x(), firstPoint.y()), kTable);
    EXPECT_EQ(Pixel(topPoint.x(), topPoint.y()), kTable);
    EXPECT_FALSE(CardHit(first, firstPoint.x(), firstPoint.y()));
    // The neighbour under the taken card shows again where it lay beneath it.
    const TCard& under = form->Deck[76];
    EXPECT_EQ(Pixel(under.X + 40, under.Y + 50), back.pixelColor(40, 50));
    // A full repaint keeps the taken slots away.
    form->table()->repaintAll();
    EXPECT_EQ(Pixel(topPoint.x(), topPoint.y()), kTable);
}

TEST_F(ReadingTableTest, AReadingIsDealtTurnedAndExplainedOnTheTable) {
    Open("Three");
    form->settings.LastSignificator = -1;
    OnNextModal<TForm11>([](TForm11* dialog) {
        EXPECT_FALSE(dialog->RadioGroup1()->isVisible());
        dialog->ClickQuer(3);
        dialog->Button1()->click();
    });
    form->Parser.ActivatePosition(0);
    ASSERT_EQ(form->Parser.PosCard[0], 3);
    EXPECT_EQ(form->PositionImages[0]->picture(), Face(3));
    auto* prompt = form->findChild<QLabel*>("Label2");
    EXPECT_EQ(prompt->text(), form->Messages[66] + "\r\nPast");
    EXPECT_EQ(form->CurrentPrompt, prompt->text());
    EXPECT_EQ(form->NextPosition, 1);

    form->DeckLaidOut = true;
    form->SetCards();
    const int slot = SlotCarrying(7);
    form->Deck[slot].Reversed = true;
    form->Parser.TakeCard(slot);
    CardImage* image = form->PositionImages[1];
    EXPECT_EQ(image->picture(), form->CardBackLarge);
    EXPECT_EQ(prompt->text(), form->Messages[67] + "\r\nFuture");

    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_TRUE(form->Parser.PosFaceUp[1]);
    EXPECT_TRUE(form->CardTurned);
    // Reversed: the face turned by 180 degrees, the yellow quarter now at the top left.
    EXPECT_EQ(image->picture(), TurnedOver(Face(7)));
    EXPECT_TRUE(Near(image->picture().pixelColor(10, 10), Qt::yellow));
    EXPECT_TRUE(Near(image->picture().pixelColor(80, 140), Qt::red));

    QString heading;
    OnNextModal<TForm4>([&heading](TForm4* window) {
        heading = window->Label2()->text();
        window->close();
    });
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(heading, "Past");

    form->Parser.TakeCard(SlotCarrying(9));
    EXPECT_EQ(prompt->text(), form->Messages[65]);
    EXPECT_FALSE(form->ExtraCardImage->isVisible());
    const int extra = SlotCarrying(11);
    form->Deck[extra].Reversed = false;
    form->Parser.TakeCard(extra);
    EXPECT_TRUE(form->ExtraCardImage->isVisible());
    EXPECT_EQ(form->ExtraCardImage->tag(), 11);
    EXPECT_EQ(form->ExtraCardImage->picture(), Face(11));
    EXPECT_EQ(form->ExtraCardImage->geometry(),
              QRect(30, form->centralWidget()->height() - 148 - 20, 87, 148));
    EXPECT_EQ(form->Parser.PosCard[2], 9);
}

TEST_F(ReadingTableTest, ManualInputAsksTheCardListWithTheOrientationShown) {
    Open("Three");
    form->ManualInput = true;
    QString caption;
    QRect preview;
    bool groupShown = false;
    OnNextModal<TForm11>([&](TForm11* dialog) {
        caption = dialog->windowTitle();
        preview = dialog->Image1()->geometry();
        groupShown = dialog->RadioGroup1()->isVisible();
        dialog->ClickQuer(9);
        dialog->ReversedItem()->setChecked(true);
        dialog->Button1()->click();
    });
    QTest::mouseClick(form->PositionImages[2], Qt::LeftButton);
    EXPECT_EQ(caption, form->Messages[117] + " 2: Future");
    EXPECT_EQ(preview, QRect(224, 88, 113, 185));
    EXPECT_TRUE(groupShown);
    EXPECT_EQ(form->Parser.PosCard[2], 9);
    EXPECT_TRUE(form->Parser.PosReversed[2]);
    EXPECT_EQ(form->PositionImages[2]->picture(), TurnedOver(Face(9)));
    EXPECT_EQ(form->CurrentPrompt, form->Messages[75]);
    EXPECT_TRUE(form->ManualInput);
}

TEST_F(ReadingTableTest, AMissingFaceLeavesThePositionAsItWas) {
    Open("Three");
    form->Parser.PosPlaced[1] = true;
    form->Parser.PosCard[1] = 40;  // no picture for card 40
    form->Parser.PosReversed[1] = true;
    const QImage before = form->PositionImages[1]->picture();
    QTest::mouseClick(form->PositionImages[1], Qt::LeftButton);
    EXPECT_TRUE(form->Parser.PosFaceUp[1]);
    EXPECT_EQ(form->PositionImages[1]->picture(), before);
}

}  // namespace
