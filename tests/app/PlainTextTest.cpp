// Names and meanings that look like markup are shown as they were typed, wherever a person
// meets them.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

#include "music/Musas.h"
#include "platform/QtMessageBoxes.h"
#include "support/MainWindowTest.h"
#include "support/ModalDialog.h"
#include "table/CardImage.h"
#include "table/ShowForm.h"
#include "table/Shuffle.h"

namespace {

const QString kName = QString::fromUtf8("Тест {a} <i>&");
const QString kMeaning = "<b>x</b>";
const QString kSecondMeaning = "a &amp; <u>b</u>";

// What a person reads in a text that the toolkit takes for rich text where it looks like it.
QString Rendered(const QString& text, Qt::TextFormat format) {
    const bool rich =
        format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text));
    return rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
}

// Every text the window shows in a label or a tooltip, as a person reads it.
QStringList ShownTexts(const QWidget* window) {
    QStringList shown;
    for (const QLabel* label : window->findChildren<QLabel*>())
        shown << Rendered(label->text(), label->textFormat());
    for (const QWidget* widget : window->findChildren<QWidget*>())
        shown << Rendered(widget->toolTip(), Qt::AutoText);
    shown.removeAll(QString());
    return shown;
}

// The texts of the next modal window of type T, which then closes.
template <typename T>
QStringList ShownInNextModal(const std::function<void()>& open) {
    QStringList shown;
    OnNextModal<T>([&shown](T* window) {
        shown = ShownTexts(window);
        window->close();
    });
    open();
    return shown;
}

class PlainTextTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeSpread(
            kName, 3,
            {{true, 10, 10, "Me"}, {false, 120, 10, kMeaning}, {false, 230, 10, kSecondMeaning}});
    }
};

TEST_F(PlainTextTest, MarkupInNamesAndMeaningsIsShownLiterally) {
    open();
    startReading(kName, 60);
    shuffle();
    const QRect pile = PileRect(form->size());
    clickTable({pile.left() + 1, pile.center().y()});
    ASSERT_TRUE(form->reading().DeckLaidOut());
    const QStringList table = ShownTexts(form.get());

    // The first ordinary position is dealt, turned and explained.
    for (int slot = form->reading().DeckSize - 1; slot >= 0; --slot) {
        const TCard& card = form->reading().Deck()[slot];
        if (card.X < 0) continue;
        clickTable({card.X + 5, card.Y + 5});
        break;
    }
    auto* position = form->findChild<CardImage*>("PositionImage1");
    QTest::mouseClick(position, Qt::LeftButton);
    const QStringList explanation =
        ShownInNextModal<TForm4>([&] { QTest::mouseClick(position, Qt::LeftButton); });

    const QStringList associations = ShownInNextModal<TForm17>([&] {
        TForm17 dialog(form->program().Messages, app.path(), app.path(), form->program().SpreadList,
                       *fake.platform.openFileDialog, *fake.platform.messageBoxes);
        dialog.exec();
    });
    const QStringList message = ShownInNextModal<QMessageBox>(
        [&] { QtMessageBoxes().showMessage(form.get(), "'" + kName + "'"); });
    const QStringList question = ShownInNextModal<QMessageBox>([&] {
        QtMessageBoxes().ask(form.get(), "?", kMeaning, QMessageBox::Ok | QMessageBox::Cancel);
    });

    const struct {
        const char* where;
        const QStringList& shown;
        QString text;
    } places[] = {
        {"spread name in the left column", table, kName},
        {"prompt in the left column", table, kMeaning},
        {"tip of the first position", table, "1. " + kMeaning},
        {"tip of the second position", table, "2. " + kSecondMeaning},
        {"heading of the explanation window", explanation, kMeaning},
        {"spread in the music associations", associations, kName},
        {"message", message, "'" + kName + "'"},
        {"question", question, kMeaning},
    };
    for (const auto& place : places)
        EXPECT_TRUE(place.shown.filter(place.text).size() > 0)
            << place.where << ": " << place.shown.join(" | ").toStdString();
}

}  // namespace
