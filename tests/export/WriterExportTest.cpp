#include <QFile>
#include <QGuiApplication>

#include "export/ExportFixture.h"
#include "export/WriterExport.h"
#include "i18n/FixedTexts.h"
#include "platform/PluginOfficeAutomation.h"
#include "support/RowName.h"

namespace {

class WriterExportTest : public ExportFixture {
protected:
    QStringList Chars(int color, int height, int weight) const {
        return {QString("Cursor.SetPropertyValue(\"CharColor\", %1)").arg(color),
                QString("Cursor.SetPropertyValue(\"CharHeight\", %1)").arg(height),
                QString("Cursor.SetPropertyValue(\"CharWeight\", %1)").arg(weight)};
    }
    QStringList Insert(const QString& quoted, int breaks) const {
        QStringList lines{"Text.InsertString(Cursor, " + quoted + ", false)"};
        for (int i = 0; i < breaks; ++i)
            lines.append("Text.InsertControlCharacter(Cursor, 0, false)");
        return lines;
    }
    QStringList Hidden(bool hidden) const {
        return {"SM.createInstance(\"com.sun.star.reflection.CoreReflection\")",
                "CoreReflection.forName(\"com.sun.star.beans.PropertyValue\")",
                "Type.createObject(?)", "PropertyValue.Name = \"Hidden\"",
                QString("PropertyValue.Value = ") + (hidden ? "true" : "false")};
    }
    QStringList Picture(const QString& file, int width, int height) const {
        return QStringList{
                   "Doc.createInstance(\"com.sun.star.text.GraphicObject\")",
                   "GraphicObject.GraphicURL = \"file://" + app.path() + "/Temp/" + file + "\"",
                   "GraphicObject.AnchorType = 1",
                   "Text.insertTextContent(Cursor, GraphicObject, false)",
                   "SM.Bridge_GetStruct(\"com.sun.star.awt.Size\")",
                   QString("Size.Width = %1").arg(width),
                   QString("Size.Height = %1").arg(height),
                   "GraphicObject.Size = Size"} +
               QStringList(2, "Text.InsertControlCharacter(Cursor, 0, false)");
    }
};

struct SwitchRow {
    const char* name;
    bool view, bigCards, expl;
    QStringList blocks;
};

class WriterSwitchesTest : public WriterExportTest,
                           public ::testing::WithParamInterface<SwitchRow> {};

// The document is built by exactly these calls, in this order, for every choice of print
// switches. The layout is 187 x 148 pixels, so the spread picture is 480 x 379 pixels; the
// card pictures are 30 x 50; all sized at 96 pixels per inch.
TEST_P(WriterSwitchesTest, CallsTheOfficeInOrder) {
    const SwitchRow& row = GetParam();
    program.settings.PrintView = row.view;
    program.settings.PrintBigCards = row.bigCards;
    program.settings.PrintExpl = row.expl;
    const QString url = "\"file://" + app.path() + "/Temp/report1000.odt\"";
    const QMap<QString, QStringList> blocks{
        {"start", QStringList{"Create com.sun.star.ServiceManager",
                              "SM.createInstance(\"com.sun.star.frame.Desktop\")"} +
                      Hidden(true) +
                      QStringList{"Desktop.LoadComponentFromURL(\"private:factory/swriter\", "
                                  "\"_blank\", 0, [PropertyValue])",
                                  "Doc.GetText()", "Text.CreateTextCursor()"}},
        {"title", Chars(255, 16, 150) + Insert("\"Spread (09/12/2026)\"", 2)},
        {"view", Picture("1000.bmp", 12694, 10023)},
        {"you", Chars(0, 12, 150) + Insert("\"You\"", 1) + Chars(30720, 12, 150) +
                    Insert("\"Empress\"", 2)},
        {"youCard", Picture("0.bmp", 793, 1322)},
        {"past", Chars(0, 12, 150) + Insert("\"1. Past\"", 1) + Chars(30720, 12, 150) +
                     Insert("\"Chariot (reversed) \"", 2)},
        {"pastCard", Picture("1.bmp", 793, 1322)},
        {"pastText", Chars(0, 10, 100) + Insert("\"Delay.\\r\\nPatience.\"", 2)},
        {"end", QStringList{"Doc.StoreToURL(" + url + ", [PropertyValue])", "Doc.Dispose()"} +
                    Hidden(false) +
                    QStringList{
                        "Desktop.LoadComponentFromURL(" + url + ", \"_blank\", 0, [PropertyValue])",
                        "Release"}}};
    QStringList expected;
    for (const QString& block : row.blocks) expected += blocks.value(block);

    exports.ExportinOpenOf();
    EXPECT_TRUE(fake.messageBoxes->shown.isEmpty());
    EXPECT_EQ(fake.office->calls, expected);
    EXPECT_TRUE(fake.office->busyWhenCreated);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    PrintSwitches, WriterSwitchesTest,
    ::testing::Values(
        SwitchRow{"AllOff", false, false, false, {"start", "title", "you", "past", "end"}},
        SwitchRow{"View", true, false, false, {"start", "title", "view", "you", "past", "end"}},
        SwitchRow{"Cards",
                  false,
                  true,
                  false,
                  {"start", "title", "you", "youCard", "past", "pastCard", "end"}},
        SwitchRow{"Explanations",
                  false,
                  false,
                  true,
                  {"start", "title", "you", "past", "pastText", "end"}},
        SwitchRow{"ViewAndCards",
                  true,
                  true,
                  false,
                  {"start", "title", "view", "you", "youCard", "past", "pastCard", "end"}},
        SwitchRow{"ViewAndExplanations",
                  true,
                  false,
                  true,
                  {"start", "title", "view", "you", "past", "pastText", "end"}},
        SwitchRow{"CardsAndExplanations",
                  false,
                  true,
                  true,
                  {"start", "title", "you", "youCard", "past", "pastCard", "pastText", "end"}},
        SwitchRow{
            "All",
            true,
            true,
            true,
            {"start", "title", "view", "you", "youCard", "past", "pastCard", "pastText", "end"}}),
    RowName());

// Every failure stops the office, restores the pointer and shows the fixed message; nothing
// is stored.
TEST_F(WriterExportTest, FailuresStopTheOfficeWithTheirMessage) {
    const QString missing =
        QDir::toNativeSeparators(app.path() + "/Temp/1.bmp") + ": No such file or directory";
    const struct {
        const char* name;
        bool removeCardPicture;
        bool officeAvailable;
        QString reason;
    } rows[] = {{"MissingPositionPicture", true, true, missing},
                {"NoOffice", false, false, "no office"}};
    for (const auto& row : rows) {
        fake.office->calls.clear();
        fake.messageBoxes->shown.clear();
        program.settings.PrintBigCards = true;
        if (row.removeCardPicture) {
            QFile::remove(app.path() + "/Pics/Deck/7.jpg");
            QFile::remove(app.path() + "/Temp/1.bmp");
        }
        fake.office->available = row.officeAvailable;
        exports.ExportinOpenOf();
        EXPECT_EQ(fake.messageBoxes->shown,
                  QStringList{FixedText::OpenOfficeNotCreated + QString("\n") + row.reason})
            << row.name;
        EXPECT_TRUE(fake.office->calls.filter("StoreToURL").isEmpty()) << row.name;
        EXPECT_EQ(fake.office->calls.last(), "Release failed") << row.name;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << row.name;
    }
}

// A stored document that no office window shows is named to the user, as the other formats do.
TEST_F(WriterExportTest, DocumentNoWindowShowsIsNamedToTheUser) {
    fake.office->showsDocument = false;
    exports.ExportinOpenOf();
    EXPECT_EQ(
        fake.messageBoxes->shown,
        QStringList{"m144\n" + QDir::toNativeSeparators(app.path() + "/Temp/report1000.odt")});
    EXPECT_EQ(fake.office->calls.last(), "Release");
}

// Where the bridge plugin is missing the program goes on: the other exports work and this
// one fails with its message.
TEST_F(WriterExportTest, MissingPluginFailsOnlyThisExport) {
    fake.platform.office = std::make_unique<PluginOfficeAutomation>(app.path() + "/no-plugin");
    exports.ExportinOpenOf();
    ASSERT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_TRUE(fake.messageBoxes->shown[0].startsWith(FixedText::OpenOfficeNotCreated +
                                                       QString("\nno office bridge: ")));
    exports.PrintinHTMLformat1Click();
    exports.ExportinWord();
    EXPECT_EQ(fake.messageBoxes->shown.size(), 1);
    EXPECT_EQ(fake.shell->opened.size(), 1);
    EXPECT_FALSE(fake.word->calls.filter("SaveAs").isEmpty());
}

TEST(WriterExportSizes, PicturesAreSizedFromTheScreensPixelsPerInch) {
    const struct {
        QSize pixels;
        int ppi;
        QSize size;
    } rows[] = {{{480, 300}, 96, {12694, 7933}},
                {{100, 1}, 96, {2644, 26}},
                {{87, 148}, 120, {2876, 4892}},
                {{0, 0}, 96, {0, 0}}};
    for (const auto& row : rows)
        EXPECT_EQ(PictureSizeInHundredthsOfMm(row.pixels, row.ppi), row.size) << row.ppi;
}

TEST(WriterExportUrls, FileUrlsAreEncoded) {
    const struct {
        const char* path;
        const char* url;
    } rows[] = {
        {"/home/reader/Reruv/Temp/report5.odt", "file:///home/reader/Reruv/Temp/report5.odt"},
        {"/opt/Tarot App/Temp/1000.bmp", "file:///opt/Tarot%20App/Temp/1000.bmp"},
        {"/srv/Карты/Temp/0.bmp", "file:///srv/%D0%9A%D0%B0%D1%80%D1%82%D1%8B/Temp/0.bmp"}};
    for (const auto& row : rows) EXPECT_EQ(FileUrl(QString::fromUtf8(row.path)), row.url);
}

}  // namespace
