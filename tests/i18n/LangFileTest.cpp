#include <gtest/gtest.h>

#include "i18n/LangFile.h"
#include "support/TestAppDir.h"

namespace {

QList<QByteArray> Lines(std::initializer_list<const char*> texts) {
    QList<QByteArray> lines;
    for (const char* text : texts) lines << QByteArray(text);
    return lines;
}

TEST(LangFileTest, LoneLineFeedsDoNotEndLines) {
    EXPECT_EQ(SplitLangLines("OK\nCancel\nReadings\n"), Lines({"OK\nCancel\nReadings\n"}));
    // Only the one LF right after a CR belongs to the line end.
    EXPECT_EQ(SplitLangLines("a\r\n\nb\n\r"), Lines({"a", "\nb\n"}));
}

TEST(LangFileTest, CrLfCrAndMissingFinalLineEndGiveTheSameLines) {
    const QList<QByteArray> expected = Lines({"OK", "Cancel", "Readings"});
    EXPECT_EQ(SplitLangLines("OK\r\nCancel\r\nReadings\r\n"), expected);
    EXPECT_EQ(SplitLangLines("OK\r\nCancel\r\nReadings"), expected);
    EXPECT_EQ(SplitLangLines("OK\rCancel\rReadings\r"), expected);
    EXPECT_EQ(SplitLangLines("OK\rCancel\r\nReadings"), expected);
}

TEST(LangFileTest, EmptyLinesKeepTheNumbering) {
    EXPECT_EQ(SplitLangLines("a\r\n\r\n\r\nd\r\n"), Lines({"a", "", "", "d"}));
    EXPECT_EQ(SplitLangLines("\r\nb"), Lines({"", "b"}));
    // An empty last line adds nothing, but a line end after an empty line still counts it.
    EXPECT_EQ(SplitLangLines("a\r\n\r\n"), Lines({"a", ""}));
    EXPECT_TRUE(SplitLangLines("").isEmpty());
}

TEST(LangFileTest, EachLineIsDecodedOnItsOwn) {
    // One line in Windows-1251 ("Колода"), the next in UTF-8 ("Карты").
    const QByteArray text = "\xCA\xEE\xEB\xEE\xE4\xE0\r\n\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD1\x8B";
    EXPECT_EQ(DecodeLangLines(text), QStringList({"Колода", "Карты"}));
}

TEST(LangFileTest, MissingLanguageFilesFallBackToEnglish) {
    TestAppDir app;
    app.write("Langs/Russian/List.lng", "x");
    app.write("Langs/English/Cards.lng", "x");
    app.write("x/Cards.lng", "x");
    EXPECT_EQ(LanguageFilePath(app.path(), "Russian", "List.lng"),
              app.path() + "/Langs/Russian/List.lng");
    EXPECT_EQ(LanguageFilePath(app.path(), "Russian", "Cards.lng"),
              app.path() + "/Langs/English/Cards.lng");
    // A folder named like the file is not the file.
    app.write("Langs/Folder/Cards.lng/inner", "x");
    EXPECT_EQ(LanguageFilePath(app.path(), "Folder", "Cards.lng"),
              app.path() + "/Langs/English/Cards.lng");
    // A language name never leads out of the Langs folder.
    EXPECT_EQ(LanguageFilePath(app.path(), "../../x", "Cards.lng"),
              app.path() + "/Langs/English/Cards.lng");
    EXPECT_EQ(LanguageFilePath(app.path(), "..", "x/Cards.lng"),
              app.path() + "/Langs/English/x/Cards.lng");
}

}  // namespace
