#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "decks/CardFace.h"
#include "decks/DeckDirectory.h"
#include "decks/DeckImport.h"
#include "decks/ImportDeckDialog.h"
#include "decks/SelectDk.h"
#include "fakes/FakePlatform.h"
#include "i18n/Msg.h"
#include "platform/ProgramPlaces.h"
#include "support/FullDisk.h"
#include "support/LanguageData.h"
#include "support/ModalDialog.h"
#include "support/RowName.h"
#include "support/TestAppDir.h"

namespace {

// The colour a test picture of card `card` is filled with, so the written deck shows where
// each picture went.
QColor CardColour(int card) { return QColor(card * 3, 255 - card * 3, (card * 7) % 256); }

// The cards of the deck folder that the deck loader cannot read or that show another card.
QList<int> WrongCards(const QString& deck, int count) {
    QList<int> wrong;
    for (int card = 0; card < count; ++card) {
        const QImage face = LoadCardFace(CardFacePath(deck, card), {20, 30}, false);
        const QColor seen = face.isNull() ? QColor() : face.pixelColor(10, 15);
        const QColor wanted = CardColour(card);
        if (face.isNull() || std::abs(seen.red() - wanted.red()) > 8 ||
            std::abs(seen.green() - wanted.green()) > 8 ||
            std::abs(seen.blue() - wanted.blue()) > 8)
            wrong.append(card);
    }
    return wrong;
}

// Writes one picture per name into the folder, name i filled with the colour of card i.
void WritePictures(const QString& folder, const QStringList& names, QSize size = {16, 28}) {
    QDir().mkpath(folder);
    for (int card = 0; card < names.size(); ++card) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(CardColour(card));
        picture.save(folder + "/" + names[card]);
    }
}

QStringList NumberedNames(int count) {
    QStringList names;
    for (int i = 0; i < count; ++i) names.append(QStringLiteral("IMG_%1.png").arg(2000 + i));
    return names;
}

// The 78 cards named by their words, in card order, in the language given.
QStringList WordNames(bool russian) {
    const QString major =
        russian ? "Шут|Маг|Верховная жрица|Императрица|Император|Иерофант|Влюблённые|Колесница|"
                  "Справедливость|Отшельник|Колесо Фортуны|Сила|Повешенный|Смерть|Умеренность|"
                  "Дьявол|Башня|Звезда|Луна|Солнце|Страшный суд|Мир"
                : "The Fool|The Magician|The High Priestess|The Empress|The Emperor|"
                  "The Hierophant|The Lovers|The Chariot|Justice|The Hermit|Wheel of Fortune|"
                  "Strength|The Hanged Man|Death|Temperance|The Devil|The Tower|The Star|"
                  "The Moon|The Sun|Judgement|The World";
    const QString suits = russian ? "жезлов|кубков|мечей|пентаклей" : "Wands|Cups|Swords|Pentacles";
    const QString ranks = russian ? "Туз|Двойка|Тройка|Четвёрка|Пятёрка|Шестёрка|Семёрка|"
                                    "Восьмёрка|Девятка|Десятка|Паж|Рыцарь|Королева|Король"
                                  : "Ace|Two|Three|Four|Five|Six|Seven|Eight|Nine|Ten|Page|"
                                    "Knight|Queen|King";
    QStringList names = major.split('|');
    for (const QString& suit : suits.split('|'))
        for (const QString& rank : ranks.split('|'))
            names.append(rank + (russian ? " " : " of ") + suit);
    return names;
}

// The names with shuffled numbers before them, so that their natural order is not the cards'.
QStringList Shuffled(QStringList names) {
    QList<int> numbers;
    for (int i = 0; i < names.size(); ++i) numbers.append(i + 1);
    std::shuffle(numbers.begin(), numbers.end(), std::mt19937(25));
    for (int i = 0; i < names.size(); ++i)
        names[i] = QStringLiteral("%1-%2.png").arg(numbers[i], 2, 10, QChar('0')).arg(names[i]);
    return names;
}

DeckImportContext Context(FakePlatform& fake, const QString& appDir) {
    DeckImportContext context;
    QStringList lines = NumberedLines("m", Msg::Count);
    for (const int withName : {Msg::WrongPictureCount, Msg::DeckNameTaken, Msg::DeckImported})
        lines[withName] += " %1";
    context.messages.replace(lines);
    context.appDir = appDir;
    context.language = "English";
    context.messageBoxes = fake.messageBoxes;
    context.fileDialogs = fake.fileDialogs;
    context.deckFolders = {appDir + "/Pics"};
    return context;
}

// Runs an import to its end; the outcome and the reason.
std::pair<DeckImporter::Outcome, QString> RunImport(DeckImporter& importer,
                                                    bool cancelEarly = false) {
    QSignalSpy finished(&importer, &DeckImporter::Finished);
    if (cancelEarly)
        QObject::connect(&importer, &DeckImporter::Progressed, &importer, &DeckImporter::Cancel);
    importer.Start();
    if (finished.isEmpty()) finished.wait(20000);
    if (finished.isEmpty()) return {DeckImporter::Outcome::Imported, "never finished"};
    return {finished[0][0].value<DeckImporter::Outcome>(), finished[0][1].toString()};
}

DeckImportPlan Plan(const QString& source, const QString& deck) {
    const QStringList pictures = DeckPictureFiles(source);
    return {source, pictures, ProposeCardOrder(pictures), deck};
}

struct NaturalRow {
    const char* name;
    QString less, more;
};

class NaturalOrderTest : public ::testing::TestWithParam<NaturalRow> {};

TEST_P(NaturalOrderTest, SortsNumbersByValueAndLettersWithoutCase) {
    EXPECT_TRUE(NaturalLess(GetParam().less, GetParam().more));
    EXPECT_FALSE(NaturalLess(GetParam().more, GetParam().less));
}

INSTANTIATE_TEST_SUITE_P(Rows, NaturalOrderTest,
                         ::testing::Values(NaturalRow{"TwoBeforeTen", "2.png", "10.png"},
                                           NaturalRow{"CaseIgnored", "apple.png", "Banana.png"},
                                           NaturalRow{"NumberInside", "card 9 x.png",
                                                      "Card 10 a.png"},
                                           NaturalRow{"Cyrillic", "Кубки 2.png", "кубки 11.png"},
                                           NaturalRow{"SameButCase", "A.png", "a.png"}),
                         RowName());

struct NamedRow {
    const char* name;
    QString file;
    int card;
};

class CardWordsTest : public ::testing::TestWithParam<NamedRow> {};

TEST_P(CardWordsTest, MapsCardWordsToTheirCard) {
    EXPECT_EQ(CardNamedBy(GetParam().file), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(Rows, CardWordsTest,
                         ::testing::Values(NamedRow{"StrengthIsEleven", "08-strength.jpg", 11},
                                           NamedRow{"JusticeIsEight", "11_JUSTICE.webp", 8},
                                           NamedRow{"JudgementNotJustice", "Правосудие.png", 8},
                                           NamedRow{"LastJudgement", "Страшный суд.png", 20},
                                           NamedRow{"QueenOfCups", "cups-queen.webp", 48},
                                           NamedRow{"PrincessIsPage", "Princess of Disks.png", 74},
                                           NamedRow{"SuitWithNumber", "swords_07.png", 56},
                                           NamedRow{"RussianQueenNotKing", "Королева монет.png",
                                                    76},
                                           NamedRow{"SuitWithoutRank", "cups.png", -1},
                                           NamedRow{"Photo", "IMG_2041.JPG", -1}),
                         RowName());

TEST(DeckImportOrderTest, UnnamedAndRepeatedPicturesFillTheFreeCardsInOrder) {
    EXPECT_EQ(ProposeCardOrder({"a.png", "b.png", "fool.png", "the fool 2.png"}),
              (QList<int>{2, 0, 1, 3}));
}

struct CountRow {
    const char* name;
    int count;
    bool accepted;
};

class PictureCountTest : public ::testing::TestWithParam<CountRow> {
protected:
    TestAppDir app;
    FakePlatform fake;
};

// A count that makes no deck is refused with the number found; the others open the window.
TEST_P(PictureCountTest, AcceptsOnlyCountsThatMakeADeck) {
    const QString source = app.path() + "/source";
    WritePictures(source, NumberedNames(GetParam().count));
    app.write("source/notes.txt", "not a picture");
    fake.fileDialogs->answers = {source};
    // Only a window that opens is waited for: a waiting action left behind would close the
    // window of a later test.
    bool opened = false;
    if (GetParam().accepted)
        OnNextModal<ImportDeckDialog>([&](ImportDeckDialog* dialog) {
            opened = true;
            dialog->reject();
        });
    EXPECT_TRUE(ImportDeck(nullptr, Context(fake, app.path())).isEmpty());
    EXPECT_EQ(opened, GetParam().accepted);
    EXPECT_EQ(fake.messageBoxes->shown,
              GetParam().accepted ? QStringList()
                                  : QStringList{QStringLiteral("m162 %1").arg(GetParam().count)});
}

INSTANTIATE_TEST_SUITE_P(Rows, PictureCountTest,
                         ::testing::Values(CountRow{"MajorArcana", 22, true},
                                           CountRow{"Fifty", 50, false}, CountRow{"None", 0, false},
                                           CountRow{"WholeDeck", 78, true},
                                           CountRow{"WithExtraCard", 79, true}),
                         RowName());

// A failed or cancelled import leaves no folder behind, and never removes one it did not make.
struct FailureRow {
    const char* name;
    DeckImporter::Outcome outcome;
    QString reasonNames;  // a part of the reason
};

class ImportFailureTest : public ::testing::TestWithParam<FailureRow> {
protected:
    TestAppDir app;
};

TEST_P(ImportFailureTest, LeavesNoHalfMadeDeck) {
    const FailureRow& row = GetParam();
    const QString name = row.name;
    const QString source = app.path() + "/source";
    QString pics = app.path() + "/Pics";
    std::optional<FullDisk> disk;
    if (name == "FullDisk") {
        disk.emplace();
        if (!disk->mounted()) GTEST_SKIP() << "a small file system cannot be mounted here";
        pics = disk->path() + "/Pics";  // 64 KiB: a few full-size cards fill it
    }
    WritePictures(source, NumberedNames(22), name == "FullDisk" ? QSize(800, 1400) : QSize(40, 70));
    if (name == "Unreadable") app.write("source/IMG_2005.png", "not a picture");
    if (name == "FolderExists") app.write("Pics/Deck/mine.txt", "keep");
    DeckImporter importer(Plan(source, pics + "/Deck"));
    const auto [outcome, reason] = RunImport(importer, name == "Cancelled");
    EXPECT_EQ(outcome, row.outcome);
    EXPECT_TRUE(reason.contains(row.reasonNames)) << reason.toStdString();
    if (name == "FolderExists")
        EXPECT_TRUE(QFileInfo::exists(pics + "/Deck/mine.txt"));
    else
        EXPECT_FALSE(QFileInfo::exists(pics + "/Deck"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ImportFailureTest,
    ::testing::Values(FailureRow{"Cancelled", DeckImporter::Outcome::Cancelled, ""},
                      FailureRow{"Unreadable", DeckImporter::Outcome::PictureUnreadable,
                                 "IMG_2005.png: "},
                      FailureRow{"FullDisk", DeckImporter::Outcome::NotWritten, ".jpg: "},
                      FailureRow{"FolderExists", DeckImporter::Outcome::NotWritten, "/Deck: "}),
    RowName());

TEST(DeckImportWriteTest, WritesUprightScaledJpegsAndBringsTheTextsAsUtf8) {
    TestAppDir app;
    const QString source = app.path() + "/source";
    QStringList names = NumberedNames(22);
    names[0] = "00-fool.png";
    WritePictures(source, names);
    QImage large(1000, 2000, QImage::Format_RGB32);
    large.fill(CardColour(0));
    large.save(source + "/00-fool.png");
    // A clear picture lies on white; a photo marked as turned is written upright.
    QImage clear(16, 28, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    clear.save(source + "/IMG_2001.png");
    QImageWriter turned(source + "/IMG_2002.jpg");
    turned.setTransformation(QImageIOHandler::TransformationRotate90);
    QFile::remove(source + "/IMG_2002.png");
    turned.write(QImage(28, 16, QImage::Format_RGB32));
    // A text named like its picture in Windows-1251, and one named by its card number.
    app.write("source/00-fool.TXT", QByteArray("\xd8\xf3\xf2"));
    app.write("source/5r.txt", "Five reversed");

    DeckImporter importer(Plan(source, app.path() + "/Pics/Mine"));
    EXPECT_EQ(RunImport(importer).first, DeckImporter::Outcome::Imported);
    const QString deck = app.path() + "/Pics/Mine/";
    EXPECT_EQ(QImage(deck + "0.jpg").size(), QSize(700, 1400));
    EXPECT_EQ(WrongCards(deck, 22), (QList<int>{1, 2}));
    EXPECT_EQ(QImage(deck + "1.jpg").pixelColor(8, 14).lightness(), 255);
    EXPECT_EQ(QImage(deck + "2.jpg").size(), QSize(16, 28));
    QFile fool(deck + "0.txt"), five(deck + "5r.txt");
    ASSERT_TRUE(fool.open(QIODevice::ReadOnly) && five.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(fool.readAll()), QString::fromUtf8("Шут"));
    EXPECT_EQ(five.readAll(), "Five reversed");
    EXPECT_FALSE(QFileInfo::exists(deck + "0r.txt"));
}

TEST(ImportDeckDialogTest, DropSwapsTwoCardsAndATakenNameIsRefused) {
    TestAppDir app;
    FakePlatform fake;
    const QString source = app.path() + "/source";
    WritePictures(source, NumberedNames(22));
    app.write("Pics/ardentine/0.jpg", "x");
    fake.fileDialogs->answers = {source};
    QStringList proposed, afterDrop;
    OnNextModal<ImportDeckDialog>([&](ImportDeckDialog* dialog) {
        proposed = dialog->CardPictures();
        QWidget* target = dialog->findChild<QWidget*>("Card3");
        QMimeData data;
        data.setData("application/x-lumenfold-card", "5");
        QDragEnterEvent enter({10, 10}, Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(10, 10), Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        afterDrop = dialog->CardPictures();
        dialog->findChild<QLineEdit*>("DeckName")->setText(" Ardentine ");
        QTest::mouseClick(dialog->findChild<QPushButton*>("ImportButton"), Qt::LeftButton);
        dialog->findChild<QLineEdit*>("DeckName")->setText("a/b");
        EXPECT_FALSE(dialog->findChild<QPushButton*>("ImportButton")->isEnabled());
        QTest::mouseClick(dialog->findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(ImportDeck(nullptr, Context(fake, app.path())).isEmpty());
    EXPECT_EQ(proposed, NumberedNames(22));
    QStringList swapped = proposed;
    swapped.swapItemsAt(3, 5);
    EXPECT_EQ(afterDrop, swapped);
    EXPECT_EQ(fake.messageBoxes->shown, QStringList{"m166 Ardentine"});
    EXPECT_EQ(QDir(app.path() + "/Pics").entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"ardentine"});
}

// The whole road from the menu: a folder of 78 pictures named by their card words in shuffled
// order becomes a deck in the program's order, which the deck list shows.
class ImportFromMenuTest : public ::testing::TestWithParam<bool> {};

TEST_P(ImportFromMenuTest, ImportsAWordNamedDeckAndListsIt) {
    TestAppDir app;
    app.linkBundled("Langs");
    FakePlatform fake;
    fake.settingsKey->values["language"] = GetParam() ? "Russian" : "English";
    const QStringList names = Shuffled(WordNames(GetParam()));
    const QString source = app.path() + "/My deck";
    WritePictures(source, names);
    TForm1 form(fake.platform, app.programPath());
    form.show();

    fake.fileDialogs->answers = {source};
    QStringList proposed;
    OnNextModal<ImportDeckDialog>([&](ImportDeckDialog* dialog) {
        QTimer::singleShot(20000, dialog, &QDialog::reject);  // never hangs the test
        proposed = dialog->CardPictures();
        QTest::mouseClick(dialog->findChild<QPushButton*>("ImportButton"), Qt::LeftButton);
    });
    form.menu().ImportDeck1->trigger();
    EXPECT_EQ(proposed, names);
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(fake.messageBoxes->shown[0].contains("My deck"));

    const QString deck = app.path() + "/Pics/My deck/";
    EXPECT_EQ(WrongCards(deck, 78), QList<int>());
    QStringList listed;
    OnNextModal<TForm3>([&](TForm3* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        for (int i = 0; i < list->count(); ++i) listed.append(list->item(i)->text());
        dialog->reject();
    });
    form.menu().Selectdesk1->trigger();
    EXPECT_EQ(listed, QStringList{"My deck"});
}

// Installed, imported decks lie in the user's data folder: the deck list shows them beside the
// bundled ones (the user's winning over a bundled deck of the same name in any letter case), and
// the deck's pictures are found there.
TEST(InstalledDeckFoldersTest, ListsAndFindsTheUsersDecks) {
    TestAppDir root;
    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (root.path() + "/data").toLocal8Bit());
    root.write("bin/.keep", {});
    root.write("share/lumenfold/Pics/Ardentine/0.jpg", "x");
    root.write("share/lumenfold/Pics/mine/0.jpg", "x");
    const ProgramPlaces places = ProgramPlaces::ForProgram(root.path() + "/bin");
    const QString user = places.UserData() + "/Pics";
    ASSERT_TRUE(places.Installed());
    ASSERT_TRUE(user.startsWith(root.path() + "/data/"));
    const QString bundled = root.path() + "/share/lumenfold/Pics";
    const QStringList folders = DeckFolders(places);
    EXPECT_EQ(folders, (QStringList{user, bundled}));
    root.write(user.mid(root.path().size() + 1) + "/Mine/78.jpg", "x");

    TForm3 dialog({}, folders, "Mine", true, true);
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    QStringList listed;
    for (int i = 0; i < list->count(); ++i) listed.append(list->item(i)->text());
    EXPECT_EQ(listed, (QStringList{"Ardentine", "Mine"}));
    EXPECT_EQ(FindDeckDirectory(folders, "Mine"), user + "/Mine");
    EXPECT_EQ(FindDeckDirectory(folders, "Ardentine"), bundled + "/Ardentine");
    EXPECT_TRUE(DeckHas79thCard(folders, "Mine"));
    EXPECT_FALSE(DeckHas79thCard(folders, "Ardentine"));
    savedData.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", savedData);
}

INSTANTIATE_TEST_SUITE_P(Languages, ImportFromMenuTest, ::testing::Bool(),
                         [](const auto& row) { return row.param ? "Russian" : "English"; });

}  // namespace
