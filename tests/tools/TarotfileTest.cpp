#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

#include "spreads/SpreadFile.h"
#include "support/TestAppDir.h"

namespace {

struct ToolRun {
    int exitCode;
    QByteArray out;
    QByteArray err;
};

ToolRun Tarotfile(const QStringList& arguments) {
    QProcess process;
    process.start(TAROTFILE_PATH, arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(TarotfileTest, EncodeAndDecodeRoundTrip) {
    TestAppDir dir;
    const QByteArray text =
        "3\nS100,20,The querent\n250,20,The past, and what it left\n"
        "400,20,\xD0\x91\xD1\x83\xD0\xB4\xD1\x83\xD1\x89\xD0\xB5\xD0\xB5\n";
    dir.write("in.txt", text);
    ToolRun run = Tarotfile({"spread", "encode", dir.path() + "/in.txt", dir.path() + "/a.spread"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(ReadSpreadFile(dir.path() + "/a.spread").lines.value(2).text,
              QString::fromUtf8("Будущее"));
    run = Tarotfile({"spread", "decode", dir.path() + "/a.spread"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, text);
}

TEST(TarotfileTest, ReadingEncodeAndDecodeRoundTrip) {
    TestAppDir dir;
    QDir().mkpath(dir.path() + "/Spreads");
    ASSERT_TRUE(WriteSpreadFile(dir.path() + "/Spreads/Question.spread", 2,
                                {{false, 0, 0, "a"}, {false, 100, 0, "b"}}));
    QByteArray deck;
    for (int i = 0; i < 22; ++i)
        deck += QByteArray(i ? "," : "") + "{\"card\":" + QByteArray::number(21 - i) +
                ",\"reversed\":" + (i == 16 ? "true" : "false") + "}";
    const QByteArray json =
        "{\"format\":\"marked\",\"deckSize\":22,\"spread\":\"question\","
        "\"deck\":[" +
        deck +
        "],\"positions\":[5,17],"
        "\"comment\":\"Good\\nday\"}\n";
    dir.write("in.json", json);
    const QString reading = dir.path() + "/out.reading";
    ToolRun run = Tarotfile({"reading", "encode", dir.path() + "/in.json", reading});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    run = Tarotfile({"reading", "decode", reading, dir.path() + "/Spreads"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, json);
}

TEST(TarotfileTest, BadInputFailsWithOneLine) {
    TestAppDir dir;
    dir.write("bad.spread", ScrambleText("abcdef2\r\nabcdef1;2;x\r\n"));
    dir.write("bad.txt", "two\n1,2,x\n");
    const QList<QStringList> cases = {
        {"spread", "decode", dir.path() + "/missing.spread"},
        {"spread", "decode", dir.path() + "/bad.spread"},
        {"spread", "encode", dir.path() + "/bad.txt", dir.path() + "/out.spread"},
        {"spread", "frobnicate"},
        {"reading", "decode", dir.path() + "/missing.reading", dir.path()},
        {"reading", "decode", dir.path() + "/bad.spread", dir.path()},
        {"reading", "decode", dir.path(), dir.path()},
        {"reading", "encode", dir.path() + "/bad.txt", dir.path() + "/out.reading"},
        {"reading", "encode", dir.path() + "/deck.json", dir.path() + "/out.reading"}};
    dir.write("deck.json", R"({"spread":"Q","deck":[{"card":79}],"positions":[]})");
    for (const QStringList& arguments : cases) {
        const ToolRun run = Tarotfile(arguments);
        EXPECT_NE(run.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
    }
}

TEST(TarotfileTest, BundledSpreadsDecode) {
    for (const char* name : {"Seven Cards Ellipse", "Relationship", "Question"}) {
        const SpreadContent content =
            ReadSpreadFile(QString(LUMENFOLD_APPDIR) + "/Spreads/" + name + ".spread");
        EXPECT_EQ(content.status, SpreadReadStatus::Ok) << name;
        EXPECT_EQ(content.count, content.lines.size()) << name;
        EXPECT_TRUE(content.lines.value(0).significator) << name;
    }
}

}  // namespace
