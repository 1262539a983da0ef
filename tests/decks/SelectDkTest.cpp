#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "decks/DeckDirectory.h"
#include "decks/SelectDk.h"
#include "fakes/FakePlatform.h"
#include "i18n/Msg.h"
#include "support/LanguageData.h"
#include "support/ModalDialog.h"
#include "support/MouseEvents.h"
#include "support/TestAppDir.h"

namespace {

QStringList Entries(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
    return names;
}

QList<QRadioButton*> Choices(QDialog* dialog, const char* group) {
    return dialog->findChild<QGroupBox*>(group)->findChildren<QRadioButton*>();
}

// Clicks a choice on its round mark, where a user clicks it.
void ClickChoice(QRadioButton* choice) {
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
}

// What the user changes in the dialog before pressing OK.
struct DeckChoice {
    QString deck;       // empty: leave the selection as it is
    int court = -1;     // 0 Traditional, 1 New Age, -1 as it is
    int strength = -1;  // 0 VIII, 1 XI, -1 as it is
};

class SelectDkTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    MessageList messages;

    SelectDkTest() {
        messages.replace(NumberedLines("m", Msg::Count));
        WriteLanguage(app, "Russian", "ru");
    }

    void makeDeck(const QString& name, bool with79thCard = false) {
        app.write("Pics/" + name + "/0.jpg", "x");
        if (with79thCard) app.write("Pics/" + name + "/78.jpg", "x");
    }

    std::unique_ptr<TForm1> open() {
        return std::make_unique<TForm1>(fake.platform, app.programPath());
    }

    // Opens the dialog from the menu, makes the choice and presses OK (or Cancel).
    void selectDeck(TForm1& form, DeckChoice choice, bool ok = true) {
        bool seen = false;
        OnNextModal<TForm3>([&](TForm3* dialog) {
            seen = true;
            auto* list = dialog->findChild<QListWidget*>("ListBox1");
            if (!choice.deck.isEmpty()) {
                const QList<QListWidgetItem*> found =
                    list->findItems(choice.deck, Qt::MatchExactly);
                ASSERT_EQ(found.size(), 1);
                ClickListItem(list, found.first());
            }
            if (choice.court >= 0) ClickChoice(Choices(dialog, "RadioGroup1")[choice.court]);
            if (choice.strength >= 0) ClickChoice(Choices(dialog, "RadioGroup2")[choice.strength]);
            QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? "Button1" : "Button2"),
                              Qt::LeftButton);
        });
        form.menu().Selectdesk1->trigger();
        EXPECT_TRUE(seen);
    }
};

TEST_F(SelectDkTest, DecksAreSortedAndTheCurrentOneSelected) {
    makeDeck("Zodiac");
    makeDeck("ardent");
    makeDeck("Ardentine");
    makeDeck(".git");
    app.write("Pics/notes.txt", "a plain file is listed too");
    TForm3 dialog(messages, {app.path() + "/Pics"}, "Ardentine", false, true);
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    EXPECT_EQ(Entries(list), QStringList({"ardent", "Ardentine", "notes.txt", "Zodiac"}));
    EXPECT_EQ(list->selectedItems().value(0)->text(), "Ardentine");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("Button1")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QLabel*>("Label1")->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.size(), QSize(439, 284));
}

TEST_F(SelectDkTest, CaptionsComeFromTheLanguageButStrengthNumbersDoNot) {
    makeDeck("Ardentine");
    TForm3 dialog(messages, {app.path() + "/Pics"}, "Ardentine", false, true);
    EXPECT_EQ(dialog.windowTitle(), "m19");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("RadioGroup1")->title(), "m40");
    EXPECT_EQ(dialog.findChild<QGroupBox*>("RadioGroup2")->title(), "m41");
    const QList<QRadioButton*> court = Choices(&dialog, "RadioGroup1");
    const QList<QRadioButton*> strength = Choices(&dialog, "RadioGroup2");
    ASSERT_EQ(court.size(), 2);
    ASSERT_EQ(strength.size(), 2);
    EXPECT_EQ(court[0]->text(), "m42");
    EXPECT_EQ(court[1]->text(), "m43");
    EXPECT_EQ(strength[0]->text(), "VIII");
    EXPECT_EQ(strength[1]->text(), "XI");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Button1")->text(), "m0");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Button2")->text(), "m1");
    // The groups show the deck's settings.
    EXPECT_TRUE(court[0]->isChecked());
    EXPECT_TRUE(strength[1]->isChecked());
    TForm3 other(messages, {app.path() + "/Pics"}, "Ardentine", true, false);
    EXPECT_TRUE(Choices(&other, "RadioGroup1")[1]->isChecked());
    EXPECT_TRUE(Choices(&other, "RadioGroup2")[0]->isChecked());
}

TEST_F(SelectDkTest, NameDifferingInCaseSelectsNothingUntilAClick) {
    makeDeck("Ardentine");
    makeDeck("Other");
    TForm3 dialog(messages, {app.path() + "/Pics"}, "ardentine", true, true);
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    dialog.show();
    ClickListItem(list, list->item(1));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.DeckName(), "Other");
    ClickListItem(list, list->item(1), true);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.DeckName(), "Other");
}

TEST_F(SelectDkTest, WithoutDecksANoticeAndOkNearTheMiddle) {
    for (bool makePics : {false, true}) {
        TestAppDir empty;
        if (makePics) empty.write("Pics/.keep", "");
        TForm3 dialog(messages, {empty.path() + "/Pics"}, "Ardentine", true, true);
        dialog.show();
        auto* ok = dialog.findChild<QPushButton*>("Button1");
        auto* notice = dialog.findChild<QLabel*>("Label1");
        EXPECT_FALSE(dialog.HasDecks());
        EXPECT_FALSE(dialog.findChild<QListWidget*>("ListBox1")->isVisible());
        EXPECT_FALSE(dialog.findChild<QGroupBox*>("RadioGroup1")->isVisible());
        EXPECT_FALSE(dialog.findChild<QGroupBox*>("RadioGroup2")->isVisible());
        EXPECT_FALSE(dialog.findChild<QPushButton*>("Button2")->isVisible());
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text(),
                  "Desks were not found.\nMake sure that the \"Pics\" directory "
                  "exists and contains images.");
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(ok->x(), (dialog.width() - ok->width()) / 2 - 6);
    }
}

TEST_F(SelectDkTest, OkWithoutDecksChangesNothing) {
    fake.settingsKey->values["ArdentineStyle"] = "no";
    fake.settingsKey->values["Strength11"] = "8";
    auto form = open();
    const CardTitleList before = form->program().CardTitles;
    selectDeck(*form, {});
    EXPECT_EQ(form->program().settings.DeckName, "Ardentine");
    EXPECT_FALSE(form->program().settings.NewAgeCourtOrder);
    EXPECT_FALSE(form->program().settings.StrengthIsXI);
    EXPECT_EQ(form->program().CardTitles, before);
}

TEST_F(SelectDkTest, StrengthChoiceSwapsTheTitlesOfEightAndEleven) {
    makeDeck("Ardentine");
    auto form = open();
    EXPECT_EQ(form->program().CardTitles[8], "rucards8");
    EXPECT_EQ(form->program().CardTitles[11], "rucards12");
    selectDeck(*form, {"", 0, 0});
    EXPECT_FALSE(form->program().settings.StrengthIsXI);
    EXPECT_FALSE(form->program().settings.NewAgeCourtOrder);
    EXPECT_EQ(form->program().CardTitles[8], "rucards9");
    EXPECT_EQ(form->program().CardTitles[11], "rucards13");
    EXPECT_EQ(form->program().CardTitles[32], "rucards38");
    selectDeck(*form, {"", 1, 1});
    EXPECT_EQ(form->program().CardTitles[8], "rucards8");
    EXPECT_EQ(form->program().CardTitles[32], "rucards34");
}

TEST_F(SelectDkTest, ChoosingADeckWith79thCardGivesBuiltInTitles) {
    makeDeck("Ardentine");
    makeDeck("Master", true);
    auto form = open();
    EXPECT_FALSE(form->reading().Has79thCard);
    EXPECT_EQ(form->reading().DeckSize, 78);
    selectDeck(*form, {"Master"});
    EXPECT_EQ(form->program().settings.DeckName, "Master");
    EXPECT_TRUE(form->reading().Has79thCard);
    EXPECT_EQ(form->program().CardTitles, BuiltinCardTitles());
    // The number of cards in play follows at the next reading, not at once.
    EXPECT_EQ(form->reading().DeckSize, 78);
    selectDeck(*form, {"Ardentine"}, false);
    EXPECT_EQ(form->program().settings.DeckName, "Master");
    selectDeck(*form, {"Ardentine"});
    EXPECT_FALSE(form->reading().Has79thCard);
    EXPECT_EQ(form->program().CardTitles[78], "rucards96");
}

TEST_F(SelectDkTest, DeckSizeAtStartFollowsMajorOnlyAndThe79thCard) {
    makeDeck("Master", true);
    fake.settingsKey->values["DeckName"] = "Master";
    fake.settingsKey->values["MajorOnly"] = "yes";
    EXPECT_EQ(open()->reading().DeckSize, 23);
    fake.settingsKey->values["MajorOnly"] = "no";
    EXPECT_EQ(open()->reading().DeckSize, 79);
    fake.settingsKey->values["DeckName"] = "Gone";
    auto form = open();
    EXPECT_EQ(form->reading().DeckSize, 78);
    EXPECT_FALSE(form->reading().Has79thCard);
    EXPECT_EQ(DeckSizeFor(true, false), 22);
}

TEST_F(SelectDkTest, DeckNamesNeverLeadOutOfPics) {
    app.write("Pics/78.jpg", "x");
    app.write("78.jpg", "x");
    EXPECT_FALSE(DeckHas79thCard({app.path() + "/Pics"}, "."));
    EXPECT_FALSE(DeckHas79thCard({app.path() + "/Pics"}, ".."));
    EXPECT_FALSE(DeckHas79thCard({app.path() + "/Pics"}, ""));
    app.write("Pics/a\\b/78.jpg", "x");
    EXPECT_FALSE(DeckHas79thCard({app.path() + "/Pics"}, "a\\b"));
    // Such a folder is not offered either.
    TForm3 dialog(messages, {app.path() + "/Pics"}, "", true, true);
    EXPECT_EQ(Entries(dialog.findChild<QListWidget*>("ListBox1")), QStringList({"78.jpg"}));
}

}  // namespace
