#include <QFile>

#include <gtest/gtest.h>

#include "platform/QtShell.h"
#include "support/TestAppDir.h"

namespace {

struct OpenerRow {
    const char* name;
    const char* script;  // the xdg-open on the path; none: no opener at all
    bool opened;
};

// The desktop's answer counts: an opener that finds no program for the file, or no opener,
// is a failure the caller can act on.
TEST(QtShellTest, OpeningFailsWhenTheDesktopOpenerFails) {
    const OpenerRow rows[] = {
        {"opener succeeds", "#!/bin/sh\nexit 0\n", true},
        {"no program for the file", "#!/bin/sh\nexit 3\n", false},
        {"no opener", nullptr, false},
    };
    const QByteArray path = qgetenv("PATH");
    for (const OpenerRow& row : rows) {
        TestAppDir dir;
        dir.write("page.html", "<html></html>");
        if (row.script) {
            dir.write("bin/xdg-open", row.script);
            QFile::setPermissions(dir.path() + "/bin/xdg-open",
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", (dir.path() + "/bin").toLocal8Bit());
        EXPECT_EQ(QtShell().openFile(dir.path() + "/page.html"), row.opened) << row.name;
        qputenv("PATH", path);
    }
}

}  // namespace
