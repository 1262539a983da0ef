// Saving, opening and entering readings through the real main window.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "platform/WholeFile.h"
#include "readings/CommForm.h"
#include "readings/ReadingFile.h"
#include "readings/WarnForm.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"

namespace {

// What an open may change, to tell that a refused one changed nothing.
struct TableState {
    QString spread;
    int deckSize;
    QList<int> deck;
    QList<int> positions;
    bool majorOnly;
    QString prompt;
    QString comment;
    bool commentShown;
    bool operator==(const TableState&) const = default;
};

void PrintTo(const TableState& s, std::ostream* out) {
    QStringList deck;
    for (int card : s.deck) deck.append(QString::number(card));
    QStringList positions;
    for (int card : s.positions) positions.append(QString::number(card));
    *out << QString("%1, %2 cards [%3], positions [%4], major %5, prompt '%6', comment '%7'%8")
                .arg(s.spread)
                .arg(s.deckSize)
                .arg(deck.join(' '), positions.join(' '))
                .arg(s.majorOnly)
                .arg(s.prompt, s.comment, s.commentShown ? " shown" : "")
                .toStdString();
}

class SavedReadingsTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    std::unique_ptr<TForm1> form;

    void SetUp() override {
        app.linkBundled("Pics");
        app.linkBundled("Langs");
        QDir().mkpath(app.path() + "/Spreads");
        WriteSpreadFile(app.path() + "/Spreads/Question.spread", 2,
                        {{false, 10, 10, "Now"}, {false, 120, 10, "Then"}});
        WriteSpreadFile(
            app.path() + "/Spreads/Three.spread", 3,
            {{true, 10, 10, "You"}, {false, 120, 10, "Past"}, {false, 230, 10, "Next"}});
        fake.settingsKey->values["language"] = "English";
        fake.settingsKey->values["cutdeck"] = "no";
        fake.settingsKey->values["drawauto"] = "yes";
        fake.settingsKey->values["UseReverse"] = "yes";
    }

    void start(const QString& deck = "Ardentine", bool majorOnly = false) {
        fake.settingsKey->values["DeckName"] = deck;
        fake.settingsKey->values["MajorOnly"] = majorOnly ? "yes" : "no";
        form = std::make_unique<TForm1>(fake.platform, app.programPath());
        form->show();
    }
    QAction* item(const char* name) { return form->menu().item(name); }
    TForm9* commentsWindow() { return form->findChild<TForm9*>("CommentsWindow"); }

    // Deals a complete reading of the spread automatically, choosing card 60 for a significator.
    void deal(const QString& spread) {
        OnNextModal<TForm2>([spread](TForm2* dialog) {
            auto* list = dialog->findChild<QListWidget*>("ListBox1");
            list->setCurrentItem(list->findItems(spread, Qt::MatchExactly).value(0));
            dialog->findChild<QPushButton*>("Button1")->click();
        });
        OnNextModal<TForm11>([](TForm11* dialog) {
            dialog->ClickQuer(60);
            dialog->Button1()->click();
        });
        item("SelectlayoutF12")->trigger();
        fake.pacer->onWait = [this] {
            if (fake.pacer->frames >= 2 && form->Shuffling)
                form->findChild<QToolButton*>("SpeedButton2")->click();
        };
        form->findChild<QToolButton*>("SpeedButton1")->click();
        fake.pacer->onWait = nullptr;
    }

    // Saves through the comments dialog (act on it) and a save dialog that answers `path`.
    void save(const std::function<void(TForm9*)>& act, const std::optional<QString>& path) {
        fake.fileDialogs->answers = {path};
        OnNextModal<TForm9>(act);
        item("Savecurrentreading1")->trigger();
    }
    static void TypeTwoLines(TForm9* dialog) {
        QTest::keyClicks(dialog->Memo1(), "first");
        QTest::keyClick(dialog->Memo1(), Qt::Key_Return);
        QTest::keyClicks(dialog->Memo1(), "second");
        dialog->Button1()->click();
    }
    void openFile(const QString& path) {
        fake.fileDialogs->answers = {path};
        item("Openreading1")->trigger();
    }
    QString writeFile(const QString& name, const QByteArray& bytes) {
        app.write("Saved/" + name, bytes);
        return app.path() + "/Saved/" + name;
    }

    TableState state() {
        TableState s{form->SpreadName,
                     form->DeckSize,
                     {},
                     {},
                     form->settings.MajorOnly,
                     form->CurrentPrompt,
                     commentsWindow()->Memo1()->toPlainText(),
                     commentsWindow()->isVisible()};
        for (int i = 0; i < form->DeckSize; ++i)
            s.deck.append(form->Deck[i].Number * (form->Deck[i].Reversed ? -1 : 1));
        for (int k = 0; k < form->Parser.PosCount; ++k) s.positions.append(form->Parser.PosCard[k]);
        return s;
    }
};

TEST_F(SavedReadingsTest, ASavedReadingOpensAsItLay) {
    start();
    deal("Three");
    const TableState dealt = state();
    const QString path = app.path() + "/Saved/a.reading";
    save(TypeTwoLines, path);
    ASSERT_EQ(fake.fileDialogs->saved.size(), 1);
    const FileDialogRequest& request = fake.fileDialogs->saved[0];
    EXPECT_EQ(request.fileName, "09.12.2026 - Three");
    EXPECT_EQ(request.directory, app.path() + "/Saved/");
    EXPECT_EQ(request.filter, "Reading files (*.reading)");
    EXPECT_EQ(request.defaultSuffix, "reading");
    EXPECT_EQ(form->ReadingComments, "first\nsecond");

    // A reading kept in a file gives way without a question; one never saved asks first.
    deal("Question");
    EXPECT_TRUE(fake.messageBoxes->asked.isEmpty());
    fake.messageBoxes->answers = {QMessageBox::Ok};
    openFile(path);
    EXPECT_EQ(fake.messageBoxes->asked, QStringList({form->Messages[139]}));
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty())
        << fake.messageBoxes->shown.join('|').toStdString();
    TableState opened = dealt;
    opened.prompt = form->Messages[116];
    opened.comment = "first\nsecond";
    opened.commentShown = true;
    EXPECT_EQ(state(), opened);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(form->Parser.PosFaceUp[k]) << k;

    // Complete at once: it saves again; "No comments" gives an empty comment.
    save([](TForm9* d) { d->Button2()->click(); }, app.path() + "/Saved/b.reading");
    const ReadingHead head =
        DecodeReadingHead(*ReadRegularFile(app.path() + "/Saved/b.reading", 1 << 20));
    EXPECT_EQ(DecodeReadingBody(head, 3)->comment, "");
    openFile(app.path() + "/Saved/b.reading");
    EXPECT_TRUE(commentsWindow()->isHidden());
    EXPECT_EQ(form->ReadingComments, "");
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
        {"typed, then the save dialog cancelled", TypeTwoLines, std::nullopt, "first\nsecond", {}},
        {"Esc in the memo",
         [](TForm9* d) { QTest::keyClick(d->Memo1(), Qt::Key_Escape); },
         std::nullopt,
         "",
         {}},
        {"the dialog closed", [](TForm9* d) { d->close(); }, std::nullopt, "", {}},
        {"a folder that is not there",
         TypeTwoLines,
         app.path() + "/none/x.reading",
         "first\nsecond",
         {"Could not write in a file."}},
    };
    for (const Row& row : rows) {
        fake.messageBoxes->shown.clear();
        save(row.act, row.path);
        EXPECT_EQ(form->ReadingComments, row.comment) << row.name;
        EXPECT_EQ(fake.fileDialogs->saved.last().fileName,
                  "09.12.2026 -Velmar Dav Izove- Question");
        EXPECT_EQ(fake.messageBoxes->shown, row.messages) << row.name;
    }
    // Nothing was saved: closing the program asks, and Cancel keeps it open.
    form->close();
    EXPECT_EQ(fake.messageBoxes->asked, QStringList({form->Messages[139]}));
    EXPECT_TRUE(form->isVisible());
}

}  // namespace
