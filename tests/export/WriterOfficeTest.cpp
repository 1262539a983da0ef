#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "export/ExportFixture.h"
#include "i18n/FixedTexts.h"
#include "platform/PluginOfficeAutomation.h"

namespace {

// The office processes this test process started (their pipe names carry its id).
QStringList OfficesOfThisProcess() {
    QStringList found;
    const QString mark = QString("lumenfold-%1-").arg(QCoreApplication::applicationPid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile cmdline("/proc/" + pid + "/cmdline");
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(mark.toUtf8()))
            found.append(pid);
    }
    return found;
}

QByteArray Unzipped(const QString& archive, const QString& member) {
    QProcess unzip;
    unzip.start("unzip", {"-p", archive, member});
    unzip.waitForFinished();
    return unzip.readAllStandardOutput();
}

// The character properties in force where the text stands in the document's content: the
// automatic styles of the paragraph and span around it, the innermost last.
QString PropertiesOfText(const QByteArray& content, const QString& text) {
    QMap<QString, QString> styles;
    QXmlStreamReader xml(content);
    QString style;
    QStringList around;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.qualifiedName() == u"style:style") {
            style = xml.attributes().value("style:name").toString();
        } else if (xml.isStartElement() && xml.qualifiedName() == u"style:text-properties") {
            for (const QXmlStreamAttribute& attribute : xml.attributes())
                styles[style] +=
                    attribute.qualifiedName().toString() + "=" + attribute.value().toString() + " ";
        } else if (xml.isStartElement()) {
            around.append(xml.attributes().value("text:style-name").toString());
        } else if (xml.isEndElement() && xml.qualifiedName() != u"style:style" &&
                   xml.qualifiedName() != u"style:text-properties") {
            if (!around.isEmpty()) around.removeLast();
        } else if (xml.isCharacters() && xml.text().contains(text)) {
            QString properties;
            for (const QString& name : around) properties += styles.value(name);
            return properties;
        }
    }
    return "(text not found)";
}

class WriterOfficeTest : public ExportFixture {};

// One export with every print switch into a real office, then one that fails on a missing
// card picture: two office starts in all. The office runs without windows here, so the stored
// document is named to the user.
TEST_F(WriterOfficeTest, StoresTheReadingAndLeavesNoOfficeRunning) {
    const QString plugin = LUMENFOLD_OFFICE_PLUGIN;
    if (plugin.isEmpty() || !QFile::exists(plugin))
        GTEST_SKIP() << "The LibreOffice bridge plugin is not built (no LibreOffice SDK found)";
    if (QStandardPaths::findExecutable("soffice").isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed: the real Writer export is not tested";
    if (QStandardPaths::findExecutable("unzip").isEmpty())
        GTEST_SKIP() << "unzip is not installed: the stored document cannot be read";
    fake.platform.office = std::make_unique<PluginOfficeAutomation>(plugin);
    program.settings.PrintView = true;
    program.settings.PrintBigCards = true;
    program.settings.PrintExpl = true;

    exports.ExportinOpenOf();
    const QString document = app.path() + "/Temp/report1000.odt";
    ASSERT_EQ(fake.messageBoxes->shown, QStringList{"m144\n" + QDir::toNativeSeparators(document)});
    const QByteArray content = Unzipped(document, "content.xml");
    EXPECT_EQ(content.count("<draw:image"), 3) << content.constData();
    EXPECT_EQ(content.count("text:anchor-type=\"as-char\""), 3) << content.constData();
    const struct {
        const char* text;
        QStringList properties;
    } rows[] = {
        {"Spread (09/12/2026)", {"fo:color=#0000ff", "fo:font-size=16pt", "fo:font-weight=bold"}},
        {"You", {"fo:color=#000000", "fo:font-size=12pt", "fo:font-weight=bold"}},
        {"Empress", {"fo:color=#007800", "fo:font-size=12pt", "fo:font-weight=bold"}},
        {"1. Past", {"fo:color=#000000", "fo:font-weight=bold"}},
        {"Chariot (reversed) ", {"fo:color=#007800", "fo:font-weight=bold"}},
        {"Delay.", {"fo:font-size=10pt", "fo:font-weight=normal"}},
        {"Patience.", {"fo:font-size=10pt"}},
    };
    for (const auto& row : rows) {
        const QString properties = PropertiesOfText(content, row.text);
        for (const QString& property : row.properties)
            EXPECT_TRUE(properties.contains(property))
                << row.text << ": " << properties.toStdString() << " lacks "
                << property.toStdString();
    }
    EXPECT_EQ(OfficesOfThisProcess(), QStringList());

    fake.messageBoxes->shown.clear();
    QFile::remove(app.path() + "/Pics/Deck/7.jpg");
    QFile::remove(app.path() + "/Temp/1.bmp");
    fake.systemInfo->ticks = 2000;
    exports.ExportinOpenOf();
    EXPECT_EQ(fake.messageBoxes->shown,
              QStringList{FixedText::OpenOfficeNotCreated + QString("\n") +
                          QDir::toNativeSeparators(app.path() + "/Temp/1.bmp") +
                          ": No such file or directory"});
    EXPECT_FALSE(QFile::exists(app.path() + "/Temp/report2000.odt"));
    EXPECT_EQ(OfficesOfThisProcess(), QStringList());
}

}  // namespace
