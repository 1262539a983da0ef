#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "i18n/SelLang.h"
#include "platform/QtHelpViewer.h"
#include "support/LanguageData.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/TableView.h"

namespace {

struct PromptRow {
    const char* name;
    const char* before;
    const char* after;
};

const PromptRow kPromptRows[] = {
    {"firstCard", "en66\r\n<b>x</b>", "ru66\r\n<b>x</b>"},
    {"thirdCard", "en68\r\nFuture", "ru68\r\nFuture"},
    {"laterCard", "en6912en70\r\nFuture", "ru6912ru70\r\nFuture"},
    {"spreadFull", "en65", "ru65"},
    {"manualInput", "en75", "ru75"},
    {"readingOpened", "en116", "ru116"},
    {"meaningLikeAMessageStays", "en67\r\nen65", "ru67\r\nen65"},
    {"fixedEnglishStays", "Spread completed", "Spread completed"},
    {"otherMessageStays", "en64", "en64"},
    {"empty", "", ""},
};

TEST(PromptInLanguageTest, EachMessageOfThePromptIsExchanged) {
    MessageList english;
    english.replace(NumberedLines("en", 160));
    MessageList russian;
    russian.replace(NumberedLines("ru", 160));
    for (const PromptRow& row : kPromptRows)
        EXPECT_EQ(PromptInLanguage(row.before, english, russian), row.after) << row.name;
}

// The help window and the left column's prompt, in English, then in Russian at once.
class LanguageSwitchTest : public MainWindowTest {
protected:
    void SetUp() override {
        fake.platform.helpViewer = std::make_unique<QtHelpViewer>();
        writeSpread("Pair", 2, {{true, 10, 10, "Me"}, {false, 120, 10, "<b>You</b>"}});
    }
};

TEST_F(LanguageSwitchTest, OpenHelpAndPromptFollowTheSwitchAtOnce) {
    open();
    form->menu().Contents1->trigger();
    startReading("Pair", 60);
    const auto* prompt = form->findChild<QLabel*>("Label2");
    EXPECT_EQ(prompt->text(), form->program().Messages[66] + "\r\n<b>You</b>");
    form->menu().MajorArcanaonly1->trigger();

    OnNextModal<TForm20>([](TForm20* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems("Russian", Qt::MatchExactly).value(0));
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    form->menu().Language1->trigger();
    ASSERT_EQ(form->program().settings.LanguageName, "Russian");
    EXPECT_EQ(prompt->text(), form->program().Messages[66] + "\r\n<b>You</b>");
    EXPECT_EQ(form->findChild<QLabel*>("Label4")->text(), form->program().Messages[115]);
    const QList<QTextBrowser*> help = form->findChildren<QTextBrowser*>();
    ASSERT_EQ(help.size(), 1);
    EXPECT_TRUE(help.first()->isVisible());
    EXPECT_EQ(help.first()->windowTitle().toStdString(), "Справка Lumenfold");
    EXPECT_TRUE(fake.shell->opened.isEmpty());
}

}  // namespace
