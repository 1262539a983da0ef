// The reading journal through the real main window, on a folder of readings made with
// tarotfile.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "platform/WholeFile.h"
#include "readings/JournalIndex.h"
#include "readings/JournalWindow.h"
#include "support/MainWindowTest.h"

namespace {

class JournalTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSpread("Question", 2, {{false, 10, 10, "Now"}, {false, 120, 10, "Then"}});
        writeSpread("Three", 3,
                    {{true, 10, 10, "You"}, {false, 120, 10, "Past"}, {false, 230, 10, "Next"}});
        fake.settingsKey->values["DeckName"] = "Ardentine";
        writeReading("a.reading", "Question", {{0, false}, {29, true}},
                     "Journey begins\r\nsecond line", Day(3));
        writeReading("old/b.reading", "Three", {{58, false}, {1, false}, {22, false}},
                     "=Money worries", Day(2));
        writeReading("c.reading", "Question", {{40, false}, {0, true}}, "", Day(1));
        app.write("Saved/broken.reading", "not a reading");
        Date(app.path() + "/Saved/broken.reading", Day(0));
        open();
    }

    static QDateTime Day(int day) { return QDateTime(QDate(2026, 1, 1).addDays(day - 1), {12, 0}); }
    static void Date(const QString& path, const QDateTime& when) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }

    // Saved/<name>, made by `tarotfile reading encode`: a deck of the 78 cards in order, the
    // reversed positions' cards reversed in it.
    void writeReading(const QString& name, const QString& spread, const QList<JournalCard>& cards,
                      const QString& comment, const QDateTime& when) {
        QJsonArray deck;
        for (int card = 0; card < 78; ++card) {
            bool reversed = false;
            for (const JournalCard& held : cards) reversed |= held.card == card && held.reversed;
            deck.append(QJsonObject{{"card", card}, {"reversed", reversed}});
        }
        QJsonArray positions;
        for (const JournalCard& held : cards) positions.append(held.card);
        const QJsonObject json{
            {"spread", spread}, {"deck", deck}, {"positions", positions}, {"comment", comment}};
        const QString jsonPath = scratch.filePath("reading.json");
        ASSERT_TRUE(WriteWholeFile(jsonPath, QJsonDocument(json).toJson()));
        const QString path = app.path() + "/Saved/" + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QProcess tool;
        tool.start(TAROTFILE_PATH, {"reading", "encode", jsonPath, path});
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        Date(path, when);
    }

    // Opens the journal and waits until its rows show the files.
    JournalWindow* openJournal() {
        form->menu().Journal1->trigger();
        auto* journal = form->findChild<JournalWindow*>("JournalWindow");
        EXPECT_TRUE(journal && journal->isVisible());
        QSignalSpy indexed(journal, &JournalWindow::indexed);
        waitFor(indexed);
        return journal;
    }
    static void waitFor(QSignalSpy& spy) {
        const int before = static_cast<int>(spy.count());
        QDeadlineTimer deadline(20000);
        while (spy.count() == before && !deadline.hasExpired()) spy.wait(50);
        ASSERT_GT(spy.count(), before) << "the journal was not brought up to date";
    }

    template <typename T>
    T* part(JournalWindow* journal, const char* name) {
        return journal->findChild<T*>(name);
    }
    // The shown rows, one column's texts.
    QStringList column(JournalWindow* journal, int column) {
        QAbstractItemModel* model = part<QTableView>(journal, "JournalRows")->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, column).data().toString());
        return texts;
    }
    QStringList comments(JournalWindow* journal) { return column(journal, 4); }

    QTemporaryDir scratch;
};

TEST_F(JournalTest, ListsEveryReadingNewestFirstAndTheDamagedOneGreyed) {
    JournalWindow* journal = openJournal();
    EXPECT_EQ(column(journal, 2), QStringList({"Question", "Three", "Question", ""}));
    EXPECT_EQ(comments(journal), QStringList({"Journey begins", "=Money worries", "", ""}));
    EXPECT_EQ(column(journal, 3).mid(0, 3),
              QStringList({"0. The Fool, Eight of Wands (reversed)",
                           "Nine of Swords, I. The Magician, Ace of Wands",
                           "Five of Cups, 0. The Fool (reversed)"}));
    QAbstractItemModel* model = part<QTableView>(journal, "JournalRows")->model();
    EXPECT_EQ(column(journal, 1)[0],
              form->program().platform.systemInfo->shortDate(QDate(2026, 1, 3)) + " 12:00");
    EXPECT_FALSE(model->index(0, 0).data(Qt::DecorationRole).value<QPixmap>().isNull());
    // The damaged file: greyed, its reason in the cards' column and the tooltip.
    const QString reason = "The file is damaged or is not a reading.";
    EXPECT_EQ(column(journal, 3)[3], reason);
    EXPECT_TRUE(model->index(3, 3).data(Qt::ToolTipRole).toString().startsWith(reason));
    EXPECT_TRUE(model->index(3, 1).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model->index(0, 1).data(Qt::ForegroundRole).isValid());
}

TEST_F(JournalTest, SearchFindsCommentWordsSpreadsAndCardTitlesInBothLanguages) {
    JournalWindow* journal = openJournal();
    const struct {
        const char* typed;
        QStringList found;
    } rows[] = {
        {"journey", {"Journey begins"}},
        {"JOUR", {"Journey begins"}},
        {"Fool", {"Journey begins", ""}},
        {"шут", {"Journey begins", ""}},
        {"ЖЕЗЛОВ", {"Journey begins", "=Money worries"}},
        {"three", {"=Money worries"}},
        {"money fool", {}},
        {"  ,, ", {"Journey begins", "=Money worries", "", ""}},
    };
    for (const auto& row : rows) {
        part<QLineEdit>(journal, "JournalSearch")->setText(QString::fromUtf8(row.typed));
        EXPECT_EQ(comments(journal), row.found) << row.typed;
    }
}

TEST_F(JournalTest, FiltersChooseCardReversedSpreadAndDates) {
    JournalWindow* journal = openJournal();
    auto* card = part<QComboBox>(journal, "JournalCardFilter");
    auto* reversed = part<QCheckBox>(journal, "JournalReversedOnly");
    auto* spread = part<QComboBox>(journal, "JournalSpreadFilter");
    card->setCurrentIndex(card->findData(0));
    EXPECT_EQ(comments(journal), QStringList({"Journey begins", ""}));
    reversed->setChecked(true);
    EXPECT_EQ(comments(journal), QStringList({""}));
    card->setCurrentIndex(0);
    EXPECT_EQ(comments(journal), QStringList({"Journey begins", ""}));
    reversed->setChecked(false);
    spread->setCurrentText("Three");
    EXPECT_EQ(comments(journal), QStringList({"=Money worries"}));
    spread->setCurrentIndex(0);
    part<QDateEdit>(journal, "JournalFrom")->setDate({2026, 1, 2});
    part<QDateEdit>(journal, "JournalTo")->setDate({2026, 1, 3});
    part<QCheckBox>(journal, "JournalBetweenDates")->setChecked(true);
    EXPECT_EQ(comments(journal), QStringList({"Journey begins", "=Money worries"}));
}

TEST_F(JournalTest, StatisticsCountTheCardsOfTheRowsShown) {
    JournalWindow* journal = openJournal();
    const auto tally = [&] {
        auto* table = part<QTableWidget>(journal, "JournalTally");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells.append(table->item(row, column)->text());
            rows.append(cells.join(" | "));
        }
        return rows;
    };
    EXPECT_EQ(tally(), QStringList({"0. The Fool | 1 | 1 | 2", "I. The Magician | 1 | 0 | 1",
                                    "Ace of Wands | 1 | 0 | 1", "Eight of Wands | 0 | 1 | 1",
                                    "Five of Cups | 1 | 0 | 1", "Nine of Swords | 1 | 0 | 1"}));
    EXPECT_EQ(part<QLabel>(journal, "JournalShares")->text(),
              "Major Arcana 42.9%, Wands 28.6%, Cups 14.3%, Swords 14.3%, Pentacles 0.0% of 7 "
              "cards.");
    // The chart comes from the chart plugin, not the label that stands in for it.
    EXPECT_STREQ(part<QWidget>(journal, "JournalChart")->metaObject()->className(), "QtBarChart");
    part<QLineEdit>(journal, "JournalSearch")->setText("money");
    EXPECT_EQ(tally(), QStringList({"I. The Magician | 1 | 0 | 1", "Ace of Wands | 1 | 0 | 1",
                                    "Nine of Swords | 1 | 0 | 1"}));
}

TEST_F(JournalTest, OpeningARowLaysTheReadingOnTheTable) {
    // A finished reading that was never saved lies on the table.
    fake.settingsKey->values["cutdeck"] = "no";
    fake.settingsKey->values["drawauto"] = "yes";
    form.reset();
    open();
    ChooseSpread("Question");
    form->menu().SelectlayoutF12->trigger();
    shuffle(2);
    ASSERT_TRUE(form->reading().Complete());

    JournalWindow* journal = openJournal();
    fake.messageBoxes->answers = {QMessageBox::Cancel, QMessageBox::Ok};
    journal->OpenRow(1);
    EXPECT_EQ(fake.messageBoxes->asked.size(), 1);
    EXPECT_EQ(form->reading().Snapshot().spreadName, "Question");
    journal->OpenRow(1);
    EXPECT_EQ(fake.messageBoxes->asked.size(), 2);
    const ReadingSnapshot reading = form->reading().Snapshot();
    EXPECT_EQ(reading.spreadName, "Three");
    QList<int> cards;
    for (const ReadingSnapshot::Position& position : reading.positions) cards.append(position.card);
    EXPECT_EQ(cards, QList<int>({58, 1, 22}));
    EXPECT_EQ(reading.comment, "=Money worries");
    EXPECT_FALSE(journal->isVisible());
    // The damaged file gets Open's own message, and the table stays as it was.
    journal->OpenRow(3);
    EXPECT_EQ(fake.messageBoxes->shown, QStringList({"Could not read from file."}));
    EXPECT_EQ(form->reading().Snapshot().spreadName, "Three");
}

TEST_F(JournalTest, ACacheFolderThatCannotHoldTheIndexIsReported) {
    form.reset();
    app.write("Cache", "a file where the folder should be");
    open();
    JournalWindow* journal = openJournal();
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(fake.messageBoxes->shown[0].startsWith(
        "The journal's index could not be made in the cache folder.\n"));
    EXPECT_GT(fake.messageBoxes->shown[0].size(), 60);
    EXPECT_TRUE(comments(journal).isEmpty());
}

TEST_F(JournalTest, FilesAddedChangedAndDeletedBetweenOpeningsAreSeen) {
    JournalWindow* journal = openJournal();
    journal->close();
    writeReading("new/d.reading", "Question", {{5, false}, {6, false}}, "Fresh start", Day(9));
    writeReading("a.reading", "Question", {{0, false}, {29, true}}, "Journey changed", Day(3));
    QFile::remove(app.path() + "/Saved/c.reading");
    journal = openJournal();
    EXPECT_EQ(comments(journal),
              QStringList({"Fresh start", "Journey changed", "=Money worries", ""}));
    part<QLineEdit>(journal, "JournalSearch")->setText("begins");
    EXPECT_TRUE(comments(journal).isEmpty());
}

TEST_F(JournalTest, ACorruptedIndexIsRebuiltSilently) {
    openJournal()->close();
    const QString index = app.path() + "/Cache/journal.sqlite";
    ASSERT_TRUE(QFile::exists(index));
    ASSERT_TRUE(WriteWholeFile(index, QByteArray(4096, '\x5a')));
    JournalWindow* journal = openJournal();
    EXPECT_EQ(comments(journal), QStringList({"Journey begins", "=Money worries", "", ""}));
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
}

TEST_F(JournalTest, ReadingsSavedOrDeletedWhileOpenShowUpAtOnce) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    JournalWindow* journal = openJournal();
    QSignalSpy indexed(journal, &JournalWindow::indexed);
    writeReading("e.reading", "Three", {{2, false}, {3, false}, {4, true}}, "Late one", Day(20));
    waitFor(indexed);
    EXPECT_EQ(comments(journal).value(0), "Late one");

    fake.messageBoxes->answers = {QMessageBox::Cancel, QMessageBox::Ok};
    journal->DeleteRow(0);
    EXPECT_TRUE(QFile::exists(app.path() + "/Saved/e.reading"));
    journal->DeleteRow(0);
    waitFor(indexed);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(QFile::exists(app.path() + "/Saved/e.reading"));
    EXPECT_EQ(QDir(home.path() + "/Trash/files").entryList(QDir::Files),
              QStringList({"e.reading"}));
    EXPECT_EQ(comments(journal).value(0), "Journey begins");
}

TEST_F(JournalTest, CsvExportMatchesTheGoldenFile) {
    JournalWindow* journal = openJournal();
    fake.fileDialogs->answers = {scratch.filePath("journal.csv")};
    journal->ExportCsv();
    EXPECT_EQ(ReadRegularFile(scratch.filePath("journal.csv"), 1 << 20).value_or("missing"),
              ReadRegularFile(LUMENFOLD_JOURNAL_GOLDEN, 1 << 20).value_or("no golden file"));
}

}  // namespace
