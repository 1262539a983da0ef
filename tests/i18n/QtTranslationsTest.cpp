#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "app/TableFrm.h"
#include "fakes/FakePlatform.h"
#include "i18n/QtTranslations.h"
#include "i18n/SelLang.h"
#include "spreads/SeCard.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"

namespace {

struct QtTextsRow {
    const char* language;
    const char* cancel;
    const char* yes;
};

TEST(QtTranslationsTest, QtTextsFollowTheLanguageAndLeaveWithTheirOwner) {
    const QtTextsRow rows[] = {
        {"Russian", "Отмена", "&Да"},
        {"English", "Cancel", "&Yes"},
        {"German", "Abbrechen", "&Ja"},
        {"readme.txt", "Cancel", "&Yes"},  // no language of that name: Qt stays English
    };
    {
        QObject owner;
        for (const QtTextsRow& row : rows) {
            UseQtTranslations(&owner, row.language);
            EXPECT_EQ(QtButtonText(QDialogButtonBox::Cancel), QString::fromUtf8(row.cancel))
                << row.language;
            EXPECT_EQ(QtButtonText(QDialogButtonBox::Yes), QString::fromUtf8(row.yes))
                << row.language;
        }
        UseQtTranslations(&owner, "Russian");
    }
    EXPECT_EQ(QtButtonText(QDialogButtonBox::Cancel), "Cancel");
}

TEST(QtTranslationsTest, MainWindowSwitchesQtTextsWithItsLanguage) {
    TestAppDir app;
    app.linkBundled("Langs");
    FakePlatform fake;
    TForm1 form(fake.platform, app.programPath());
    // The card list takes its buttons from Qt in the language at first start.
    const TForm11 cards({}, &form);
    EXPECT_EQ(cards.Button2()->text(), "Отмена");

    OnNextModal<TForm20>([](TForm20* dialog) {
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        list->setCurrentItem(list->findItems("English", Qt::MatchExactly).value(0));
        QTest::mouseClick(dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    form.menu().Language1->trigger();
    EXPECT_EQ(form.program().settings.LanguageName, "English");
    EXPECT_EQ(QtButtonText(QDialogButtonBox::Cancel), "Cancel");
}

}  // namespace
