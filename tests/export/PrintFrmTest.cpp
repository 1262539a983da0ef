#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include "export/ExportFixture.h"
#include "export/PrintFrm.h"
#include "support/ModalDialog.h"
#include "support/RowName.h"

namespace {

class PrintFrmTest : public ExportFixture {
protected:
    void SetUp() override {
        ExportFixture::SetUp();
        program.settings.PrintType = PrintFormat::WordDocument;
        program.settings.PrintView = true;
        program.settings.PrintSchema = true;
    }
    template <typename T>
    static T* child(QDialog* dialog, const char* name) {
        return dialog->findChild<T*>(name);
    }
};

TEST_F(PrintFrmTest, ChoicesGreyOutAsTheSwitchesSay) {
    bool checked = false;
    OnNextModal<TForm18>([&](TForm18* dialog) {
        auto* view = child<QCheckBox>(dialog, "CheckBox1");
        auto* kinds = child<QGroupBox>(dialog, "RadioGroup2");
        auto* memo = child<QPlainTextEdit>(dialog, "Memo1");
        auto* label = child<QLabel>(dialog, "Label1");
        EXPECT_EQ(dialog->windowTitle(), "m81");
        EXPECT_TRUE(kinds->isEnabled());
        EXPECT_FALSE(memo->isEnabled() || label->isEnabled());
        EXPECT_TRUE(child<QRadioButton>(dialog, "RadioGroup2Item0")->isChecked());
        view->click();
        EXPECT_FALSE(kinds->isEnabled());
        view->click();
        EXPECT_TRUE(kinds->isEnabled());
        child<QRadioButton>(dialog, "RadioGroup1Item1")->click();
        EXPECT_TRUE(memo->isEnabled() && label->isEnabled());
        child<QRadioButton>(dialog, "RadioGroup1Item2")->click();
        EXPECT_FALSE(memo->isEnabled() || label->isEnabled());
        checked = true;
        dialog->reject();
    });
    exports.Print1Click();
    EXPECT_TRUE(checked);
}

struct KeyRow {
    const char* name;
    const char* focus;
    Qt::Key key;
    bool accepted;
};

class PrintFrmKeyTest : public PrintFrmTest, public ::testing::WithParamInterface<KeyRow> {};

// The user picks HTML, edits the comments, moves to a control and presses a key.
TEST_P(PrintFrmKeyTest, EscCancelsAndEnterConfirmsOutsideTheMemo) {
    const KeyRow& row = GetParam();
    bool stillOpenAfterKey = false;
    OnNextModal<TForm18>([&](TForm18* dialog) {
        child<QRadioButton>(dialog, "RadioGroup1Item1")->click();
        child<QPlainTextEdit>(dialog, "Memo1")->setPlainText("After");
        child<QCheckBox>(dialog, "CheckBox3")->click();
        QWidget* focus = child<QWidget>(dialog, row.focus);
        focus->setFocus();
        QTest::keyClick(focus, row.key);
        stillOpenAfterKey = dialog->isVisible();
        if (stillOpenAfterKey) child<QPushButton>(dialog, "Button2")->click();
    });
    exports.Print1Click();
    EXPECT_EQ(program.settings.PrintType,
              row.accepted ? PrintFormat::WebPage : PrintFormat::WordDocument);
    EXPECT_EQ(program.settings.PrintExpl, !row.accepted);
    EXPECT_EQ(reading.ReadingComments, row.accepted ? "After" : "Before");
    // OK runs the HTML export, which opens the page.
    EXPECT_EQ(fake.shell->opened.size(), row.accepted ? 1 : 0);
    // Enter in the memo breaks the line and leaves the dialog open.
    const bool enterInMemo = QString(row.focus) == "Memo1" && row.key == Qt::Key_Return;
    EXPECT_EQ(stillOpenAfterKey, enterInMemo);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PrintFrmKeyTest,
    ::testing::Values(KeyRow{"EscInCheckBox", "CheckBox1", Qt::Key_Escape, false},
                      KeyRow{"EscInMemo", "Memo1", Qt::Key_Escape, false},
                      KeyRow{"EscOnOk", "Button1", Qt::Key_Escape, false},
                      KeyRow{"EnterInMemoBreaksTheLine", "Memo1", Qt::Key_Return, false},
                      KeyRow{"CancelButton", "Button2", Qt::Key_Space, false},
                      KeyRow{"EnterInCheckBox", "CheckBox2", Qt::Key_Return, true},
                      KeyRow{"EnterInRadioGroup", "RadioGroup1Item1", Qt::Key_Return, true}),
    RowName());

// The comment comes back with its exact characters unless edited; typed line breaks become
// CR LF, and a comment too long to show whole cannot be cut by an edit.
TEST(PrintFrmCommentTest, TheCommentComesBackAsItWasUnlessEdited) {
    const QString longComment(50000, 'x');
    const struct {
        const char* name;
        QString comment;
        const char* typed;  // nullptr: left as it was
        QString back;
    } rows[] = {{"unchanged", "a\r\r\nb\nc", nullptr, "a\r\r\nb\nc"},
                {"edited", "a", "new\nline", "new\r\nline"},
                {"too long to show", longComment, nullptr, longComment}};
    for (const auto& row : rows) {
        TForm18 dialog(MessageList(), Settings(), row.comment);
        auto* memo = dialog.findChild<QPlainTextEdit*>("Memo1");
        EXPECT_EQ(memo->isReadOnly(), row.comment == longComment) << row.name;
        if (row.typed) {
            memo->selectAll();
            memo->insertPlainText(row.typed);
        }
        EXPECT_TRUE(dialog.Comments() == row.back) << row.name;
    }
}

// The comments serve the web page, the printer and the PDF file; OK on the printer opens the
// print preview, OK on the PDF file asks where to save it, and the choice is kept. A closed
// preview or a cancelled save dialog tells nothing.
TEST_F(PrintFrmTest, PrinterAndPdfTakeTheCommentsAndRunTheirCommand) {
    const struct {
        int item;
        bool comments;
    } rows[] = {{0, false}, {1, true}, {2, false}, {3, true}, {4, true}};
    for (const auto& row : rows) {
        const QString item = "RadioGroup1Item" + QString::number(row.item);
        bool enabled = !row.comments;
        OnNextModal<TForm18>([&](TForm18* dialog) {
            child<QRadioButton>(dialog, item.toLatin1().constData())->click();
            enabled = child<QPlainTextEdit>(dialog, "Memo1")->isEnabled() &&
                      child<QLabel>(dialog, "Label1")->isEnabled();
            if (row.item < 3) return dialog->reject();
            child<QPlainTextEdit>(dialog, "Memo1")->setPlainText("Typed");
            child<QPushButton>(dialog, "Button1")->click();
        });
        bool previewShown = false;
        if (row.item == 3)
            OnNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
                previewShown = true;
                preview->reject();
            });
        exports.Print1Click();
        EXPECT_EQ(enabled, row.comments) << row.item;
        EXPECT_EQ(static_cast<int>(program.settings.PrintType), row.item < 3 ? 0 : row.item)
            << row.item;
        EXPECT_EQ(previewShown, row.item == 3);
    }
    EXPECT_EQ(fake.fileDialogs->saved.size(), 1);
    EXPECT_EQ(reading.ReadingComments, "Typed");
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
}

TEST_F(PrintFrmTest, IncompleteReadingShowsMessage92WithoutDialog) {
    reading.SetDeckLaidOut(false);
    exports.Print1Click();
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m92"});
}

}  // namespace
