#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>

#include <gtest/gtest.h>

#include "fakes/RecordingMessageBoxes.h"
#include "support/ModalDialog.h"
#include "support/TestAppDir.h"
#include "table/SelSave.h"
#include "table/ShowForm.h"

namespace {

// Answers the save options dialog: the two boxes, then OK.
void AnswerSelSave(bool withDeck, bool asDefault) {
    OnNextModal<TForm13>([withDeck, asDefault](TForm13* dialog) {
        dialog->CheckBox1()->setChecked(withDeck);
        dialog->CheckBox2()->setChecked(asDefault);
        QTest::mouseClick(dialog->Button1(), Qt::LeftButton);
    });
}

class ShowFormTest : public ::testing::Test {
protected:
    TestAppDir app;
    RecordingMessageBoxes boxes;
    CardSaveOptions options;
    ExplanationContext context;

    ShowFormTest() {
        context.AppDir = app.path();
        context.settings.DeckName = "Test";
        context.DeckDir = app.path() + "/Pics/Test";
        context.settings.LanguageName = "Russian";
        for (int card = 0; card < kCardCount; ++card)
            context.CardTitles[card] = "Card " + QString::number(card);
        QStringList messages;
        for (int i = 0; i < 139; ++i) messages.append("message " + QString::number(i));
        context.Messages.replace(messages);
        context.messageBoxes = &boxes;
        context.saveOptions = &options;
        app.write("Pics/Test/.keep", {});
    }

    void writeText(const QString& relative, const QByteArray& bytes) { app.write(relative, bytes); }
    QByteArray fileBytes(const QString& relative) const {
        QFile file(app.path() + "/" + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString load(int card, bool reversed = false) const {
        return LoadCardText(context.AppDir, context.UserDir, context.DeckDir,
                            context.settings.LanguageName, card, reversed);
    }
    // A picture of card N, red in its top half and blue in its bottom half.
    void writeFace(int card, QSize size) const {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        for (int y = 0; y < size.height() / 2; ++y)
            for (int x = 0; x < size.width(); ++x) image.setPixelColor(x, y, Qt::red);
        ASSERT_TRUE(image.save(app.path() + "/Pics/Test/" + QString::number(card) + ".jpg"));
    }
    // Types into the text field and releases the keys, as the user does.
    static void type(TForm4& form, const QString& text) { QTest::keyClicks(form.Memo1(), text); }
};

bool IsRed(const QColor& c) { return c.red() > 200 && c.blue() < 60; }
bool IsBlue(const QColor& c) { return c.blue() > 200 && c.red() < 60; }

TEST_F(ShowFormTest, LoadCardTextLooksInDeckThenLanguageThenEnglish) {
    writeText("Langs/English/Texts/5.txt", "english five");
    EXPECT_EQ(load(5), "english five");
    writeText("Langs/Russian/Texts/5.txt", "russian five");
    EXPECT_EQ(load(5), "russian five");
    // A deck file that exists but is empty is passed over.
    writeText("Pics/Test/5.txt", "");
    EXPECT_EQ(load(5), "russian five");
    writeText("Pics/Test/5.txt", "deck five");
    EXPECT_EQ(load(5), "deck five");
    // Reversed texts have their own files; none at all gives an empty text.
    EXPECT_EQ(load(5, true), "");
    writeText("Langs/English/Texts/5r.txt", "english five reversed");
    EXPECT_EQ(load(5, true), "english five reversed");
}

TEST_F(ShowFormTest, EmptyLanguageFileIsUsedAsItIs) {
    writeText("Langs/English/Texts/9.txt", "english nine");
    writeText("Langs/Russian/Texts/9.txt", "");
    EXPECT_EQ(load(9), "");
}

TEST_F(ShowFormTest, TextsAreDecodedAndUnsafeNamesReadNothing) {
    writeText("Langs/Russian/Texts/1.txt", QByteArray("\xcc\xe0\xe3", 3));  // cp1251
    EXPECT_EQ(load(1), QString::fromUtf8("Маг"));
    context.settings.LanguageName = "..";
    writeText("Texts/1.txt", "outside");
    EXPECT_EQ(load(1), "");
}

TEST_F(ShowFormTest, SavedTextsAreUtf8AndOlderCodePageTextsStillRead) {
    // Saved text, whatever its script, is written as UTF-8 and reads back the same.
    const QString russian = QString::fromUtf8("Маг ведёт\nк цели");
    for (const QString& text : {russian, QString::fromUtf8("Ωμέγα"), QString("plain")}) {
        ASSERT_TRUE(WriteCardText(CardTextPaths(app.path(), app.path(), context.DeckDir, "Russian", 3, false),
                                  CardSaveOptions{}, text)
                        .isEmpty());
        const QString stored = QString(text).replace("\n", "\r\n");  // lines end in CR LF
        EXPECT_EQ(fileBytes("Pics/Test/3.txt"), stored.toUtf8());
        EXPECT_EQ(load(3), stored);
    }
    // An older text in Windows-1251 still reads.
    writeText("Pics/Test/4.txt", QByteArray::fromHex("CCE0E320E2E5E4B8F20D0AEA20F6E5EBE8"));
    EXPECT_EQ(load(4), QString(russian).replace("\n", "\r\n"));
}

// Installed, the program's texts stay as they came: the user's edits go to own copies in the
// user's folder, which are read first from then on. A deck the user imported is the user's own.
TEST_F(ShowFormTest, InstalledTheUsersEditsGoToTheirOwnCopies) {
    const TestAppDir user;
    writeText("Langs/Russian/Texts/4.txt", "bundled default");
    struct Row {
        const char* name;
        int card;
        QString deckDir;
        CardSaveOptions options;
        QString written;  // under the user's folder
    };
    const QString ownDeck = user.path() + "/Pics/Mine";
    QDir().mkpath(ownDeck);
    for (const Row& row :
         {Row{"bundledDeck", 3, context.DeckDir, {true, false}, "Explanations/Pics/Test/3.txt"},
          Row{"default", 4, context.DeckDir, {false, true},
              "Explanations/Langs/Russian/Texts/4.txt"},
          Row{"ownDeck", 5, ownDeck, {true, false}, "Pics/Mine/5.txt"}}) {
        const QString text = QString("edited ") + row.name;
        const CardTextFiles files =
            CardTextPaths(app.path(), user.path(), row.deckDir, "Russian", row.card, false);
        ASSERT_TRUE(WriteCardText(files, row.options, text).isEmpty()) << row.name;
        QFile written(user.path() + "/" + row.written);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << row.name;
        EXPECT_EQ(written.readAll(), text.toUtf8()) << row.name;
        EXPECT_EQ(LoadCardText(app.path(), user.path(), row.deckDir, "Russian", row.card, false),
                  text)
            << row.name;
    }
    EXPECT_EQ(fileBytes("Langs/Russian/Texts/4.txt"), "bundled default");
    EXPECT_EQ(fileBytes("Pics/Test/3.txt"), "<missing>");
}

TEST_F(ShowFormTest, WindowShowsTitleHeadingAndText) {
    writeText("Langs/Russian/Texts/12r.txt", "first line\r\nsecond line");
    TForm4 form(context, 12, true, "What crosses you");
    EXPECT_EQ(form.windowTitle(), "Card 12 (message 78)");
    EXPECT_EQ(form.Label1()->text(), form.windowTitle());
    EXPECT_EQ(form.Label2()->text(), "What crosses you");
    EXPECT_EQ(form.Memo1()->toPlainText(), "first line\nsecond line");
    EXPECT_EQ(form.Button1()->text(), "message 71");
    EXPECT_EQ(form.Button2()->text(), "message 5");
    EXPECT_FALSE(form.Button2()->isEnabled());
    EXPECT_FALSE(form.TextModified());
}

TEST_F(ShowFormTest, ProportionalPictureNarrowsTheArea) {
    writeFace(3, QSize(120, 200));
    context.settings.KeepActualSize = false;
    TForm4 form(context, 3, false, {});
    EXPECT_EQ(form.Image1()->geometry(), QRect(24, 80, 174, 290));
    EXPECT_EQ(form.Image1()->pixmap().size(), QSize(174, 290));
    // A wide picture shortens it instead.
    EXPECT_EQ(ExplanationPictureSize({400, 300}, {200, 290}, false), QSize(200, 150));
    // A degenerate area shows nothing instead of dividing by zero.
    EXPECT_EQ(ExplanationPictureSize({120, 200}, {0, 290}, false), QSize(0, 0));
}

TEST_F(ShowFormTest, ActualSizeWhenThePictureFitsElseTheWholeArea) {
    writeFace(3, QSize(120, 200));
    writeFace(4, QSize(300, 500));
    TForm4 fits(context, 3, false, {});
    EXPECT_EQ(fits.Image1()->size(), QSize(200, 290));
    EXPECT_EQ(fits.Image1()->pixmap().size(), QSize(120, 200));
    TForm4 large(context, 4, false, {});
    EXPECT_EQ(large.Image1()->pixmap().size(), QSize(200, 290));
    // A missing picture leaves the area empty.
    TForm4 missing(context, 5, false, {});
    EXPECT_TRUE(missing.Image1()->pixmap().isNull());
}

TEST_F(ShowFormTest, ReversedPictureTurnsUnlessKeptStraight) {
    writeFace(7, QSize(100, 160));
    writeText("Langs/Russian/Texts/7r.txt", "reversed seven");
    TForm4 turned(context, 7, true, {});
    QImage shown = turned.Image1()->pixmap().toImage();
    EXPECT_TRUE(IsBlue(shown.pixelColor(50, 20)));
    EXPECT_TRUE(IsRed(shown.pixelColor(50, 140)));

    context.settings.KeepStraight = true;
    TForm4 straight(context, 7, true, {});
    shown = straight.Image1()->pixmap().toImage();
    EXPECT_TRUE(IsRed(shown.pixelColor(50, 20)));
    EXPECT_TRUE(IsBlue(shown.pixelColor(50, 140)));
    EXPECT_EQ(straight.Memo1()->toPlainText(), "reversed seven");
    EXPECT_EQ(straight.windowTitle(), "Card 7 (message 78)");
}

TEST_F(ShowFormTest, EditingMarksModifiedEvenWhenUndoneByHand) {
    writeText("Langs/Russian/Texts/2.txt", "abc");
    TForm4 form(context, 2, false, {});
    form.show();
    form.Memo1()->moveCursor(QTextCursor::End);
    type(form, "d");
    EXPECT_TRUE(form.TextModified());
    EXPECT_TRUE(form.Button2()->isEnabled());
    QTest::keyClick(form.Memo1(), Qt::Key_Backspace);
    EXPECT_EQ(form.Memo1()->toPlainText(), "abc");
    EXPECT_TRUE(form.TextModified());
    EXPECT_TRUE(form.Button2()->isEnabled());
}

TEST_F(ShowFormTest, SaveWithDeckWritesTheDeckFile) {
    TForm4 form(context, 10, false, {});
    form.show();
    type(form, "new text");
    form.Memo1()->appendPlainText("second");
    AnswerSelSave(true, false);
    QTest::mouseClick(form.Button2(), Qt::LeftButton);
    EXPECT_EQ(fileBytes("Pics/Test/10.txt"), "new text\r\nsecond");
    EXPECT_FALSE(form.TextModified());
    EXPECT_FALSE(form.Button2()->isEnabled());
    EXPECT_EQ(form.LoadedText(), "new text\nsecond");
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST_F(ShowFormTest, SaveAsDefaultWritesEnglishWhereTheLanguageLacksTheFile) {
    writeText("Langs/English/Texts/11r.txt", "old");
    app.write("Langs/Russian/Texts/.keep", {});
    TForm4 form(context, 11, true, {});
    form.show();
    form.Memo1()->selectAll();
    type(form, "mine");
    AnswerSelSave(false, true);
    form.SaveCardText();
    EXPECT_EQ(fileBytes("Langs/English/Texts/11r.txt"), "mine");
    EXPECT_EQ(fileBytes("Langs/Russian/Texts/11r.txt"), "<missing>");
    EXPECT_EQ(fileBytes("Pics/Test/11r.txt"), "<missing>");
    // The choice is kept for the next save.
    EXPECT_FALSE(options.SaveWithDeck);
    EXPECT_TRUE(options.SaveAsDefault);
}

TEST_F(ShowFormTest, SelSaveClosedWithoutOkKeepsTheOptionsAndStillSaves) {
    options.SaveWithDeck = true;
    TForm4 form(context, 13, false, {});
    form.show();
    type(form, "kept");
    OnNextModal<TForm13>([](TForm13* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "message 5");
        EXPECT_EQ(dialog->CheckBox1()->text(), "message 72");
        dialog->CheckBox1()->setChecked(false);
        dialog->CheckBox2()->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form.SaveCardText();
    EXPECT_TRUE(options.SaveWithDeck);
    EXPECT_FALSE(options.SaveAsDefault);
    EXPECT_EQ(fileBytes("Pics/Test/13.txt"), "kept");
}

TEST_F(ShowFormTest, FailedSaveSaysSoAndKeepsTheTextModified) {
    context.DeckDir = app.path() + "/Pics/Gone";  // its directory does not exist
    TForm4 form(context, 14, false, {});
    form.show();
    type(form, "precious");
    AnswerSelSave(true, false);
    form.SaveCardText();
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(boxes.shown[0].startsWith("Could not write in a file."));
    // The file and the reason it could not be written.
    EXPECT_TRUE(boxes.shown[0].contains(QDir(app.path()).filePath("Pics/Gone/14.txt") + ": "));
    EXPECT_TRUE(form.TextModified());
    EXPECT_TRUE(form.Button2()->isEnabled());
    EXPECT_EQ(form.LoadedText(), "");
}

TEST_F(ShowFormTest, ClosingAModifiedTextAsksAndOkSaves) {
    TForm4 form(context, 15, false, {});
    form.show();
    type(form, "keep me");
    boxes.answers = {QMessageBox::Ok};
    AnswerSelSave(true, false);
    QTest::mouseClick(form.Button1(), Qt::LeftButton);
    ASSERT_EQ(boxes.asked, QStringList{"message 126"});
    EXPECT_EQ(boxes.askedCaption, QStringList{"message 127"});
    EXPECT_EQ(fileBytes("Pics/Test/15.txt"), "keep me");
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ShowFormTest, ClosingAndDecliningDiscards) {
    TForm4 form(context, 16, false, {});
    form.show();
    type(form, "throw away");
    boxes.answers = {QMessageBox::Cancel};
    QTest::keyClick(form.Memo1(), Qt::Key_Escape);
    EXPECT_EQ(boxes.asked.size(), 1);
    EXPECT_EQ(fileBytes("Pics/Test/16.txt"), "<missing>");
    EXPECT_FALSE(form.isVisible());
}

// However it closed, even from the question about the changed text, the window it was opened
// from is active again, so the keyboard goes on there.
TEST_F(ShowFormTest, ClosingGivesTheKeysBackToTheWindowBelow) {
    QWidget window;
    window.show();
    OnNextModal<TForm4>([&](TForm4* form) {
        type(*form, "x");
        boxes.answers = {QMessageBox::Cancel};
        QTest::keyClick(form->Memo1(), Qt::Key_Escape);
    });
    ShowCardExplanation(context, 5, false, {}, &window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 1000));
}

TEST_F(ShowFormTest, UnmodifiedTextClosesWithoutAQuestion) {
    TForm4 form(context, 17, false, {});
    form.show();
    form.close();
    EXPECT_TRUE(boxes.asked.isEmpty());
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ShowFormTest, ClosingStaysOpenWhenTheSaveFails) {
    context.DeckDir = app.path() + "/Pics/Gone";
    TForm4 form(context, 18, false, {});
    form.show();
    type(form, "precious");
    boxes.answers = {QMessageBox::Ok};
    AnswerSelSave(true, false);
    form.close();
    EXPECT_EQ(boxes.shown.size(), 1);
    EXPECT_TRUE(form.isVisible());
    // Declining the second time lets it close.
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(ShowFormTest, ExtraCardClickOpensItsExplanation) {
    writeText("Langs/Russian/Texts/78.txt", "the extra one");
    QString heading, text, title;
    OnNextModal<TForm4>([&](TForm4* form) {
        heading = form->Label2()->text();
        text = form->Memo1()->toPlainText();
        title = form->windowTitle();
        QTest::mouseClick(form->Button1(), Qt::LeftButton);
    });
    AdditClick(context, 78, false);
    EXPECT_EQ(heading, "message 74");
    EXPECT_EQ(text, "the extra one");
    EXPECT_EQ(title, "Card 78");
    // A card number outside the deck opens nothing.
    ShowCardExplanation(context, 79, false, {});
}

}  // namespace
