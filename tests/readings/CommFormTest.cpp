// The comments dialog's keys and captions and the 79-card warning; what the save command makes
// of OK, "No comments", Esc in the memo and closing is tested through the window.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "readings/CommForm.h"
#include "readings/WarnForm.h"
#include "support/ModalDialog.h"

namespace {

TEST(CommFormTest, EnterOnEitherButtonIsOkAndEscIsCancel) {
    const struct {
        Qt::Key key;
        bool onNoComments;
        int result;
    } rows[] = {{Qt::Key_Return, true, QDialog::Accepted},
                {Qt::Key_Return, false, QDialog::Accepted},
                {Qt::Key_Escape, false, QDialog::Rejected}};
    for (const auto& row : rows) {
        TForm9 dialog;
        OnNextModal<TForm9>([&](TForm9* d) {
            // The memo has the focus once the dialog is active, which a busy machine delays.
            EXPECT_TRUE(QTest::qWaitFor([d] { return d->Memo1()->hasFocus(); }, 5000));
            QTest::keyClick(d->Memo1(), Qt::Key_Return);  // a line break, not OK
            EXPECT_TRUE(d->isVisible());
            QPushButton* button = row.onNoComments ? d->Button2() : d->Button1();
            button->setFocus();
            QTest::keyClick(button, row.key);
        });
        EXPECT_EQ(dialog.exec(), row.result) << row.key << " " << row.onNoComments;
        EXPECT_EQ(dialog.Memo1()->toPlainText(), "\n");
    }
}

TEST(CommFormTest, CaptionsFitAndTheCommentsWindowCentresItsOnlyButton) {
    TForm9 window;
    window.SetCaptions("Комментарии", "ОК", "Без комментариев");
    EXPECT_EQ(window.size(), QSize(291, 163));
    QPushButton* noComments = window.Button2();
    EXPECT_GE(noComments->width(), noComments->fontMetrics().horizontalAdvance("Без комментариев"));
    EXPECT_NEAR(noComments->geometry().center().x(), 160 + 44, 1);
    EXPECT_EQ(window.Button1()->geometry(), QRect(48, 128, 89, 25));

    window.MakeCommentsWindow();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window.show();
    EXPECT_FALSE(noComments->isVisible());
    window.SetCaptions("Comments", "A much longer OK caption", "No comments");
    EXPECT_EQ(window.Button1()->x(), (291 - window.Button1()->width()) / 2);
    QTest::keyClick(window.Memo1(), Qt::Key_Escape);
    EXPECT_TRUE(window.isHidden());
}

TEST(CommFormTest, TheWarningGrowsDownwardForALongText) {
    const QString text =
        "This reading was made with Velmar Dav Izove deck. You should select a "
        "deck with 79 cards to open it.";
    TForm14 warning(text, "OK");
    EXPECT_EQ(warning.windowTitle(), "Lumenfold");
    EXPECT_EQ(warning.size(), QSize(369, 120));
    EXPECT_EQ(warning.Button1()->geometry(), QRect(144, 88, 75, 25));
    TForm14 longer(text + " " + text + " " + text, "OK");
    EXPECT_GE(longer.Label1()->height(), longer.Label1()->heightForWidth(353));
    EXPECT_GE(longer.Button1()->y(), longer.Label1()->geometry().bottom());
}

}  // namespace
