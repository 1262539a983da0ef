#include <gtest/gtest.h>

#include "fakes/RecordingHelpViewer.h"
#include "fakes/RecordingShell.h"
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

struct ShowHelpRow {
    const char* language;
    bool desktopOpens;
    bool bookExists;
    int handedToDesktop;
    bool inHelpWindow;
    bool shown;
};

TEST(HelpFilesTest, RussianBookGoesToTheHelpWindowWhenTheDesktopCannotOpenIt) {
    const ShowHelpRow rows[] = {
        {"Russian", true, true, 1, false, true},
        {"Russian", false, true, 1, true, true},
        {"Russian", false, false, 1, true, false},  // nothing to show: the caller says so
        {"English", false, true, 0, true, true},
    };
    for (const ShowHelpRow& row : rows) {
        TestAppDir app;
        app.write("Reruv.html", "<html></html>");
        if (row.bookExists) app.write("Langs/Russian/ReruvBook.html", "<html></html>");
        RecordingShell shell;
        shell.result = row.desktopOpens;
        RecordingHelpViewer viewer;
        const QString help = row.language == QString("Russian") ? RussianHelpBook(app.path())
                                                                : StartHelpFile(app.path());
        EXPECT_EQ(
            ShowHelp(nullptr, shell, viewer, app.path(), row.language, app.path() + "/Reruv.html"),
            row.shown);
        EXPECT_EQ(shell.opened, QStringList(row.handedToDesktop, help)) << row.language;
        EXPECT_EQ(viewer.shown, QStringList(row.inHelpWindow ? 1 : 0, help)) << row.language;
    }
}

}  // namespace
