// The program as installed: this build tree installed into a temporary DESTDIR under /usr, run
// with a temporary HOME.
#include <QAction>
#include <QDirIterator>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "editor/EditForm.h"
#include "fakes/FakePlatform.h"
#include "platform/WholeFile.h"
#include "readings/CommForm.h"
#include "readings/ReadingFile.h"
#include "readings/SavedReadings.h"
#include "spreads/SelectSp.h"
#include "support/ModalDialog.h"

namespace {

// Every file under a folder with its size and time, to tell whether anything was written.
QStringList Listing(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        files.append(info.filePath() + " " + QString::number(info.size()) + " " +
                     info.lastModified().toString(Qt::ISODateWithMs));
    }
    files.sort();
    return files;
}

class InstalledProgramTest : public ::testing::Test {
protected:
    QTemporaryDir destdir;
    QTemporaryDir home;
    QTemporaryDir outside;
    QString program = destdir.path() + "/usr/bin/tarot";
    QString reading = outside.filePath("Question.reading");

    void SetUp() override {
        QProcess install;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DESTDIR", destdir.path());
        install.setProcessEnvironment(environment);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(LUMENFOLD_CMAKE, {"--install", LUMENFOLD_BUILD_DIR, "--prefix", "/usr"});
        ASSERT_TRUE(install.waitForFinished(120000));
        ASSERT_EQ(install.exitCode(), 0) << install.readAll().toStdString();

        // Only HOME says where the user's files go.
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            saved_.append({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv("HOME", home.path().toLocal8Bit());
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"})
            qunsetenv(name);

        // Question: a significator and four positions; cards 40 and 77 lie reversed.
        ReadingRecord record;
        record.deckSize = 78;
        record.spreadName = "Question";
        for (int card = 0; card < 78; ++card) record.deck.append({card, card == 40 || card == 77});
        record.positions = {12, 40, 3, 77, 0};
        record.comment = "A question of moving house.";
        ASSERT_TRUE(WriteWholeFile(reading, EncodeReading(record)));
    }
    void TearDown() override {
        for (const Variable& variable : saved_)
            variable.set ? qputenv(variable.name, variable.value) : qunsetenv(variable.name);
    }
    // Runs the installed program to its end; its standard output.
    QString Run(const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000)) << arguments.join(' ').toStdString();
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private:
    struct Variable {
        const char* name;
        QByteArray value;
        bool set;
    };
    QList<Variable> saved_;
};

TEST_F(InstalledProgramTest, LaysOutTheReadingNamedOnItsCommandLine) {
    // The version is told without a display.
    QProcessEnvironment textOnly = QProcessEnvironment::systemEnvironment();
    textOnly.insert("QT_QPA_PLATFORM", "xcb");
    textOnly.remove("DISPLAY");
    EXPECT_EQ(Run({"--version"}, textOnly), QString("Lumenfold %1\n").arg(LUMENFOLD_VERSION));
    EXPECT_EQ(Run({"--print-table", reading}),
              "spread Question\n"
              "S 12 upright face\n"
              "1 40 reversed face\n"
              "2 3 upright face\n"
              "3 77 reversed face\n"
              "4 0 upright face\n");
}

TEST_F(InstalledProgramTest, WhatTheUserMakesGoesUnderHomeAndNothingIntoThePrefix) {
    const QStringList installed = Listing(destdir.path());
    FakePlatform fake;
    fake.settingsKey->values["language"] = "English";
    TForm1 form(fake.platform, program);
    form.show();
    const QString userData = form.program().Places.UserData();
    ASSERT_TRUE(form.program().Places.Installed());
    ASSERT_TRUE(userData.startsWith(home.path() + "/")) << userData.toStdString();

    // A bundled spread, edited and saved, becomes the user's; the catalogue lists it once.
    OnNextModal<TForm2>([](TForm2* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems("Question", Qt::MatchExactly).value(0));
        OnNextModal<TForm5>(
            [](TForm5* editor) { editor->findChild<QToolButton*>("SpeedButton4")->click(); });
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    form.menu().Editspread1->trigger();
    EXPECT_TRUE(QFileInfo::exists(userData + "/Spreads/Question.spread"));
    EXPECT_EQ(form.program().SpreadList.count("Question"), 1);

    ASSERT_TRUE(form.savedReadings().OpenReading(reading));
    fake.fileDialogs->answers = {userData + "/Saved/mine.reading"};
    OnNextModal<TForm9>([](TForm9* dialog) { dialog->Button1()->click(); });
    form.menu().Savecurrentreading1->trigger();
    ASSERT_EQ(fake.fileDialogs->saved.size(), 1);
    EXPECT_EQ(fake.fileDialogs->saved[0].directory, userData + "/Saved/");
    EXPECT_TRUE(QFileInfo::exists(userData + "/Saved/mine.reading"));

    form.close();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty())
        << fake.messageBoxes->shown.join('\n').toStdString();
    EXPECT_EQ(Listing(destdir.path()), installed);
}

}  // namespace
