#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "spreads/SelectSp.h"
#include "spreads/SpreadCatalogue.h"
#include "spreads/SpreadFile.h"
#include "support/TestAppDir.h"

namespace {

TEST(SpreadCatalogueTest, BuiltinSpreadsComeFirstThenTheRestAlphabetically) {
    TestAppDir app;
    for (const char* name : {"Question", "Alpha", "Seven Cards Ellipse", "beta", "notes"})
        app.write(QString("Spreads/%1.spread").arg(name), "x");
    app.write("Spreads/notes.txt", "x");
    EXPECT_EQ(BuildSpreadCatalogue(app.path(), app.path()),
              QStringList({"Seven Cards Ellipse", "Question", "Alpha", "beta", "notes"}));
    const QString nowhere = app.path() + "/nowhere";
    EXPECT_TRUE(BuildSpreadCatalogue(nowhere, nowhere).isEmpty());
}

TEST(SpreadCatalogueTest, TheUsersSpreadsJoinTheBundledOnesAndWinTheirNames) {
    TestAppDir user;
    TestAppDir bundled;
    for (const char* name : {"Question", "Cross", "Fan"})
        bundled.write(QString("Spreads/%1.spread").arg(name), "x");
    for (const char* name : {"question", "Mine"})
        user.write(QString("Spreads/%1.spread").arg(name), "x");
    EXPECT_EQ(BuildSpreadCatalogue(user.path(), bundled.path()),
              QStringList({"Cross", "Fan", "Mine", "question"}));
    EXPECT_EQ(FindSpreadFile(user.path(), bundled.path(), "question"),
              user.path() + "/Spreads/question.spread");
    EXPECT_EQ(FindSpreadFile(user.path(), bundled.path(), "Cross"),
              bundled.path() + "/Spreads/Cross.spread");
    EXPECT_EQ(FindSpreadFile(user.path(), bundled.path(), ".."), QString());
}

TEST(SpreadCatalogueTest, EnglishAndRussianNamesShareTheirBuiltinPlace) {
    const QString question = QString::fromUtf8("Вопрос");
    const QString ellipse = QString::fromUtf8("Семикарточный эллипс");
    EXPECT_EQ(
        ArrangeSpreads({"zeta", question, "Question", ellipse, "Relationship", "", " ", "Alpha"}),
        QStringList({ellipse, "Relationship", question, "Question", "Alpha", "zeta"}));
    EXPECT_EQ(ArrangeSpreads({"question", "Celtic Cross", "alpha"}),
              QStringList({"alpha", "Celtic Cross", "question"}));
}

TEST(SpreadCatalogueTest, ANameFindsItsOwnSpellingFirstThenOneDifferingInCase) {
    const QString question = QString::fromUtf8("Вопрос");
    EXPECT_EQ(MatchSpreadName({"Question", "question"}, "question"), "question");
    EXPECT_EQ(MatchSpreadName({"Question", "question"}, "QUESTION"), "Question");
    EXPECT_EQ(MatchSpreadName({question}, QString::fromUtf8("вОПРОС")), question);
    EXPECT_TRUE(MatchSpreadName({"Question"}, "Questions").isEmpty());

    TestAppDir app;
    for (const QString& name : {QString("Question"), QString("question"), question})
        app.write("Spreads/" + name + ".spread", "x");
    const QString spreads = app.path() + "/Spreads/";
    EXPECT_EQ(SpreadFilePath(app.path(), "question"), spreads + "question.spread");
    EXPECT_EQ(SpreadFilePath(app.path(), "Question"), spreads + "Question.spread");
    EXPECT_EQ(SpreadFilePath(app.path(), QString::fromUtf8("вопрос")),
              spreads + question + ".spread");
    EXPECT_EQ(SpreadFilePath(app.path(), "Fresh"), spreads + "Fresh.spread");
}

class SelectSpTest : public ::testing::Test {
protected:
    // Opens the dialog, lets `act` drive it and returns whether it was confirmed.
    bool run(TForm2& dialog, const std::function<void()>& act) {
        QTimer::singleShot(0, act);
        return dialog.exec() == QDialog::Accepted;
    }
};

TEST_F(SelectSpTest, PreselectsTheCurrentSpreadAndConfirmsIt) {
    TForm2 dialog({"Seven Cards Ellipse", "Question"}, "Question", "Select spread", "OK", "Cancel",
                  "");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(run(dialog, [ok] { ok->click(); }));
    EXPECT_EQ(dialog.chosenName(), "Question");
    EXPECT_EQ(dialog.windowTitle(), "Select spread");
}

TEST_F(SelectSpTest, OkWaitsForAChoiceAndADoubleClickConfirms) {
    TForm2 dialog({"A", "B"}, "Gone", "c", "OK", "Cancel", "");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(run(dialog, [&] {
        list->setCurrentRow(1);
        EXPECT_TRUE(ok->isEnabled());
        emit list->itemDoubleClicked(list->item(1));
    }));
    EXPECT_EQ(dialog.chosenName(), "B");
}

TEST_F(SelectSpTest, EscapeCancelsWithoutAName) {
    TForm2 dialog({"A"}, "A", "c", "OK", "Cancel", "");
    EXPECT_FALSE(run(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }));
    EXPECT_TRUE(dialog.chosenName().isEmpty());
}

TEST_F(SelectSpTest, WithoutSpreadsShowsTheNoticeAndACentredOk) {
    TForm2 dialog({}, "A", "c", "OK", "Cancel", "Layouts were not found.\r\nCreate one.");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    EXPECT_TRUE(dialog.findChild<QListWidget*>("ListBox1")->isHidden());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("Button2")->isHidden());
    EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(),
              "Layouts were not found.\r\nCreate one.");
    EXPECT_EQ(ok->x(), (281 - 75) / 2 - 6);
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(run(dialog, [ok] { ok->click(); }));
    EXPECT_TRUE(dialog.chosenName().isEmpty());
}

}  // namespace
