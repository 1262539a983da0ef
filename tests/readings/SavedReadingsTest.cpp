// Saving, opening and entering readings through the real main window.
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest/QTest>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "i18n/SelLang.h"
#include "readings/CommForm.h"
#include "readings/ReadingFile.h"
#include "readings/SavedReadings.h"
#include "readings/WarnForm.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "spreads/SpreadFile.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

class SavedReadingsTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSpread("Question", 2, {{false, 10, 10, "Now"}, {false, 120, 10, "Then"}});
        writeSpread("Three", 3,
                    {{true, 10, 10, "You"}, {false, 120, 10, "Past"}, {false, 230, 10, "Next"}});
        fake.settingsKey->values["cutdeck"] = "no";
        fake.settingsKey->values["drawauto"] = "yes";
        fake.settingsKey->values["UseReverse"] = "yes";
    }

    void start(const QString& deck = "Ardentine", bool majorOnly = false) {
        fake.settingsKey->values["DeckName"] = deck;
        fake.settingsKey->values["MajorOnly"] = majorOnly ? "yes" : "no";
        open();
    }
    TForm9* commentsWindow() { return &form->savedReadings().CommentsWindow(); }

    // Deals a complete reading of the spread automatically, choosing card 60 for the
    // significator of "Three".
    void deal(const QString& spread) {
        ChooseSpread(spread);
        // No dialog may wait for a card list that never comes: it would answer a later one.
        if (spread == "Three") ChooseCard(60);
        form->menu().SelectlayoutF12->trigger();
        shuffle(2);
    }

    // Saves through the comments dialog (act on it) and a save dialog that answers `path`.
    void save(const std::function<void(TForm9*)>& act, const std::optional<QString>& path) {
        fake.fileDialogs->answers = {path};
        OnNextModal<TForm9>(act);
        form->menu().Savecurrentreading1->trigger();
    }
    static void TypeTwoLines(TForm9* dialog) {
        QTest::keyClicks(dialog->Memo1(), "first");
        QTest::keyClick(dialog->Memo1(), Qt::Key_Return);
        QTest::keyClicks(dialog->Memo1(), "second");
        dialog->Button1()->click();
    }
    void openFile(const QString& path) {
        fake.fileDialogs->answers = {path};
        form->menu().Openreading1->trigger();
    }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        app.write("Saved/" + name, bytes);
        return app.path() + "/Saved/" + name;
    }

    // A reading of the spread with a deck of n cards in order, every fifth one reversed, and
    // the cards of slots 3 and 7 on its two positions.
    static ReadingRecord Reading(int n, const QString& spread) {
        ReadingRecord reading{true, n, spread, {}, {}, "note"};
        for (int i = 0; i < n; ++i) reading.deck.append({i == 22 && n == 23 ? 78 : i, i % 5 == 0});
        reading.positions = {reading.deck[3].card, reading.deck[7].card};
        return reading;
    }
    // The same reading in the older format: no marker, no deck count.
    static QByteArray Older(const ReadingRecord& reading) {
        QByteArray body = ScrambleText(EncodeReading(reading).mid(15));
        return ScrambleText(body.mid(body.indexOf('\n') + 1));
    }

    // The deck in play and the cards on the positions, "r" before a reversed card.
    std::string cards() {
        const ReadingModel& r = form->reading();
        QStringList deck;
        for (int i = 0; i < r.DeckSize; ++i)
            deck.append((r.Deck()[i].Reversed ? "r" : "") + QString::number(r.Deck()[i].Number));
        QStringList positions;
        for (int k = 0; k < r.Parser.PosCount(); ++k)
            positions.append((r.Parser.PosReversed(k) ? "r" : "") +
                             QString::number(r.Parser.PosCard(k)));
        return (r.SpreadName() + ": " + deck.join(' ') + " | " + positions.join(' ')).toStdString();
    }
    // Everything an open may change, to tell that a refused one changed nothing.
    std::string state() {
        return cards() + QString(" | major %1 | %2 | %3%4")
                             .arg(form->program().settings.MajorOnly)
                             .arg(form->reading().CurrentPrompt(),
                                  commentsWindow()->Memo1()->toPlainText(),
                                  commentsWindow()->isVisible() ? " shown" : "")
                             .toStdString();
    }
};

TEST_F(SavedReadingsTest, ASavedReadingOpensAsItLay) {
    start();
    deal("Three");
    // The shuffle after the significator was chosen may turn its slot either way: the card
    // keeps its own orientation in the file.
    ReadingModel& model = const_cast<ReadingModel&>(form->reading());
    int significator = 0;
    while (model.Deck()[significator].Number != 60) ++significator;
    model.Deck()[significator].Reversed = model.Parser.PosReversed(0);
    const std::string dealt = cards();
    model.Deck()[significator].Reversed = !model.Parser.PosReversed(0);
    const QString path = app.path() + "/Saved/a.reading";
    save(TypeTwoLines, path);
    ASSERT_EQ(fake.fileDialogs->saved.size(), 1);
    const FileDialogRequest& request = fake.fileDialogs->saved[0];
    EXPECT_EQ(request.fileName, "09.12.2026 - Three");
    EXPECT_EQ(request.directory, app.path() + "/Saved/");
    EXPECT_EQ(request.filter, "Reading files (*.reading)");
    EXPECT_EQ(request.defaultSuffix, "reading");
    EXPECT_EQ(form->reading().ReadingComments, "first\r\nsecond");

    // A reading kept in a file gives way without a question; one never saved asks first.
    deal("Question");
    EXPECT_TRUE(fake.messageBoxes->asked.isEmpty());
    fake.messageBoxes->answers = {QMessageBox::Ok};
    openFile(path);
    EXPECT_EQ(fake.messageBoxes->asked, QStringList({form->program().Messages[139]}));
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty())
        << fake.messageBoxes->shown.join('|').toStdString();
    EXPECT_EQ(cards(), dealt);
    EXPECT_EQ(form->reading().CurrentPrompt(), form->program().Messages[116]);
    EXPECT_EQ(commentsWindow()->Memo1()->toPlainText(), "first\nsecond");
    EXPECT_TRUE(commentsWindow()->isVisible());
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(form->reading().Parser.PosFaceUp(k)) << k;
    // Another language retitles the open comments window at once.
    OnNextModal<TForm20>([](TForm20* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems("Russian", Qt::MatchContains).value(0));
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    form->menu().Language1->trigger();
    EXPECT_EQ(commentsWindow()->windowTitle(), "Комментарии");
    EXPECT_EQ(commentsWindow()->Button1()->text(), "ОК");

    // Complete at once: it saves again; "No comments" saves an empty comment, which hides the
    // comments window when opened.
    save([](TForm9* d) { d->Button2()->click(); }, app.path() + "/Saved/b.reading");
    openFile(app.path() + "/Saved/b.reading");
    EXPECT_TRUE(commentsWindow()->isHidden());
    EXPECT_EQ(form->reading().ReadingComments, "");
}

TEST_F(SavedReadingsTest, TheCommentIsKeptWhateverTheFileDialogSays) {
    start("Velmar Dav Izove");
    deal("Question");
    struct Row {
        const char* name;
        std::function<void(TForm9*)> act;
        std::optional<QString> path;
        QString comment;
        QStringList messages;
    };
    const Row rows[] = {
        {"typed, then the save dialog cancelled",
         TypeTwoLines,
         std::nullopt,
         "first\r\nsecond",
         {}},
        {"Esc in the memo",
         [](TForm9* d) { QTest::keyClick(d->Memo1(), Qt::Key_Escape); },
         std::nullopt,
         "",
         {}},
        {"the dialog closed", [](TForm9* d) { d->close(); }, std::nullopt, "", {}},
        {"a folder that is not there",
         TypeTwoLines,
         app.path() + "/none/x.reading",
         "first\r\nsecond",
         {"Could not write in a file."}},
    };
    for (const Row& row : rows) {
        fake.messageBoxes->shown.clear();
        save(row.act, row.path);
        EXPECT_EQ(form->reading().ReadingComments, row.comment) << row.name;
        EXPECT_EQ(fake.fileDialogs->saved.last().fileName,
                  "09.12.2026 -Velmar Dav Izove- Question");
        // The reason follows on a second line.
        QStringList firstLines;
        for (const QString& message : fake.messageBoxes->shown)
            firstLines.append(message.section('\n', 0, 0));
        EXPECT_EQ(firstLines, row.messages) << row.name;
    }
    // Nothing was saved: closing the program asks, and Cancel keeps it open.
    form->close();
    EXPECT_EQ(fake.messageBoxes->asked, QStringList({form->program().Messages[139]}));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(SavedReadingsTest, OpeningFollowsTheFileOrRefusesIt) {
    struct Row {
        const char* name;
        QString deck;
        bool majorOnly;
        QByteArray bytes;
        int deckSize;  // 0: refused, the table unchanged
        QString message;
    };
    const QString question = "Question";
    const Row rows[] = {
        {"older format", "Ardentine", true, Older(Reading(78, question)), 78, ""},
        {"22 cards on the whole deck", "Ardentine", false, EncodeReading(Reading(22, question)), 22,
         ""},
        {"23 cards", "Velmar Dav Izove", false, EncodeReading(Reading(23, question)), 23, ""},
        {"78 cards on a 79-card deck", "Velmar Dav Izove", true,
         EncodeReading(Reading(78, question)), 79, ""},
        {"name in other case", "Ardentine", false, EncodeReading(Reading(78, "qUESTION")), 78, ""},
        {"unknown spread", "Ardentine", false, EncodeReading(Reading(78, "Nowhere")), 0,
         "This reading uses a spread that is not installed: 'Nowhere'."},
        {"79 cards on a 78-card deck", "Ardentine", false, EncodeReading(Reading(79, question)), 0,
         "warning"},
        {"23 cards on a 78-card deck", "Ardentine", true, EncodeReading(Reading(23, question)), 0,
         "warning"},
    };
    for (const Row& row : rows) {
        start(row.deck, row.majorOnly);
        deal("Three");
        const std::string before = state();
        fake.messageBoxes->answers = {QMessageBox::Ok};
        fake.messageBoxes->shown.clear();
        QString warning;
        if (row.message == "warning")
            OnNextModal<TForm14>([&](TForm14* d) {
                warning = d->Label1()->text();
                d->Button1()->click();
            });
        openFile(writeFile("r.reading", row.bytes));
        if (row.deckSize == 0) {
            EXPECT_EQ(state(), before) << row.name;
            EXPECT_EQ(row.message == "warning" ? warning : fake.messageBoxes->shown.value(0),
                      row.message == "warning"
                          ? form->program().Messages[106] + " " + form->program().Messages[107]
                          : row.message)
                << row.name;
            continue;
        }
        EXPECT_TRUE(fake.messageBoxes->shown.isEmpty()) << row.name;
        const bool major = row.deckSize < 25;
        EXPECT_EQ(form->reading().SpreadName(), question) << row.name;
        EXPECT_EQ(form->reading().DeckSize, row.deckSize) << row.name;
        EXPECT_EQ(form->program().settings.MajorOnly, major) << row.name;
        EXPECT_EQ(form->menu().MajorArcanaonly1->isChecked(), major) << row.name;
        EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(),
                  major ? form->program().Messages[115] : "")
            << row.name;
        // Slots past the file's deck carry card 78.
        const ReadingRecord file = Reading(std::min(row.deckSize, 78), question);
        QStringList deck;
        for (int i = 0; i < row.deckSize; ++i)
            deck.append(i < file.deckSize ? (file.deck[i].reversed ? "r" : "") +
                                                QString::number(file.deck[i].card)
                                          : "78");
        const QString positions = deck[3] + " " + deck[7];
        EXPECT_EQ(cards(), ("Question: " + deck.join(' ') + " | " + positions).toStdString())
            << row.name;
        // The arc lies ready, less the two cards dealt.
        int onTable = 0;
        for (int i = 0; i < form->reading().DeckSize; ++i)
            onTable += form->reading().Deck()[i].X > 0 ? 1 : 0;
        EXPECT_EQ(onTable, row.deckSize - 2) << row.name;
        EXPECT_EQ(commentsWindow()->Memo1()->toPlainText(), "note") << row.name;
        // Its printouts carry its own comment.
        EXPECT_EQ(form->reading().ReadingComments, "note") << row.name;
    }
}

TEST_F(SavedReadingsTest, HostileFilesChangeNothing) {
    start("Velmar Dav Izove");
    openFile(writeFile("good.reading", EncodeReading(Reading(79, "Question"))));
    const std::string before = state();
    ASSERT_TRUE(commentsWindow()->isVisible());
    ::mkfifo(QFile::encodeName(app.path() + "/Saved/fifo.reading").constData(), 0600);
    QDir().mkpath(app.path() + "/Saved/folder.reading");
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const QByteArray good = EncodeReading(Reading(79, "Question"));
    QByteArray uncarried = "79\r\nQuestion\r\n";
    for (int j = 0; j < 79; ++j) uncarried += "0\r\n";
    uncarried += "5\r\n6\r\n";
    const QString unreadable = "Could not read from file.";
    const QString noFile = "No such file!\n*";  // the reason on the second line
    const struct {
        const char* name;
        QString path;
        QString message;  // "*": some message
    } rows[] = {
        {"empty file", writeFile("empty.reading", ""), ""},
        {"random bytes", writeFile("random.reading", random), "*"},
        {"truncated", writeFile("cut.reading", good.left(good.size() / 2)), unreadable},
        {"a count of 200",
         writeFile("200.reading", "!updatedformat!" + ScrambleText("200\r\nQuestion\r\n")),
         unreadable},
        {"one huge line", writeFile("huge.reading", "!updatedformat!" + QByteArray(5 << 20, 'x')),
         unreadable},
        {"too large", writeFile("large.reading", QByteArray(kMaxReadingFileSize + 1, 'x')),
         unreadable},
        {"a card no slot carries",
         writeFile("uncarried.reading", "!updatedformat!" + ScrambleText(uncarried)), unreadable},
        {"a FIFO", app.path() + "/Saved/fifo.reading", noFile},
        {"a folder", app.path() + "/Saved/folder.reading", noFile},
        {"no file", app.path() + "/Saved/none.reading", noFile},
    };
    for (const auto& row : rows) {
        fake.messageBoxes->shown.clear();
        openFile(row.path);
        EXPECT_EQ(state(), before) << row.name;
        if (QString(row.message) == "*")
            EXPECT_EQ(fake.messageBoxes->shown.size(), 1) << row.name;
        else if (row.message == noFile)
            EXPECT_TRUE(fake.messageBoxes->shown.join('|').contains(
                QRegularExpression("^No such file!\n[^\n]+$")))
                << row.name;
        else
            EXPECT_EQ(fake.messageBoxes->shown.join('|'), row.message) << row.name;
    }
}

// A comment of one line as long as the largest file allows opens at once, shows a bounded part
// and stays whole in the reading.
TEST_F(SavedReadingsTest, AHugeOneLineCommentOpensQuicklyAndIsKeptWhole) {
    start();
    ReadingRecord reading = Reading(78, "Question");
    reading.comment = "";
    const qsizetype room = kMaxReadingFileSize - EncodeReading(reading).size();
    reading.comment = QString(room, 'x');
    const QByteArray bytes = EncodeReading(reading);
    ASSERT_EQ(bytes.size(), kMaxReadingFileSize);
    openFile(writeFile("huge.reading", bytes));
    EXPECT_EQ(form->reading().ReadingComments.size(), room);
    const QString shown = commentsWindow()->Memo1()->toPlainText();
    EXPECT_LT(shown.size(), 30000);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026)));

    // The print settings and the web page take the whole comment from the reading.
    EXPECT_TRUE(form->reading().Snapshot().comment == reading.comment);
}

TEST_F(SavedReadingsTest, ManualInputFillsPositionsInAnyOrder) {
    start();
    openFile(writeFile("good.reading", EncodeReading(Reading(78, "Question"))));
    ASSERT_TRUE(commentsWindow()->isVisible());
    int opened = 0;
    QObject::connect(&form->savedReadings(), &SavedReadings::readingOpened, [&] { ++opened; });
    OnNextModal<TForm2>([](TForm2* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Select spread for manual input");
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems("Three", Qt::MatchExactly).value(0));
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    form->menu().Input1->trigger();
    EXPECT_TRUE(form->reading().ManualInput());
    EXPECT_TRUE(commentsWindow()->isHidden());
    EXPECT_EQ(form->reading().CurrentPrompt(), form->program().Messages[75]);
    EXPECT_EQ(opened, 0);

    // The arc deals nothing.
    const TCard top = form->reading().Deck()[form->reading().DeckSize - 1];
    clickTable({top.X + 5, top.Y + 5});
    EXPECT_EQ(form->reading().Deck()[form->reading().DeckSize - 1].X, top.X);
    EXPECT_EQ(form->reading().NextPosition(), 0);

    // Position 2, then 0; a cancelled list leaves 1 empty until it is chosen.
    const auto choose = [&](int position, int card) {
        OnNextModal<TForm11>([card](TForm11* dialog) {
            if (card < 0) return dialog->Button2()->click();
            dialog->ClickQuer(card);
            dialog->Button1()->click();
        });
        QTest::mouseClick(form->view().PositionImage(position), Qt::LeftButton);
    };
    choose(2, 40);
    // The last position holds a card, the others not: Save and Print refuse the reading.
    fake.messageBoxes->shown.clear();
    form->menu().Savecurrentreading1->trigger();
    form->menu().Print1->trigger();
    EXPECT_EQ(fake.messageBoxes->shown, QStringList(2, form->program().Messages[92]));
    choose(0, 41);
    choose(1, -1);
    EXPECT_FALSE(form->reading().Parser.PosPlaced(1));
    EXPECT_TRUE(form->reading().ManualInput());
    choose(1, 42);
    EXPECT_EQ(form->reading().Parser.PosCard(0), 41);
    EXPECT_EQ(form->reading().Parser.PosCard(1), 42);
    EXPECT_EQ(form->reading().CurrentPrompt(), "Spread completed");
    EXPECT_FALSE(form->reading().ManualInput());
    EXPECT_TRUE(fake.messageBoxes->asked.isEmpty());

    // Complete and never saved: each command that would replace it asks, Cancel keeps it.
    const std::string entered = state();
    const std::function<void()> commands[] = {[&] { form->menu().SelectlayoutF12->trigger(); },
                                              [&] { form->menu().Openreading1->trigger(); },
                                              [&] { form->menu().Input1->trigger(); },
                                              [&] { form->close(); }};
    for (const auto& command : commands) command();
    EXPECT_EQ(fake.messageBoxes->asked.size(), 4);
    EXPECT_EQ(state(), entered);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fake.fileDialogs->opened.size() == 1);
}

}  // namespace
