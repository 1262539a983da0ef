#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

#include "readings/CommForm.h"
#include "readings/WarnForm.h"
#include "support/ModalDialog.h"

namespace {

struct KeyRow {
    const char* name;
    std::function<void(TForm9*)> act;
    int result;
    QString memo;
};

TEST(CommFormTest, TheDialogGivesItsResultAsAPersonMeetsIt) {
    const auto typeTwoLines = [](TForm9* d) {
        QTest::keyClicks(d->Memo1(), "first");
        QTest::keyClick(d->Memo1(), Qt::Key_Return);
        QTest::keyClicks(d->Memo1(), "second");
    };
    const KeyRow rows[] = {
        {"OK", [&](TForm9* d) { typeTwoLines(d), d->Button1()->click(); }, QDialog::Accepted,
         "first\nsecond"},
        {"No comments", [&](TForm9* d) { typeTwoLines(d), d->Button2()->click(); },
         QDialog::Rejected, ""},
        {"Esc in the memo",
         [&](TForm9* d) { typeTwoLines(d), QTest::keyClick(d->Memo1(), Qt::Key_Escape); },
         QDialog::Rejected, ""},
        {"closing the window", [&](TForm9* d) { typeTwoLines(d), d->close(); }, QDialog::Rejected,
         ""},
        {"Enter on No comments",
         [&](TForm9* d) {
             typeTwoLines(d);
             d->Button2()->setFocus();
             QTest::keyClick(d->Button2(), Qt::Key_Return);
         },
         QDialog::Accepted, "first\nsecond"},
        {"Esc on OK",
         [](TForm9* d) {
             d->Button1()->setFocus();
             QTest::keyClick(d->Button1(), Qt::Key_Escape);
         },
         QDialog::Rejected, ""},
    };
    for (const KeyRow& row : rows) {
        TForm9 dialog;
        dialog.SetCaptions("Комментарии", "ОК", "Без комментариев");
        OnNextModal<TForm9>([&](TForm9* d) {
            EXPECT_TRUE(d->Memo1()->hasFocus()) << row.name;
            row.act(d);
        });
        const int result = dialog.exec();
        EXPECT_EQ(result, row.result) << row.name;
        EXPECT_EQ(result == QDialog::Accepted ? dialog.Memo1()->toPlainText() : QString(), row.memo)
            << row.name;
        EXPECT_TRUE(dialog.isHidden()) << row.name;
    }
}

TEST(CommFormTest, CaptionsFitAndTheCommentsWindowCentresItsOnlyButton) {
    TForm9 window;
    window.SetCaptions("Комментарии", "ОК", "Без комментариев");
    EXPECT_EQ(window.windowTitle(), "Комментарии");
    EXPECT_EQ(window.size(), QSize(291, 163));
    QPushButton* noComments = window.Button2();
    EXPECT_GE(noComments->width(), noComments->fontMetrics().horizontalAdvance("Без комментариев"));
    EXPECT_NEAR(noComments->geometry().center().x(), 160 + 44, 1);
    EXPECT_EQ(window.Button1()->geometry(), QRect(48, 128, 89, 25));

    window.MakeCommentsWindow();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window.show();
    EXPECT_FALSE(noComments->isVisible());
    EXPECT_EQ(window.Button1()->x(), (291 - 89) / 2);
    // A new language retitles the open window at once; "OK" stays centred.
    window.SetCaptions("Comments", "Very long OK caption here", "No comments");
    EXPECT_EQ(window.windowTitle(), "Comments");
    EXPECT_EQ(window.Button1()->x(), (291 - window.Button1()->width()) / 2);
    QTest::keyClick(window.Memo1(), Qt::Key_Escape);
    EXPECT_TRUE(window.isHidden());
}

TEST(CommFormTest, TheWarningShowsBothPartsAndClosesWithEnter) {
    const QString text =
        "This reading was made with Velmar Dav Izove deck. You should select a "
        "deck with 79 cards to open it.";
    TForm14 warning(text, "OK");
    EXPECT_EQ(warning.windowTitle(), "Lumenfold");
    EXPECT_EQ(warning.size(), QSize(369, 120));
    EXPECT_EQ(warning.Label1()->text(), text);
    EXPECT_TRUE(warning.Label1()->font().bold());
    EXPECT_EQ(warning.Button1()->geometry(), QRect(144, 88, 75, 25));
    OnNextModal<TForm14>([](TForm14* d) { QTest::keyClick(d, Qt::Key_Return); });
    EXPECT_EQ(warning.exec(), QDialog::Accepted);

    // A longer text grows the label downward and never cuts it.
    TForm14 longer(text + " " + text + " " + text, "OK");
    EXPECT_GE(longer.Label1()->height(), longer.Label1()->heightForWidth(353));
    EXPECT_GT(longer.height(), 120);
    EXPECT_GE(longer.Button1()->y(), longer.Label1()->geometry().bottom());
}

}  // namespace
