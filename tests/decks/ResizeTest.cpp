#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

#include "decks/CapPanel.h"
#include "decks/Resize.h"
#include "fakes/RecordingMessageBoxes.h"
#include "i18n/Msg.h"
#include "settings/Settings.h"
#include "support/LanguageData.h"
#include "support/ModalDialog.h"

namespace {

class ResizeTest : public ::testing::Test {
protected:
    MessageList messages;
    RecordingMessageBoxes boxes;
    Settings settings;

    ResizeTest() { messages.replace(NumberedLines("m", Msg::Count)); }

    // Opens the dialog modally, lets the user act in it and returns how it closed.
    int run(const std::function<void(TForm12*)>& act) {
        TForm12 dialog(messages, settings, boxes);
        OnNextModal<TForm12>([&](TForm12* shown) { act(shown); });
        return dialog.exec();
    }
    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    static void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

struct ApplyRow {
    const char* name;
    const char* width;
    const char* height;
    const char* message;  // the refusal; none where the size is applied
    QSize preview;        // the preview afterwards
};

const QSize kOld(200, 290);
const ApplyRow kApplyRows[] = {
    {"blanksTrimmed", " 300 ", "\t310", "", {300, 310}},
    {"rangeEnds", "1", "5000", "", {1, 5000}},
    {"unitRefused", "300px", "310", "m125", kOld},
    {"fractionRefused", "300", "2.5", "m125", kOld},
    {"emptyRefused", "", "310", "m125", kOld},
    {"lettersRefused", "abc", "310", "m125", kOld},
    {"notWholeToldBeforeRange", "0", "abc", "m125", kOld},
    {"zeroOutOfRange", "0", "310", "m149", kOld},
    {"negativeOutOfRange", "300", "-5", "m149", kOld},
    {"hugeOutOfRange", "99999", "310", "m149", kOld},
    {"beyondAnyIntegerOutOfRange", "300", "99999999999999999999", "m149", kOld},
};

TEST_F(ResizeTest, ApplyTakesWholeNumbersInRangeAndNamesWhatItRefuses) {
    for (const ApplyRow& row : kApplyRows) {
        boxes.shown.clear();
        run([&](TForm12* dialog) {
            type(dialog->Edit1(), row.width);
            type(dialog->Edit2(), row.height);
            QTest::keyClick(dialog->Edit2(), Qt::Key_Return);  // Apply is the default button
            EXPECT_TRUE(dialog->isVisible()) << row.name;
            EXPECT_EQ(dialog->Image1()->geometry(), QRect(QPoint(24, 80), row.preview)) << row.name;
            EXPECT_EQ(boxes.shown.join('|').toStdString(), row.message) << row.name;
            click(dialog->Button3());
        });
    }
    EXPECT_EQ(settings.EnlargedWidth, 200);  // Cancel stores nothing
}

struct VisibleRow {
    const char* name;
    const char* width;  // the picture applied
    const char* height;
    QSize dialog;  // the size the dialog is then dragged to
};

const VisibleRow kVisibleRows[] = {
    {"largePicture", "700", "600", {532, 479}},
    {"smallPicture", "1", "1", {532, 479}},
    {"dialogDraggedSmall", "200", "290", {120, 90}},
};

TEST_F(ResizeTest, EveryControlStaysInsideAndOnTop) {
    for (const VisibleRow& row : kVisibleRows) {
        run([&](TForm12* dialog) {
            type(dialog->Edit1(), row.width);
            type(dialog->Edit2(), row.height);
            click(dialog->Button1());
            dialog->resize(row.dialog);
            QWidget* panel = dialog->FreePanel1();
            for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control == dialog->Image1() || control == panel) continue;
                const QString name = row.name + (" " + control->objectName());
                EXPECT_TRUE(dialog->rect().contains(control->geometry())) << qPrintable(name);
                EXPECT_EQ(dialog->childAt(control->geometry().center()), control)
                    << qPrintable(name);
            }
            // The text field is not hidden under the picture either.
            EXPECT_EQ(dialog->childAt(panel->pos() + QPoint(10, 10)), panel) << row.name;
            click(dialog->Button3());
        });
    }
}

TEST_F(ResizeTest, OpensAsTheExplanationWindowAndSavesAllButASizeLeftUnapplied) {
    const int result = run([&](TForm12* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "m46");
        EXPECT_EQ(QStringList({dialog->Label1()->text(), dialog->Button1()->text(),
                               dialog->Button2()->text(), dialog->Button3()->text(),
                               dialog->FreePanel1()->caption(), dialog->CheckBox2()->text()}),
                  QStringList({"m47", "m50", "m5", "m1", "m51", "m53"}));
        EXPECT_EQ(dialog->size(), QSize(532, 479));
        EXPECT_EQ(dialog->FreePanel1()->geometry(), QRect(532 - 229 - 29, 88, 229, 248));
        dialog->resize(600, 520);
        // Enlarging moves what hangs on the right and bottom edges; the preview stays.
        EXPECT_EQ(dialog->Image1()->geometry(), QRect(24, 80, 200, 290));
        EXPECT_EQ(dialog->CheckBox1()->pos(), QPoint(600 - 214, 520 - 130));
        EXPECT_EQ(dialog->Button2()->pos(), QPoint(600 - 222, 520 - 70));
        TFreePanel* panel = dialog->FreePanel1();
        // A resize cursor within 5 pixels of an edge, none 6 pixels inside every edge.
        QTest::mouseMove(panel, QPoint(panel->width() - 3, panel->height() - 3));
        EXPECT_EQ(panel->cursor().shape(), Qt::SizeFDiagCursor);
        QTest::mouseMove(panel, QPoint(6, 6));
        EXPECT_FALSE(panel->testAttribute(Qt::WA_SetCursor));
        // The left edge dragged 40 pixels left: the panel grows to the left, still anchored.
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(2, 100));
        QTest::mouseMove(panel, QPoint(-38, 100));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(-38, 100));
        EXPECT_EQ(panel->geometry(), QRect(600 - 269 - 29, 88, 269, 248));
        type(dialog->Edit1(), "333");
        click(dialog->CheckBox1());
        click(dialog->CheckBox2());
        click(dialog->Button2());
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(QSize(settings.EnlargedWidth, settings.EnlargedHeight), QSize(200, 290));
    EXPECT_EQ(QSize(settings.ExplWindowWidth, settings.ExplWindowHeight), QSize(600, 520));
    EXPECT_EQ(QSize(settings.TextFieldWidth, settings.TextFieldHeight), QSize(269, 248));
    EXPECT_TRUE(settings.KeepStraight);
    EXPECT_FALSE(settings.KeepActualSize);
}

}  // namespace
