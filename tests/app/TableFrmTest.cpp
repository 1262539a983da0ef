#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/About.h"
#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "export/PrintFrm.h"
#include "fakes/FakePlatform.h"
#include "support/TestAppDir.h"
#include "table/TableWidget.h"

namespace {

class TableFrmTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;

    std::unique_ptr<TForm1> open() {
        return std::make_unique<TForm1>(fake.platform, app.programPath());
    }
    QString written(const QString& name) { return fake.settingsKey->values.value(name).toString(); }
};

QPoint InWindow(QWidget* window, const char* name) {
    auto* widget = window->findChild<QWidget*>(name);
    return widget ? widget->mapTo(window, QPoint(0, 0)) : QPoint(-1, -1);
}

TEST_F(TableFrmTest, FrameSitsWhereTheScreenSizeSays) {
    auto form = open();
    form->show();
    ASSERT_EQ(form->width(), 1024);
    ASSERT_EQ(form->height(), 768);
    EXPECT_EQ(form->windowTitle(), "Lumenfold");
    auto* area = form->findChild<QScrollArea*>("ScrollBox1");
    EXPECT_EQ(area->pos(), QPoint(150, 200));
    EXPECT_EQ(area->parentWidget(), form->centralWidget());
    EXPECT_EQ(area->width(), 1024 - 150);
    EXPECT_EQ(area->geometry().bottom(), form->centralWidget()->height() - 1);
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->geometry(), QRect(1024 - 240, 10, 220, 24));
    for (const char* hidden : {"ScrollBox1", "Panel1", "Panel2", "Label1", "Label2", "SpeedButton1",
                               "SpeedButton2", "SpeedButton3"})
        EXPECT_FALSE(form->findChild<QWidget*>(hidden)->isVisible()) << hidden;
    EXPECT_FALSE(form->findChild<QToolButton*>("SpeedButton2")->isEnabled());
    EXPECT_TRUE(form->findChild<QLabel*>("Label4")->isVisible());
    // The table starts in the default background colour.
    EXPECT_EQ(form->table()->backing().pixelColor(500, 100), QColor(17, 85, 17));
    // Each button takes its place as it is shown.
    for (const char* button : {"SpeedButton1", "SpeedButton2", "SpeedButton3"})
        form->findChild<QWidget*>(button)->show();
    EXPECT_EQ(InWindow(form.get(), "SpeedButton1"), QPoint(421, 768 - 120));
    EXPECT_EQ(InWindow(form.get(), "SpeedButton2"), QPoint(522, 768 - 120));
    EXPECT_EQ(InWindow(form.get(), "SpeedButton3").x(), (1024 - 81) / 2);
}

TEST_F(TableFrmTest, LongButtonCaptionsWidenTheirButtonsAroundTheMiddle) {
    QStringList lines;
    for (int i = 0; i < 139; ++i) lines << QString("m%1").arg(i);
    lines[62] = QString::fromUtf8("Перетасовать колоду");
    lines[64] = QString::fromUtf8("Снять колоду пополам");
    app.write("Langs/Long/List.lng", lines.join("\r\n").toUtf8());
    fake.settingsKey->values["language"] = "Long";
    auto form = open();
    form->show();
    auto* shuffle = form->findChild<QToolButton*>("SpeedButton1");
    auto* cut = form->findChild<QToolButton*>("SpeedButton3");
    for (QToolButton* button : {shuffle, form->findChild<QToolButton*>("SpeedButton2"), cut})
        button->show();
    EXPECT_GT(shuffle->width(), shuffle->fontMetrics().horizontalAdvance(shuffle->text()));
    EXPECT_EQ(shuffle->geometry().right() + 1, 512 - 10);
    EXPECT_EQ(form->findChild<QToolButton*>("SpeedButton2")->x(), 522);
    EXPECT_GT(cut->width(), cut->fontMetrics().horizontalAdvance(cut->text()));
    EXPECT_EQ(cut->x(), (1024 - cut->width()) / 2);
}

TEST_F(TableFrmTest, MenuHasEveryItemCaptionShortcutAndSeparator) {
    auto form = open();
    QStringList shown;
    for (QAction* top : form->menuBar()->actions()) {
        shown << top->text();
        if (!top->menu()) continue;
        for (QAction* item : top->menu()->actions())
            shown << (item->isSeparator()
                          ? QString("-")
                          : "  " + item->text() + "|" + item->shortcut().toString());
    }
    const QStringList expected = {"&Readings",
                                  "  &Start...|F9",
                                  "-",
                                  "  &Open...|Ctrl+O",
                                  "-",
                                  "  S&ave...|Ctrl+S",
                                  "-",
                                  "  &Input...|F8",
                                  "  &Journal...|Ctrl+J",
                                  "-",
                                  "  &Print...|Ctrl+P",
                                  "-",
                                  "  &Exit|",
                                  "&Start reading...",
                                  "S&preads",
                                  "  &Create new...|F3",
                                  "  &Edit...|F4",
                                  "&View",
                                  "  &Toggle spread view|Del",
                                  "-",
                                  "  &Background color...|Ctrl+B",
                                  "  &Default background|",
                                  "-",
                                  "  &Show spread tips|Ctrl+T",
                                  "&Options",
                                  "  &Select deck...|Ctrl+D",
                                  "  &Import deck...|",
                                  "-",
                                  "  &Major Arcana only|Ctrl+A",
                                  "  &Use reverse positions|Ctrl+R",
                                  "  &Draw cards automatically|Ctrl+F9",
                                  "  &Cut deck|",
                                  "  Cut deck in &3 piles|",
                                  "-",
                                  "  &Enlarged image settings...|Ctrl+I",
                                  "-",
                                  "  Music se&ttings...|Ctrl+M",
                                  "  &Play music|",
                                  "-",
                                  "  &Language|Ctrl+L",
                                  "&Help",
                                  "  &Contents|F1",
                                  "-",
                                  "  &About...|"};
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(form->menu().titled().size(), 32);
}

TEST_F(TableFrmTest, FirstStartChecksOnlyCutDeckAndTipsAndWritesEveryValueAtExit) {
    auto form = open();
    QStringList checked;
    const MainMenu& menu = form->menu();
    for (QAction* item :
         {menu.MajorArcanaonly1, menu.Usereversedpositions1, menu.Drawcardsautomatically1,
          menu.CutDeck1, menu.Cutdeckin3piles1, menu.Showlayouttips1, menu.Playmusic1})
        if (item->isChecked()) checked << item->objectName();
    EXPECT_EQ(checked, QStringList({"CutDeck1", "Showlayouttips1"}));
    EXPECT_TRUE(fake.settingsKey->values.isEmpty());
    form->close();
    EXPECT_EQ(fake.settingsKey->writeOrder.size(), 31);
    EXPECT_EQ(written("DeckName"), "Ardentine");
    EXPECT_EQ(written("language"), "Russian");
    EXPECT_EQ(written("MajorOnly"), "NO");
}

TEST_F(TableFrmTest, StoredSwitchesSetTheirCheckMarks) {
    fake.settingsKey->values["cutdeck"] = "no";
    fake.settingsKey->values["cut3piles"] = "yes";
    fake.settingsKey->values["MajorOnly"] = "YES";
    fake.settingsKey->values["UseTips"] = "no";
    auto form = open();
    EXPECT_FALSE(form->menu().CutDeck1->isChecked());
    EXPECT_FALSE(form->menu().Cutdeckin3piles1->isEnabled());
    EXPECT_TRUE(form->menu().Cutdeckin3piles1->isChecked());
    EXPECT_TRUE(form->menu().MajorArcanaonly1->isChecked());
    EXPECT_FALSE(form->menu().Showlayouttips1->isChecked());
}

TEST_F(TableFrmTest, DirectoriesSpreadsAndTemp) {
    app.write("Spreads/a.spread", "x");
    app.write("Spreads/Seven Cards Ellipse.spread", "x");
    app.write("Spreads/notes.txt", "x");
    auto form = open();
    for (const char* dir : {"Music", "Saved", "Temp"})
        EXPECT_TRUE(QDir(app.path() + "/" + dir).exists()) << dir;
    EXPECT_EQ(form->program().AppDir, app.path());
    EXPECT_EQ(form->program().ReadingDialogDir, app.path() + "/Saved/");
    QStringList spreads = form->program().SpreadList;
    spreads.sort();
    EXPECT_EQ(spreads, QStringList({"Seven Cards Ellipse", "a"}));
    EXPECT_EQ(form->reading().ReadingComments, "09/12/2026");

    app.write("Temp/1000.bmp", "picture");
    app.write("Temp/page.html", "page");
    QDir(app.path()).mkpath("Temp/sub");
    form->Exit1Click();
    EXPECT_EQ(QDir(app.path() + "/Temp").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({"sub"}));
}

TEST_F(TableFrmTest, WithoutSavedTheDialogsStartInAppDir) {
    app.write("Saved", "a file where the folder belongs");
    auto form = open();
    EXPECT_EQ(form->program().ReadingDialogDir, app.path());
    EXPECT_FALSE(QDir(app.path() + "/Temp").exists());
    form->close();  // exits normally without Temp
    EXPECT_EQ(written("DeckName"), "Ardentine");
}

TEST_F(TableFrmTest, ClosingDuringAShuffleEndsItAndWritesSettings) {
    auto form = open();
    bool closed = false;
    fake.pacer->onWait = [&] {
        if (fake.pacer->frames == 2) closed = form->close();
    };
    form->SpeedButton1Click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form->reading().Shuffling());
    EXPECT_FALSE(fake.settingsKey->writeOrder.isEmpty());
}

TEST_F(TableFrmTest, FailedSettingsWriteIsReportedAndExitCompletes) {
    fake.settingsKey->failFlush = true;
    auto form = open();
    app.write("Temp/x.bmp", "x");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_FALSE(QFile::exists(app.path() + "/Temp/x.bmp"));
}

TEST_F(TableFrmTest, AboutShowsTheReleaseAndClosesOnAClick) {
    auto form = open();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TForm6*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        seen = true;
        EXPECT_EQ(about->size(), QSize(304, 228));
        EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
        const QImage shot = about->grab().toImage();
        // Yellow letters of the release name near (104, 40).
        bool yellow = false;
        for (int y = 40; y < 70 && !yellow; ++y)
            for (int x = 104; x < 200 && !yellow; ++x)
                yellow = shot.pixelColor(x, y) == QColor(Qt::yellow);
        EXPECT_TRUE(yellow);
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(10, 10));
    });
    form->menu().About1->trigger();
    EXPECT_TRUE(seen);
}

TEST_F(TableFrmTest, PrintBeforeTheReadingIsCompleteShowsMessage92Only) {
    auto form = open();
    // Should the dialog open, this closes it so the test fails instead of hanging.
    bool dialogShown = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<TForm18*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->reject();
        }
    });
    guard.start(100);
    form->menu().Print1->trigger();
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{form->program().Messages[92]});
}

}  // namespace
