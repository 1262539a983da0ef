// The menus from the keyboard: letters assigned from the texts of the language in use, Alt and
// a letter opening a menu, F10 opening the bar.
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "i18n/Mnemonics.h"
#include "support/MainWindowTest.h"
#include "support/RowName.h"

namespace {

struct LetterRow {
    const char* name;
    QStringList texts;
    QStringList expected;
};

class MnemonicsTest : public ::testing::TestWithParam<LetterRow> {};

TEST_P(MnemonicsTest, EachTextGetsALetterNoOtherHas) {
    EXPECT_EQ(WithMnemonics(GetParam().texts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MnemonicsTest,
    ::testing::Values(
        LetterRow{"FirstLetters", {"Open", "Save", "Exit"}, {"&Open", "&Save", "&Exit"}},
        LetterRow{"WordStartsBeforeOtherLetters",
                  {"Select deck", "Start", "Show spread tips"},
                  {"&Select deck", "S&tart", "S&how spread tips"}},
        LetterRow{"CaseDoesNotMakeTwoLetters", {"Edit", "edge"}, {"&Edit", "e&dge"}},
        LetterRow{"CyrillicLetters",
                  {"Гадания", "Начать гадание...", "Расклады", "Вид"},
                  {"&Гадания", "&Начать гадание...", "&Расклады", "&Вид"}},
        LetterRow{"LiteralAmpersandShowsAsItself", {"Rock & roll"}, {"&Rock && roll"}},
        LetterRow{"NothingLeftToTake", {"ab", "ba", "a", "..."}, {"&ab", "&ba", "a", "..."}},
        LetterRow{"DigitsCount", {"A", "a1"}, {"&A", "a&1"}}),
    RowName());

class MenuKeysTest : public MainWindowTest {
protected:
    // The letters of each menu, and of the bar, in the language now loaded.
    QList<QStringList> Letters() const {
        QList<QStringList> groups{{}};
        for (QAction* top : form->menuBar()->actions()) {
            groups.first() << Letter(top->text());
            if (!top->menu()) continue;
            QStringList items;
            for (QAction* item : top->menu()->actions())
                if (!item->isSeparator()) items << Letter(item->text());
            groups << items;
        }
        return groups;
    }
    static QString Letter(const QString& text) {
        const qsizetype mark = QString(text).replace("&&", "__").indexOf('&');
        return mark < 0 ? QString() : text.mid(mark + 1, 1).toCaseFolded();
    }
};

TEST_F(MenuKeysTest, LettersAreDistinctInEachMenuAndFollowTheLanguage) {
    fake.settingsKey->values["language"] = "Russian";
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QApplication::setActiveWindow(form.get());
    const QList<QStringList> russian = Letters();
    for (const QStringList& group : russian) {
        EXPECT_FALSE(group.contains(QString()));
        EXPECT_EQ(QSet<QString>(group.begin(), group.end()).size(), group.size())
            << group.join(',').toStdString();
    }
    EXPECT_EQ(russian.first().first(), "г");  // "Гадания"

    // Alt and the letter of "Вид" open that menu; F10 opens the first one.
    QMenu* view = form->menu().View1->menu();
    const QChar letter = russian.first()[3].toUpper().at(0);
    QTest::sendKeyEvent(QTest::Click, form.get(), static_cast<Qt::Key>(letter.unicode()), letter,
                        Qt::AltModifier);
    EXPECT_TRUE(view->isVisible());
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    QTest::keyClick(form.get(), Qt::Key_F10);
    EXPECT_TRUE(form->menu().Menu1->menu()->isVisible());
}

}  // namespace
