#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QTreeView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "music/BackgroundMusic.h"
#include "music/Musas.h"
#include "music/SetMusic.h"
#include "support/LanguageData.h"
#include "support/ModalDialog.h"
#include "support/MusicTestAccess.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"
#include "table/ProgramState.h"
#include "table/ReadingState.h"

namespace {

const QStringList Catalogue = {"Question", "Cross", "Say \"yes\""};

class MusasTest : public ::testing::Test {
protected:
    // Opens the dialog modally, runs the steps on it, then presses OK.
    void Run(const std::function<void(TForm17*)>& steps) {
        OnNextModal<TForm17>([&](TForm17* dialog) {
            steps(dialog);
            dialog->Button1Click();
            if (dialog->isVisible()) dialog->reject();
        });
        TForm17 dialog(messages, app.path(), app.path(), Catalogue, *fake.openFileDialog,
                       *fake.messageBoxes);
        dialog.exec();
    }
    QByteArray Written() {
        QFile file(app.path() + "/Associat.txt");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    MusasTest() { messages.replace(NumberedLines("m", Msg::Count)); }
    TestAppDir app;
    FakePlatform fake;
    MessageList messages;
};

TEST_F(MusasTest, ChosenFilesAreStoredRelativeUnderMusicElseByFullPath) {
    fake.openFileDialog->answers = {app.path() + "/Music/Storm.mid", "/srv/songs/Rain.ogg",
                                    "/srv/songs/Bad\"name.mid"};
    Run([](TForm17* dialog) {
        dialog->labelclick(1);
        dialog->labelclick(0);
        // A quote in a file name or in a spread name cannot be stored.
        dialog->labelclick(1);
        dialog->labelclick(2);
    });
    EXPECT_EQ(Written(), "Question \"/srv/songs/Rain.ogg\"\r\nCross \"Storm.mid\"\r\n");
    EXPECT_EQ(fake.openFileDialog->startedAt.first(), app.path() + "/Music|");
    EXPECT_EQ(fake.messageBoxes->shown.size(), 2);
}

TEST_F(MusasTest, ClickingAFileRemovesItsPairAndOkWritesInCatalogueOrder) {
    app.write("associat.txt", "Cross \"/srv/a.mid\"\r\nQuestion \"Storm.mid\"\r\nGone \"x\"\r\n");
    Run([&](TForm17* dialog) {
        const QList<QLabel*> files = dialog->FileLabels();
        EXPECT_EQ(files[0]->text(), "Storm.mid");
        EXPECT_EQ(files[1]->text(), "/srv/a.mid");
        EXPECT_EQ(files[1]->cursor().shape(), Qt::ForbiddenCursor);
        QTest::mouseClick(files[0], Qt::LeftButton);
        EXPECT_EQ(files[0]->text(), "");
        EXPECT_EQ(files[0]->cursor().shape(), Qt::ArrowCursor);
    });
    // The file keeps its spelling: one file, found without regard to case.
    QFile file(app.path() + "/associat.txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Cross \"/srv/a.mid\"\r\n");
    EXPECT_FALSE(QFile::exists(app.path() + "/Associat.txt"));
}

TEST_F(MusasTest, TheRemoveButtonBesideAFileRemovesItsPair) {
    app.write("Associat.txt", "Cross \"/srv/a.mid\"\r\nQuestion \"Storm.mid\"\r\n");
    Run([](TForm17* dialog) {
        EXPECT_FALSE(dialog->RemoveButton(2)->isVisible());
        QToolButton* remove = dialog->RemoveButton(1);
        ASSERT_TRUE(remove->isVisible());
        EXPECT_EQ(remove->toolTip(), "m147");
        QTest::mouseClick(remove, Qt::LeftButton);
        EXPECT_EQ(dialog->FileLabels()[1]->text(), "");
        EXPECT_FALSE(remove->isVisible());
    });
    EXPECT_EQ(Written(), "Question \"Storm.mid\"\r\n");
}

TEST_F(MusasTest, AFailedWriteIsReportedAndTheDialogStays) {
    QDir(app.path()).mkdir("Associat.txt");
    fake.openFileDialog->answers = {"/srv/a.mid"};
    Run([](TForm17* dialog) { dialog->labelclick(0); });
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(fake.messageBoxes->shown[0].startsWith("Could not write in a file."));
}

TEST(MusicSettings, OkAppliesTheChoices) {
    TestAppDir app;
    for (const char* name : {"Music/a.mid", "Music/b.mid", "Other/c.mid"}) app.write(name, "x");
    FakePlatform fake;
    ProgramState program(fake.platform);
    program.AppDir = app.path();
    program.Places = ProgramPlaces::Portable(app.path());
    Settings& s = program.settings;
    s.PlayMusicOn = true;
    s.PlayType = MusicOrder::InOrder;
    s.MusicDir = app.path() + "/Music";
    s.MusicFile = s.CurrentMusicFile = app.path() + "/Music/a.mid";
    ReadingState reading;
    BackgroundMusic music(program, reading, *fake.mediaPlayer);
    MusicTestAccess::SetStarted(music, true, false);
    // A new folder without a chosen file starts a piece from it at once.
    music.ApplyMusicSettings(app.path() + "/Other", "", MusicOrder::InOrder, true, false);
    // A chosen file plays first.
    music.ApplyMusicSettings(app.path() + "/Other", app.path() + "/Music/b.mid",
                             MusicOrder::ChosenFileLooped, true, false);
    // Under an association's music a new choice waits, unless associations are ignored.
    MusicTestAccess::SetStarted(music, true, true);
    music.ApplyMusicSettings(app.path() + "/Music", app.path() + "/Music/a.mid",
                             MusicOrder::ChosenFileLooped, true, false);
    EXPECT_EQ(fake.mediaPlayer->played,
              (QStringList{app.path() + "/Other/c.mid", app.path() + "/Music/b.mid"}));
    EXPECT_EQ(s.MusicFile, app.path() + "/Music/a.mid");
    music.ApplyMusicSettings(app.path() + "/Music", app.path() + "/Music/b.mid",
                             MusicOrder::ChosenFileLooped, true, true);
    EXPECT_EQ(fake.mediaPlayer->played.size(), 3);
}

TEST(MusicSettings, DialogOpensOnTheChosenFileAndEnterKeepsItsChoices) {
    TestAppDir app;
    for (const char* name : {"Music/a.mid", "Music/b.mid"}) app.write(name, "x");
    FakePlatform fake;
    ProgramState program(fake.platform);
    program.AppDir = app.path();
    program.Places = ProgramPlaces::Portable(app.path());
    Settings& s = program.settings;
    s.PlayType = MusicOrder::ChosenFileLooped;
    s.MusicDir = app.path() + "/Music";
    s.MusicFile = s.CurrentMusicFile = app.path() + "/Music/b.mid";
    ReadingState reading;
    BackgroundMusic music(program, reading, *fake.mediaPlayer);
    OnNextModal<TForm16>([&](TForm16* dialog) {
        EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QListView*>("FileListBox1"));
        EXPECT_EQ(dialog->SelectedFile(), app.path() + "/Music/b.mid");
        auto* tree = dialog->findChild<QTreeView*>("DirectoryListBox1");
        EXPECT_EQ(static_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex()),
                  app.path() + "/Music");
        EXPECT_TRUE(tree->isExpanded(tree->currentIndex().parent()));
        // The folders load in the background; the current one stays in sight.
        EXPECT_TRUE(QTest::qWaitFor([tree] {
            return tree->viewport()->rect().intersects(tree->visualRect(tree->currentIndex()));
        }));
        auto* reset = dialog->findChild<QCheckBox*>("CheckBox2");
        EXPECT_FALSE(reset->isVisible());
        EXPECT_FALSE(reset->isEnabled());
        dialog->findChildren<QRadioButton*>()[2]->click();
        EXPECT_TRUE(reset->isEnabled());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    music.Musicsettings1Click(nullptr);
    EXPECT_EQ(s.PlayType, MusicOrder::AtRandom);
    EXPECT_EQ(s.MusicDir, app.path() + "/Music");
    EXPECT_EQ(s.MusicFile, app.path() + "/Music/b.mid");
}

// The folder tree shows eight folders at least.
TEST(MusicSettings, EnterPressesTheFocusedButton) {
    TestAppDir app;
    for (int i = 0; i < 10; ++i) app.write(QString("Folder%1/a.mid").arg(i), "x");
    FakePlatform fake;
    MessageList messages;
    Settings settings;
    settings.MusicDir = app.path() + "/Folder0";
    int associationDialogs = 0;
    OnNextModal<TForm16>([&](TForm16* dialog) {
        auto* tree = dialog->findChild<QTreeView*>("DirectoryListBox1");
        const int row = tree->visualRect(tree->currentIndex()).height();
        EXPECT_GT(row, 0);
        EXPECT_GE(tree->viewport()->height(), 8 * row);
        OnNextModal<TForm17>([&](TForm17* associations) {
            ++associationDialogs;
            associations->reject();
        });
        // Enter in the folder tree opens the folder; on a button it presses the button.
        for (const char* name : {"DirectoryListBox1", "SpeedButton1", "Button2"}) {
            if (!dialog->isVisible()) break;
            dialog->findChild<QWidget*>(name)->setFocus();
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        }
        if (dialog->isVisible()) dialog->accept();
    });
    TForm16 dialog(messages, app.path(), app.path(), {}, settings, *fake.openFileDialog,
                   *fake.messageBoxes);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(associationDialogs, 1);
}

struct FolderKeys {
    const char* name;
    QList<Qt::Key> keys;
    QString folder;  // under the program folder; empty for the program folder itself
    QStringList files;
};

class MusicSettingsKeys : public ::testing::TestWithParam<FolderKeys> {};

// The arrow keys in the folder tree show the current folder's files, as a click does.
TEST_P(MusicSettingsKeys, TheCurrentFolderShowsItsFiles) {
    const FolderKeys& c = GetParam();
    TestAppDir app;
    for (const char* name : {"Music/a.mid", "Music/b.mid", "Other/c.mid", "Zeta/d.mid"})
        app.write(name, "x");
    const QString expected = QDir::cleanPath(app.path() + "/" + c.folder);
    FakePlatform fake;
    MessageList messages;
    Settings settings;
    settings.MusicDir = app.path() + "/Music";
    OnNextModal<TForm16>([&](TForm16* dialog) {
        auto* tree = dialog->findChild<QTreeView*>("DirectoryListBox1");
        auto* model = static_cast<QFileSystemModel*>(tree->model());
        // The folders load and sort in the background.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return model->rowCount(model->index(app.path())) == 3 &&
                   model->index(app.path() + "/Zeta").row() == 2;
        }));
        tree->setFocus();
        for (Qt::Key key : c.keys) QTest::keyClick(tree, key);
        EXPECT_EQ(model->filePath(tree->currentIndex()), expected);
        auto* list = dialog->findChild<QListWidget*>("FileListBox1");
        QStringList files;
        for (int i = 0; i < list->count(); ++i) files << list->item(i)->text();
        EXPECT_EQ(files, c.files);
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    TForm16 dialog(messages, app.path(), app.path(), {}, settings, *fake.openFileDialog,
                   *fake.messageBoxes);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Directory(), expected);
    EXPECT_EQ(dialog.SelectedFile(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MusicSettingsKeys,
    ::testing::Values(FolderKeys{"Down", {Qt::Key_Down}, "Other", {"c.mid"}},
                      FolderKeys{"DownDown", {Qt::Key_Down, Qt::Key_Down}, "Zeta", {"d.mid"}},
                      FolderKeys{"DownUp", {Qt::Key_Down, Qt::Key_Up}, "Music", {"a.mid", "b.mid"}},
                      FolderKeys{"UpToTheParent", {Qt::Key_Up}, "", {}}),
    RowName());

}  // namespace
