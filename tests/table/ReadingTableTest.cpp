// The table view on its own: position images, painting into the backing image, and the spread
// engine dealing into it.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <climits>

#include <gtest/gtest.h>

#include "decks/CardFace.h"
#include "decks/JpegDecoder.h"
#include "decks/JpegWriter.h"
#include "fakes/FakePlatform.h"
#include "platform/PlainToolTip.h"
#include "spreads/SeCard.h"
#include "support/ModalDialog.h"
#include "support/TableParts.h"
#include "support/TestAppDir.h"
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
    TableParts parts{fake, app.path()};
    ProgramState& program = parts.program;
    ReadingModel& model = parts.model;
    QWidget& window = parts.window;
    TableWidget* table = parts.table;
    TableView* view = parts.view.get();

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
        window.findChild<QScrollArea*>("ScrollBox1")->show();
    }

    void WriteSpread(const QString& name, int count, const QList<SpreadLine>& lines) {
        QDir().mkpath(app.path() + "/Spreads");
        ASSERT_TRUE(WriteSpreadFile(SpreadFilePath(app.path(), name), count, lines));
    }

    void Open(const QString& spread) {
        model.Parser.ResetReading();
        model.SetSpreadName(spread);
        view->MakeSpreadAndImages();
    }

    int SlotCarrying(int card) const {
        for (int i = 0; i < model.DeckSize; ++i)
            if (model.Deck()[i].Number == card) return i;
        return -1;
    }

    QImage Face(int card) const {
        return DecodeJpeg(app.path() + "/Pics/Ardentine/" + QString::number(card) + ".jpg",
                          QSize(87, 148));
    }

    QColor Pixel(int x, int y) const { return table->backing().pixelColor(x, y); }
};

TEST_F(ReadingTableTest, PositionImagesStandWhereTheSpreadPlacesThem) {
    Open("Three");
    ASSERT_EQ(fake.messageBoxes->shown.size(), 0);
    auto* image = window.findChild<CardImage*>("PositionImage2");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image, view->PositionImage(2));
    EXPECT_EQ(image->geometry(), QRect(120, 400, 87, 148));
    EXPECT_EQ(view->PositionImage(3), nullptr);
    EXPECT_EQ(view->SpacerImage()->pos(), QPoint(300 + 87, 400 + 148));
    EXPECT_EQ(model.PendingSignificators(), 1);
    // An empty place: black outline on the table colour.
    EXPECT_EQ(image->picture().pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image->picture().pixelColor(60, 120), kTable);

    EXPECT_EQ(view->PositionImage(0)->toolTip(), PlainToolTip("You"));
    EXPECT_EQ(image->toolTip(), PlainToolTip("2. Future"));
    program.settings.ShowTips = false;
    view->ApplyShowTips();
    EXPECT_TRUE(image->toolTip().isEmpty());
    Open("Pair");
    EXPECT_TRUE(view->PositionImage(1)->toolTip().isEmpty());
    program.settings.ShowTips = true;
    view->ApplyShowTips();
    EXPECT_EQ(view->PositionImage(1)->toolTip(), PlainToolTip("Second 2"));
    // The images of the previous spread are gone.
    EXPECT_EQ(window.findChildren<CardImage*>(QRegularExpression("^PositionImage")).size(), 2);
}

TEST_F(ReadingTableTest, ASpreadWithoutPositionsStillPlacesTheSpacer) {
    Open("Three");
    Open("Empty");
    EXPECT_EQ(view->SpacerImage()->pos(), QPoint(87, 148));
    EXPECT_EQ(view->PositionImage(0), nullptr);
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());

    Open("Nowhere");
    EXPECT_EQ(fake.messageBoxes->shown, QStringList({program.Messages[109]}));
    Open("../Three");
    EXPECT_EQ(fake.messageBoxes->shown.size(), 2);
}

TEST_F(ReadingTableTest, ThePileIsPaintedUntilTheDeckIsLaidOut) {
    const QPoint origin = PileOrigin(window.width(), window.height());
    const QImage& back = view->CardBackLarge();
    EXPECT_EQ(back.size(), QSize(115, 196));
    EXPECT_EQ(view->CardBackSmall().size(), QSize(58, 98));
    // The first back shows along its left edge, the last one whole.
    EXPECT_EQ(Pixel(origin.x() + 1, origin.y() + 60), back.pixelColor(1, 60));
    const QPoint last = origin + QPoint(17 * 4, 17 * 4);
    EXPECT_EQ(Pixel(last.x() + 57, last.y() + 98), back.pixelColor(57, 98));
    EXPECT_EQ(Pixel(last.x() + 115, last.y() + 98), kTable);
    EXPECT_TRUE(window.findChild<QLabel*>("Label4")->isVisible());

    model.SetDeckLaidOut(true);
    model.SetCards(window.width(), program.settings.UseReverse);
    table->repaintAll();
    EXPECT_EQ(Pixel(last.x() + 57, last.y() + 98), kTable);
    EXPECT_FALSE(window.findChild<QLabel*>("Label4")->isVisible());
}

TEST_F(ReadingTableTest, ASlotTakenOffTheArcIsNeitherPaintedNorHit) {
    model.SetDeckLaidOut(true);
    model.SetCards(window.width(), program.settings.UseReverse);
    table->repaintAll();
    const QImage& back = view->CardBackSmall();
    TCard& first = model.Deck()[0];
    TCard& top = model.Deck()[77];
    EXPECT_EQ(first.Y, 81);
    EXPECT_EQ(Pixel(first.X + 2, first.Y + 50), back.pixelColor(2, 50));
    EXPECT_EQ(Pixel(top.X + 50, top.Y + 50), back.pixelColor(50, 50));

    const QPoint firstPoint(first.X + 2, first.Y + 50);
    const QPoint topPoint(top.X + 50, top.Y + 50);
    RemoveCardFromTable(first, *table);
    RemoveCardFromTable(top, *table);
    EXPECT_EQ(Pixel(firstPoint.x(), firstPoint.y()), kTable);
    EXPECT_EQ(Pixel(topPoint.x(), topPoint.y()), kTable);
    EXPECT_FALSE(CardHit(first, firstPoint.x(), firstPoint.y()));
    // The neighbour under the taken card shows again where it lay beneath it.
    const TCard& under = model.Deck()[76];
    EXPECT_EQ(Pixel(under.X + 40, under.Y + 50), back.pixelColor(40, 50));
    // A full repaint keeps the taken slots away.
    table->repaintAll();
    EXPECT_EQ(Pixel(topPoint.x(), topPoint.y()), kTable);
}

TEST_F(ReadingTableTest, AReadingIsDealtTurnedAndExplainedOnTheTable) {
    Open("Three");
    program.settings.LastSignificator = -1;
    OnNextModal<TForm11>([](TForm11* dialog) {
        EXPECT_FALSE(dialog->RadioGroup1()->isVisible());
        dialog->ClickQuer(3);
        dialog->Button1()->click();
    });
    model.Parser.ActivatePosition(0);
    ASSERT_EQ(model.Parser.PosCard(0), 3);
    EXPECT_EQ(view->PositionImage(0)->picture(), Face(3));
    auto* prompt = window.findChild<QLabel*>("Label2");
    EXPECT_EQ(prompt->text(), program.Messages[66] + "\r\nPast");
    EXPECT_EQ(model.CurrentPrompt(), prompt->text());
    EXPECT_EQ(model.NextPosition(), 1);

    model.SetDeckLaidOut(true);
    model.SetCards(window.width(), program.settings.UseReverse);
    const int slot = SlotCarrying(7);
    model.Deck()[slot].Reversed = true;
    model.Parser.TakeCard(slot);
    CardImage* image = view->PositionImage(1);
    EXPECT_EQ(image->picture(), view->CardBackLarge());
    EXPECT_EQ(prompt->text(), program.Messages[67] + "\r\nFuture");

    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_TRUE(model.Parser.PosFaceUp(1));
    EXPECT_TRUE(model.CardTurned());
    // Reversed: the face turned by 180 degrees, the yellow quarter now at the top left.
    EXPECT_EQ(image->picture(), TurnedOver(Face(7)));
    EXPECT_TRUE(Near(image->picture().pixelColor(10, 10), Qt::yellow));
    EXPECT_TRUE(Near(image->picture().pixelColor(80, 140), Qt::red));

    QString heading;
    OnNextModal<TForm4>([&heading](TForm4* explanation) {
        heading = explanation->Label2()->text();
        explanation->close();
    });
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(heading, "Past");

    model.Parser.TakeCard(SlotCarrying(9));
    EXPECT_EQ(prompt->text(), program.Messages[65]);
    EXPECT_FALSE(view->ExtraCardImage()->isVisible());
    const int extra = SlotCarrying(11);
    model.Deck()[extra].Reversed = false;
    model.Parser.TakeCard(extra);
    EXPECT_TRUE(view->ExtraCardImage()->isVisible());
    EXPECT_EQ(view->ExtraCardImage()->tag(), 11);
    EXPECT_EQ(view->ExtraCardImage()->picture(), Face(11));
    EXPECT_EQ(view->ExtraCardImage()->geometry(), QRect(30, table->height() - 148 - 20, 87, 148));
    EXPECT_EQ(model.Parser.PosCard(2), 9);
}

TEST_F(ReadingTableTest, ManualInputAsksTheCardListWithTheOrientationShown) {
    Open("Three");
    model.SetManualInput(true);
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
    QTest::mouseClick(view->PositionImage(2), Qt::LeftButton);
    EXPECT_EQ(caption, program.Messages[117] + " 2: Future");
    EXPECT_EQ(preview, QRect(224, 88, 113, 185));
    EXPECT_TRUE(groupShown);
    EXPECT_EQ(model.Parser.PosCard(2), 9);
    EXPECT_TRUE(model.Parser.PosReversed(2));
    EXPECT_EQ(view->PositionImage(2)->picture(), TurnedOver(Face(9)));
    EXPECT_EQ(model.CurrentPrompt(), program.Messages[75]);
    EXPECT_TRUE(model.ManualInput());
}

TEST_F(ReadingTableTest, AMissingFaceLeavesThePositionAsItWas) {
    Open("Three");
    model.Parser.LayCard(1, 40, true, false);  // no picture for card 40
    const QImage before = view->PositionImage(1)->picture();
    QTest::mouseClick(view->PositionImage(1), Qt::LeftButton);
    EXPECT_TRUE(model.Parser.PosFaceUp(1));
    EXPECT_EQ(view->PositionImage(1)->picture(), before);
}

TEST_F(ReadingTableTest, OnlyClicksOutsideTheSpreadAreaAndItsLabelsAreTableClicks) {
    Open("Three");
    model.SetSpreadName("Three");
    view->ShowSpread();
    QSignalSpy tableClicks(table, &TableWidget::mousePressed);
    struct Row {
        const char* widget;  // nullptr: the bare table
        QPoint at;
        int tableClicks;
    };
    for (const Row& row :
         {Row{"Label1", {5, 5}, 0}, Row{"Label2", {5, 5}, 0}, Row{"Label4", {200, 10}, 0},
          Row{"SpreadAreaContent", {700, 300}, 0}, Row{nullptr, {500, 100}, 1}}) {
        tableClicks.clear();
        QWidget* target = row.widget ? window.findChild<QWidget*>(row.widget) : table;
        ASSERT_NE(target, nullptr) << row.widget;
        QTest::mouseClick(target, Qt::LeftButton, {}, row.at);
        EXPECT_EQ(tableClicks.size(), row.tableClicks) << (row.widget ? row.widget : "table");
    }
}

TEST_F(ReadingTableTest, WheelPartsAddUpToNotchesOfFortyPixels) {
    WriteSpread("Tall", 2, {{false, 0, 0, "Top"}, {false, 0, 3000, "Bottom"}});
    Open("Tall");
    view->ShowSpread();
    QScrollBar* bar = window.findChild<QScrollArea*>("ScrollBox1")->verticalScrollBar();
    QWidget* viewport = window.findChild<QScrollArea*>("ScrollBox1")->viewport();
    struct Row {
        const char* name;
        QList<int> deltas;  // toward the user is negative
        int scrolled;
    };
    // Every row ends on a whole number of notches, so no rest passes to the next.
    for (const Row& row :
         {Row{"one notch", {-120}, 40}, Row{"two halves", {-60, -60}, 40},
          Row{"thirds", {-40, -40, -40}, 40}, Row{"rest carries over", {-200, -40}, 80},
          Row{"a part turned back", {-100, 100}, 0}, Row{"back and forth", {-90, 60, -90}, 40}}) {
        bar->setValue(400);
        for (int delta : row.deltas) {
            QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {},
                              {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(viewport, &wheel);
        }
        EXPECT_EQ(bar->value() - 400, row.scrolled) << row.name;
    }
}

TEST_F(ReadingTableTest, TheNoticeTurnsGreyWhereBlueIsStrongest) {
    struct Row {
        QColor table;
        QColor notice;
    };
    for (const Row& row :
         {Row{QColor(0, 0, 128), QColor(119, 119, 119)}, Row{QColor(17, 85, 17), QColor(0, 0, 128)},
          Row{QColor(60, 60, 60), QColor(0, 0, 128)}}) {
        program.settings.BackColor = ToTColor(row.table);
        view->ColourTable();
        EXPECT_TRUE(window.findChild<QLabel*>("Label4")->palette().color(QPalette::WindowText) == row.notice)
            << row.table.name().toStdString();
    }
}

TEST_F(ReadingTableTest, PlacesNearTheIntegerLimitsLieFarOffWithoutOverflow) {
    WriteSpread("Far", 3,
                {{false, INT_MAX, INT_MAX, "Far right"},
                 {false, INT_MIN, 10, "Far left"},
                 {false, 100, INT_MAX - 100, "Far down"}});
    Open("Far");
    ASSERT_TRUE(fake.messageBoxes->shown.isEmpty());
    ASSERT_EQ(model.Parser.PosX(0), INT_MAX);  // the file's numbers are kept as read
    const QRect right = view->PositionImage(0)->geometry();
    const QRect left = view->PositionImage(1)->geometry();
    EXPECT_GT(right.left(), 1000000);
    EXPECT_GT(right.right(), right.left());
    EXPECT_LT(left.left(), -1000000);
    EXPECT_EQ(left.size(), QSize(87, 148));
    // The spacer still lies beyond the rightmost, lowest card.
    EXPECT_GE(view->SpacerImage()->x(), right.right());
    EXPECT_GE(view->SpacerImage()->y(), view->PositionImage(2)->geometry().bottom());
}

}  // namespace
