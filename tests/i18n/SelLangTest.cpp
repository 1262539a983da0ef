#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "i18n/Msg.h"
#include "i18n/SelLang.h"
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

QListWidgetItem* Entry(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

class SelLangTest : public ::testing::Test {
protected:
    TestAppDir app;
    FakePlatform fake;
    MessageList messages;

    SelLangTest() {
        WriteLanguage(app, "English", "en");
        WriteLanguage(app, "Russian", "ru");
        app.write("Langs/readme.txt", "not a language");
        app.write("Langs/.hidden/List.lng", "x");
        QStringList texts = NumberedLines("m", Msg::Count);
        messages.replace(texts);
    }

    std::unique_ptr<TForm1> open(const QString& language) {
        fake.settingsKey->values["language"] = language;
        return std::make_unique<TForm1>(fake.platform, app.programPath());
    }

    // Chooses the language in the dialog opened by the menu command, with OK or Cancel.
    void chooseLanguage(TForm1& form, const QString& language, bool ok = true) {
        bool seen = false;
        OnNextModal<TForm20>([&](TForm20* dialog) {
            seen = true;
            auto* list = dialog->findChild<QListWidget*>("ListBox1");
            QListWidgetItem* item = Entry(list, language);
            ASSERT_NE(item, nullptr);
            ClickListItem(list, item);
            QTest::mouseClick(dialog->findChild<QPushButton*>(ok ? "Button1" : "Button2"),
                              Qt::LeftButton);
        });
        form.menu().Language1->trigger();
        EXPECT_TRUE(seen);
    }

    // Every menu caption and the three table buttons carry the language's message texts.
    static void ExpectCaptionsFrom(TForm1& form, const QString& prefix) {
        for (const MainMenu::Titled& titled : form.menu().titled())
            EXPECT_EQ(QString(titled.action->text()).remove('&'),
                      prefix + QString::number(titled.message));
        const char* buttons[] = {"SpeedButton1", "SpeedButton2", "SpeedButton3"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(form.findChild<QToolButton*>(buttons[i])->text(),
                      prefix + QString::number(62 + i));
    }
};

TEST_F(SelLangTest, ListsEveryEntryOfLangsAndSelectsTheCurrentLanguageExactly) {
    TForm20 dialog(messages, app.path(), "Russian");
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    QStringList names = Entries(list);
    names.sort();
    EXPECT_EQ(names, QStringList({"English", "Russian", "readme.txt"}));
    EXPECT_EQ(dialog.windowTitle(), "m130");
    EXPECT_EQ(ok->text(), "m0");
    EXPECT_EQ(dialog.findChild<QPushButton*>("Button2")->text(), "m1");
    EXPECT_EQ(list->selectedItems().value(0), Entry(list, "Russian"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(dialog.LanguageName(), "Russian");
}

TEST_F(SelLangTest, OkWaitsForAChoiceWhenTheLanguageIsNotListed) {
    TForm20 dialog(messages, app.path(), "russian");
    auto* list = dialog.findChild<QListWidget*>("ListBox1");
    auto* ok = dialog.findChild<QPushButton*>("Button1");
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(ok->isEnabled());
    dialog.show();
    ClickListItem(list, Entry(list, "English"));
    EXPECT_TRUE(ok->isEnabled());
    ClickListItem(list, Entry(list, "English"), true);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.LanguageName(), "English");
}

TEST_F(SelLangTest, StartLoadsTheSettingsLanguage) {
    auto form = open("Russian");
    ExpectCaptionsFrom(*form, "ru");
    EXPECT_EQ(form->program().Messages.size(), Msg::Count);
    EXPECT_EQ(form->program().CardTitles[0], "rucards0");
}

TEST_F(SelLangTest, OkRetitlesEverythingAtOnce) {
    auto form = open("Russian");
    chooseLanguage(*form, "English");
    EXPECT_EQ(form->program().settings.LanguageName, "English");
    ExpectCaptionsFrom(*form, "en");
    EXPECT_EQ(form->program().Messages[138], "en138");
    EXPECT_EQ(form->program().CardTitles[78], "encards96");
}

TEST_F(SelLangTest, CancelChangesNothing) {
    auto form = open("Russian");
    chooseLanguage(*form, "English", false);
    EXPECT_EQ(form->program().settings.LanguageName, "Russian");
    ExpectCaptionsFrom(*form, "ru");
}

TEST_F(SelLangTest, APlainFileChosenAsLanguageFallsBackToEnglish) {
    auto form = open("Russian");
    chooseLanguage(*form, "readme.txt");
    EXPECT_EQ(form->program().settings.LanguageName, "readme.txt");
    ExpectCaptionsFrom(*form, "en");
    EXPECT_EQ(form->program().CardTitles[0], "encards0");
    form->close();
    EXPECT_EQ(fake.settingsKey->values.value("language").toString(), "readme.txt");
}

TEST_F(SelLangTest, WithoutAnyMessageListTheBuiltInCaptionsStay) {
    TestAppDir bare;
    fake.settingsKey->values["language"] = "Russian";
    TForm1 form(fake.platform, bare.programPath());
    EXPECT_EQ(form.menu().Menu1->text(), "&Readings");
    EXPECT_EQ(QString(form.menu().Language1->text()).remove('&'), "Language");
    EXPECT_EQ(form.findChild<QToolButton*>("SpeedButton1")->text(), "Shuffle");
    EXPECT_EQ(form.program().Messages.size(), 126);
    EXPECT_EQ(form.program().Messages[125], "");
    EXPECT_EQ(form.program().CardTitles[0], "");
}

TEST_F(SelLangTest, LineFeedOnlyMessageListIsOneMessage) {
    app.write("Langs/Unix/List.lng", "OK\nCancel\nReadings\n");
    auto form = open("Unix");
    EXPECT_EQ(form->program().Messages.size(), 1);
    EXPECT_EQ(form->program().Messages[0], "OK\nCancel\nReadings\n");
    // Every other message is past the end and reads as empty text.
    EXPECT_EQ(form->menu().Menu1->text(), "");
    EXPECT_EQ(form->program().Messages[2], "");
}

TEST_F(SelLangTest, DeckWith79thCardKeepsBuiltInTitlesInRussian) {
    app.write("Pics/Ardentine/78.jpg", "x");
    auto form = open("Russian");
    EXPECT_TRUE(form->reading().Has79thCard);
    EXPECT_EQ(form->program().CardTitles, BuiltinCardTitles());
    chooseLanguage(*form, "English");
    EXPECT_EQ(form->program().CardTitles, BuiltinCardTitles());
}

TEST_F(SelLangTest, HelpOfTheLanguageBeforeStaysForALanguageWithout) {
    app.write("Langs/English/Reruv.html", "<html><body>English help</body></html>");
    WriteLanguage(app, "German", "de");
    auto form = open("German");
    EXPECT_EQ(form->program().HelpFile, app.path() + "/Reruv.html");
    chooseLanguage(*form, "English");
    EXPECT_EQ(form->program().HelpFile, app.path() + "/Langs/English/Reruv.html");
    chooseLanguage(*form, "German");
    EXPECT_EQ(form->program().HelpFile, app.path() + "/Langs/English/Reruv.html");
    form->menu().Contents1->trigger();
    EXPECT_EQ(fake.helpViewer->shown, QStringList({app.path() + "/Langs/English/Reruv.html"}));
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    EXPECT_TRUE(fake.shell->opened.isEmpty());
}

TEST_F(SelLangTest, MissingHelpFileIsReported) {
    auto form = open("English");
    form->menu().Contents1->trigger();
    EXPECT_EQ(fake.helpViewer->shown, QStringList({app.path() + "/Reruv.html"}));
    EXPECT_EQ(fake.messageBoxes->shown, QStringList({"Could not open the help file."}));
}

TEST_F(SelLangTest, RussianHelpAlwaysGoesToTheDesktop) {
    auto form = open("Russian");
    // Not there: handed over all the same, and nothing else is shown.
    form->menu().Contents1->trigger();
    EXPECT_EQ(fake.shell->opened, QStringList({app.path() + "/Langs/Russian/ReruvBook.html"}));
    EXPECT_TRUE(fake.helpViewer->shown.isEmpty());
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    // With the book in place it is also the help file the language brings.
    app.write("Langs/Russian/ReruvBook.html", "<html></html>");
    chooseLanguage(*form, "Russian");
    EXPECT_EQ(form->program().HelpFile, app.path() + "/Langs/Russian/ReruvBook.html");
    // Another language without its own help keeps it and shows it in the help window.
    chooseLanguage(*form, "readme.txt");
    form->menu().Contents1->trigger();
    EXPECT_EQ(fake.helpViewer->shown, QStringList({app.path() + "/Langs/Russian/ReruvBook.html"}));
    EXPECT_EQ(fake.shell->opened.size(), 1);
}

TEST_F(SelLangTest, BundledLanguagesReadWithoutBrokenCharacters) {
    TestAppDir bundled;
    bundled.linkBundled("Langs");
    fake.settingsKey->values.clear();
    TForm1 russian(fake.platform, bundled.programPath());
    EXPECT_EQ(russian.program().Messages[2], "Гадание");
    fake.settingsKey->values["language"] = "English";
    TForm1 english(fake.platform, bundled.programPath());
    EXPECT_EQ(english.menu().Menu1->text(), "&Readings");
    EXPECT_EQ(english.menu().Language1->text(), "&Language");
    for (const TForm1* form : {&russian, &english}) {
        EXPECT_GE(form->program().Messages.size(), 139);
        for (int i = 0; i < form->program().Messages.size(); ++i)
            EXPECT_FALSE(form->program().Messages[i].contains(QChar::ReplacementCharacter)) << i;
        for (const QString& title : form->program().CardTitles) EXPECT_FALSE(title.isEmpty());
    }
}

}  // namespace
