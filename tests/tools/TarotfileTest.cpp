#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include "spreads/SpreadFile.h"
#include "support/FullDisk.h"
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
        "\"comment\":\"Good\\r\\nday\\r\\r\\nand a lone\\nline\"}\n";
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

TEST(TarotfileTest, AFailedWriteSaysWhyAndKeepsTheOldSpread) {
    TestAppDir dir;
    dir.write("in.txt", "1\n100,20,The answer\n");
    const QString in = dir.path() + "/in.txt";
    const auto expectOneLineFailure = [](const ToolRun& run, const QString& out) {
        EXPECT_NE(run.exitCode, 0) << out.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.constData();
        EXPECT_TRUE(run.err.contains(out.toUtf8() + ": ")) << run.err.constData();
    };
    // Places nobody can write to, root included.
    for (const QString& out : {dir.path() + "/none/a.spread", QString("/proc/a.spread")})
        expectOneLineFailure(Tarotfile({"spread", "encode", in, out}), out);

    FullDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString out = disk.path() + "/a.spread";
    ASSERT_EQ(Tarotfile({"spread", "encode", in, out}).exitCode, 0);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray old = file.readAll();
    file.close();
    disk.fill();
    dir.write("long.txt", "1\n100,20," + QByteArray(3000, 'x') + "\n");
    expectOneLineFailure(Tarotfile({"spread", "encode", dir.path() + "/long.txt", out}), out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_EQ(disk.entries(), QStringList({"a.spread", "filler"}));
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
