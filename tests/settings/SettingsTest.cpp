#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

#include "fakes/MemorySettingsKey.h"
#include "platform/QtSettingsKey.h"
#include "settings/Settings.h"
#include "support/TestAppDir.h"

namespace {

class SettingsTest : public ::testing::Test {
protected:
    TestAppDir app;
    MemorySettingsKey key;
    Settings settings;

    void set(const QString& name, const QVariant& value) { key.values[name] = value; }
    void load() { LoadSettings(settings, key, app.path()); }
    QString written(const QString& name) { return key.values.value(name).toString(); }
};

TEST_F(SettingsTest, FirstStartGivesEveryDefault) {
    QDir(app.path()).mkdir("Music");
    load();
    EXPECT_EQ(settings.DeckName, "Ardentine");
    EXPECT_EQ(settings.LanguageName, "Russian");
    EXPECT_TRUE(settings.NewAgeCourtOrder);
    EXPECT_TRUE(settings.StrengthIsXI);
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(settings.EnlargedWidth, 200);
    EXPECT_EQ(settings.EnlargedHeight, 290);
    EXPECT_EQ(settings.ExplWindowWidth, 532);
    EXPECT_EQ(settings.ExplWindowHeight, 479);
    EXPECT_EQ(settings.TextFieldWidth, 229);
    EXPECT_EQ(settings.TextFieldHeight, 248);
    EXPECT_EQ(settings.PlayType, MusicOrder::AtRandom);
    EXPECT_EQ(settings.LastSignificator, -1);
    EXPECT_TRUE(settings.CutDeck);
    EXPECT_TRUE(settings.ShowTips);
    EXPECT_FALSE(settings.CutInThreePiles || settings.MajorOnly || settings.UseReverse ||
                 settings.DrawAutomatically || settings.PlayMusicOn);
    EXPECT_EQ(settings.MusicFile, app.path() + "/Music/Zeviruvuvedovi.var");
    EXPECT_EQ(settings.CurrentMusicFile, settings.MusicFile);
    EXPECT_EQ(settings.MusicDir, app.path() + "/Music");
}

TEST_F(SettingsTest, SwitchesFollowTheirReadingRule) {
    for (const char* on : {"yes", "Yes", "YES"}) {
        set("MajorOnly", on);
        load();
        EXPECT_TRUE(settings.MajorOnly) << on;
    }
    for (const char* off : {"1", "true", "", "yes "}) {
        set("MajorOnly", off);
        settings = Settings();
        load();
        EXPECT_FALSE(settings.MajorOnly) << off;
    }
    for (const char* off : {"no", "No", "NO"}) {
        set("UseTips", off);
        load();
        EXPECT_FALSE(settings.ShowTips) << off;
    }
    set("UseTips", "");
    load();
    EXPECT_TRUE(settings.ShowTips);
    key.values.remove("UseTips");
    settings = Settings();
    load();
    EXPECT_TRUE(settings.ShowTips);
}

TEST_F(SettingsTest, StrengthIsVIIIOnlyForExactlyEight) {
    set("Strength11", "8");
    load();
    EXPECT_FALSE(settings.StrengthIsXI);
    for (const char* other : {"08", " 8", "VIII", "11"}) {
        settings = Settings();
        set("Strength11", other);
        load();
        EXPECT_TRUE(settings.StrengthIsXI) << other;
    }
}

TEST_F(SettingsTest, IntegerGroupStopsAtTheFirstGap) {
    set("cdwidth", "310");
    set("fmwidth", "600");  // after the gap: ignored
    set("memowidth", "abc");
    set("memoheight", "300");
    load();
    EXPECT_EQ(settings.EnlargedWidth, 310);
    EXPECT_EQ(settings.EnlargedHeight, 290);
    EXPECT_EQ(settings.ExplWindowWidth, 532);
    EXPECT_EQ(settings.ExplWindowHeight, 479);
    EXPECT_EQ(settings.TextFieldWidth, 229);
    EXPECT_EQ(settings.TextFieldHeight, 248);
}

TEST_F(SettingsTest, UnreadableValuesKeepTheirDefaults) {
    set("backcolor", "green");
    set("playtype", QVariant());
    set("curquer", "12x");
    set("MajorOnly", 1);  // an integer where text belongs: treated as missing
    set("language", 5);
    set("DeckName", QStringList{"a", "b"});
    load();
    EXPECT_EQ(settings.BackColor, 1135889);
    EXPECT_EQ(settings.PlayType, MusicOrder::AtRandom);
    EXPECT_EQ(settings.LastSignificator, -1);
    EXPECT_FALSE(settings.MajorOnly);
    EXPECT_EQ(settings.LanguageName, "Russian");
    EXPECT_EQ(settings.DeckName, "Ardentine");
}

TEST_F(SettingsTest, PrintTypeReadsAndWritesItsThreeNames) {
    const QList<std::pair<QString, QString>> cases = {{"word", "RTF"},        {"rtf", "RTF"},
                                                      {"Html", "HTML"},       {"oo", "OO"},
                                                      {"printer", "PRINTER"}, {"Pdf", "PDF"}};
    for (const auto& [stored, rewritten] : cases) {
        settings = Settings();
        set("printtype", stored);
        load();
        SaveSettings(settings, key);
        EXPECT_EQ(written("printtype"), rewritten) << stored.toStdString();
    }
    settings.PrintType = static_cast<PrintFormat>(7);
    key.values.remove("printtype");
    SaveSettings(settings, key);
    EXPECT_FALSE(key.values.contains("printtype"));
}

TEST_F(SettingsTest, MissingMusicFileResetsFileAndFolder) {
    QDir(app.path()).mkpath("Music");
    QDir(app.path()).mkpath("Other");
    set("curmusdir", app.path() + "/Other");
    set("curmusfile", app.path() + "/Other/gone.mid");
    load();
    EXPECT_EQ(settings.MusicFile, app.path() + "/Music/Zeviruvuvedovi.var");
    EXPECT_EQ(settings.CurrentMusicFile, settings.MusicFile);
    EXPECT_EQ(settings.MusicDir, app.path() + "/Music");

    QDir(app.path()).rmdir("Music");
    settings = Settings();
    load();
    EXPECT_EQ(settings.MusicDir, app.path());
}

TEST_F(SettingsTest, ExistingMusicIsKept) {
    app.write("Other/piece.mid", "MThd");
    set("curmusdir", app.path() + "/Other");
    set("curmusfile", app.path() + "/Other/piece.mid");
    load();
    EXPECT_EQ(settings.MusicDir, app.path() + "/Other");
    EXPECT_EQ(settings.CurrentMusicFile, app.path() + "/Other/piece.mid");
}

TEST_F(SettingsTest, OlderDeckNameIsReadAndWrittenUnderTheNewName) {
    set("DeckName", "");
    set("DeskName", "Velmar");
    load();
    EXPECT_EQ(settings.DeckName, "Velmar");
    SaveSettings(settings, key);
    EXPECT_EQ(written("DeckName"), "Velmar");
    EXPECT_EQ(key.writeOrder.count("DeskName"), 0);
}

TEST_F(SettingsTest, WritesEveryValueInOrderAndInItsForm) {
    settings.MajorOnly = true;
    settings.StrengthIsXI = false;
    settings.PrintType = PrintFormat::WriterDocument;
    settings.CutDeck = false;
    EXPECT_TRUE(SaveSettings(settings, key));
    const QStringList order = {"DeckName",      "language",   "curmusdir",      "curmusfile",
                               "backcolor",     "cdwidth",    "cdheight",       "fmwidth",
                               "fmheight",      "playtype",   "memowidth",      "memoheight",
                               "curquer",       "Strength11", "ArdentineStyle", "keepactual",
                               "cut3piles",     "cutdeck",    "keepstraight",   "UseTips",
                               "MajorOnly",     "drawauto",   "PlayMusic",      "resetmusic",
                               "ignspas",       "printtype",  "printview",      "printschema",
                               "printbigcards", "printexpl",  "UseReverse"};
    EXPECT_EQ(key.writeOrder, order);
    EXPECT_EQ(written("Strength11"), "8");
    EXPECT_EQ(written("MajorOnly"), "YES");
    EXPECT_EQ(written("drawauto"), "NO");
    EXPECT_EQ(written("PlayMusic"), "NO");
    EXPECT_EQ(written("cutdeck"), "no");
    EXPECT_EQ(written("UseTips"), "yes");
    EXPECT_EQ(written("printtype"), "OO");
    EXPECT_EQ(key.values.value("backcolor").typeId(), QMetaType::Int);

    // What was written reads back the same.
    Settings again;
    LoadSettings(again, key, app.path());
    EXPECT_TRUE(again.MajorOnly);
    EXPECT_FALSE(again.StrengthIsXI);
    EXPECT_FALSE(again.CutDeck);
    EXPECT_EQ(again.PrintType, PrintFormat::WriterDocument);
}

TEST(QtSettingsKeyTest, ValuesReadBackAsTextInANewStore) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QtSettingsKey key;
        key.writeText("UseTips", "no");
        key.writeInteger("backcolor", 1135889);
        ASSERT_TRUE(key.flush());
    }
    EXPECT_TRUE(QFile::exists(dir.path() + "/Morvantek/Reruv.conf"));
    QtSettingsKey key;
    EXPECT_EQ(key.readText("UseTips"), QString("no"));
    EXPECT_EQ(key.readInteger("backcolor"), 1135889);
    EXPECT_EQ(key.readText("backcolor"), QString("1135889"));
    EXPECT_EQ(key.readInteger("UseTips"), std::nullopt);
    EXPECT_EQ(key.readText("missing"), std::nullopt);
}

// Only a write that failed is reported: an error met while loading a damaged store is not.
TEST(QtSettingsKeyTest, FlushReportsOnlyAFailedWrite) {
    struct Row {
        const char* name;
        std::function<void(const QDir&)> prepare;
        bool written;
    };
    const Row rows[] = {
        {"damaged file",
         [](const QDir& dir) {
             dir.mkpath("Morvantek");
             QFile file(dir.filePath("Morvantek/Reruv.conf"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray::fromHex("5b8f00ff3d0a5b6272ffe90a22fa5c0d01"));
         },
         true},
        {"a file where the store's folder belongs",
         [](const QDir& dir) {
             QFile file(dir.filePath("Morvantek"));
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         },
         false},
    };
    for (const Row& row : rows) {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        row.prepare(QDir(dir.path()));
        {
            QtSettingsKey key;
            key.writeText("UseTips", "no");
            key.writeInteger("backcolor", 1135889);
            EXPECT_EQ(key.flush(), row.written) << row.name;
        }
        if (!row.written) continue;
        const QtSettingsKey key;
        EXPECT_EQ(key.readText("UseTips"), QString("no")) << row.name;
        EXPECT_EQ(key.readInteger("backcolor"), 1135889) << row.name;
    }
}

}  // namespace
