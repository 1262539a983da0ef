#include <gtest/gtest.h>

#include "i18n/HelpFiles.h"
#include "support/TestAppDir.h"

namespace {

TEST(HelpFilesTest, RussianBookWinsOnlyForRussianSpelledExactly) {
    TestAppDir app;
    const QString start = StartHelpFile(app.path());
    app.write("Langs/Russian/Reruv.html", "<html></html>");
    EXPECT_EQ(HelpFileForLanguage(app.path(), "Russian", start),
              app.path() + "/Langs/Russian/Reruv.html");
    app.write("Langs/Russian/ReruvBook.html", "<html></html>");
    EXPECT_EQ(HelpFileForLanguage(app.path(), "Russian", start), RussianHelpBook(app.path()));
    EXPECT_EQ(RussianHelpBook(app.path()), app.path() + "/Langs/Russian/ReruvBook.html");
    app.write("Langs/russian/List.lng", "x");
    EXPECT_EQ(HelpFileForLanguage(app.path(), "russian", start), start);
    EXPECT_TRUE(OpensRussianHelpBook("Russian"));
    EXPECT_FALSE(OpensRussianHelpBook("russian"));
    EXPECT_FALSE(OpensRussianHelpBook("English"));
}

}  // namespace
