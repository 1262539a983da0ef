#include <functional>
#include <memory>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "decks/SelectDk.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "i18n/SelLang.h"
#include "spreads/SeCard.h"
#include "spreads/SelectSp.h"
#include "support/LanguageData.h"
#include "support/TestAppDir.h"

namespace {

// One list dialog opened with nothing preselected, and the title of its confirmed choice.
struct ListDialogCase {
    const char* name;
    std::function<std::unique_ptr<QDialog>(const TestAppDir&)> make;
    std::function<QString(QDialog*)> chosen;
};

MessageList Messages() {
    MessageList messages;
    messages.replace(NumberedLines("m", Msg::Count));
    return messages;
}

CardListContext Cards(bool manualInput) {
    CardListContext context;
    context.ManualInput = manualInput;
    for (int card = 0; card < kCardCount; ++card)
        context.CardTitles[card] = "Card " + QString::number(card);
    return context;
}

QString CardTitle(QDialog* dialog) {
    return "Card " + QString::number(static_cast<TForm11*>(dialog)->ChosenCard());
}

std::vector<ListDialogCase> Cases() {
    return {
        {"spread list",
         [](const TestAppDir&) {
             return std::make_unique<TForm2>(QStringList{"Seven Cards Ellipse", "Question"}, "Gone",
                                             "c", "OK", "Cancel", "");
         },
         [](QDialog* d) { return static_cast<TForm2*>(d)->chosenName(); }},
        {"significator list",
         [](const TestAppDir&) { return std::make_unique<TForm11>(Cards(false)); }, CardTitle},
        {"deck list", [](const TestAppDir&) { return std::make_unique<TForm11>(Cards(true)); },
         CardTitle},
        {"languages",
         [](const TestAppDir& app) {
             return std::make_unique<TForm20>(Messages(), app.path(), "Gone");
         },
         [](QDialog* d) { return static_cast<TForm20*>(d)->LanguageName(); }},
        {"decks",
         [](const TestAppDir& app) {
             return std::make_unique<TForm3>(Messages(), QStringList{app.path() + "/Pics"}, "Gone",
                                             true, true);
         },
         [](QDialog* d) { return static_cast<TForm3*>(d)->DeckName(); }},
    };
}

// Opened modally with the list holding the focus, a list dialog has nothing chosen: OK is
// off, Return does nothing and the card preview is hidden. An arrow key is a choice: it picks
// the first entry, and Return then confirms it.
TEST(ListChoiceTest, NothingIsChosenUntilThePersonChooses) {
    TestAppDir app;
    for (const char* entry : {"Alpha", "Beta"}) {
        app.write(QString("Langs/") + entry + "/List.lng", "x");
        app.write(QString("Pics/") + entry + "/0.jpg", "x");
    }
    for (const ListDialogCase& row : Cases()) {
        SCOPED_TRACE(row.name);
        std::unique_ptr<QDialog> dialog = row.make(app);
        auto* list = dialog->findChild<QListWidget*>("ListBox1");
        auto* ok = dialog->findChild<QPushButton*>("Button1");
        auto* preview = dialog->findChild<QLabel*>("Image1");
        bool focused = false, okAtOpen = true, openAfterReturn = false, okAfterArrow = false;
        QTimer::singleShot(0, [&] {
            focused = QTest::qWaitFor([&] { return QApplication::focusWidget() == list; });
            okAtOpen = ok->isEnabled() || (preview && preview->isVisible());
            QTest::keyClick(list, Qt::Key_Return);
            openAfterReturn = dialog->isVisible();
            QTest::keyClick(list, Qt::Key_Down);
            okAfterArrow = ok->isEnabled();
            QTest::keyClick(list, Qt::Key_Return);
            if (dialog->isVisible()) dialog->reject();
        });
        const int result = dialog->exec();
        EXPECT_TRUE(focused);
        EXPECT_FALSE(okAtOpen);
        EXPECT_TRUE(openAfterReturn);
        EXPECT_TRUE(okAfterArrow);
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(row.chosen(dialog.get()), list->item(0)->text());
    }
}

}  // namespace
