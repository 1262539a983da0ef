#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include "app/MainMenu.h"
#include "i18n/LangFile.h"
#include "i18n/Msg.h"

namespace {

const char* const kLanguages[] = {"English", "Russian"};

// Every message the program shows, by index: the rows of the message list that have a role.
// The named message constants are to take this list's place.
QList<int> MessagesInUse() {
    const QSet<int> unused = {30, 39,  60,  61,  90,  91,  93,  94,  95,  96,  97,  98,
                              99, 100, 101, 102, 103, 104, 105, 110, 111, 114, 123, 124};
    QList<int> used;
    for (int index = 0; index < Msg::Count; ++index)
        if (!unused.contains(index)) used << index;
    return used;
}

// Latin words a Russian text may hold: names that stay as they are in every language.
const QSet<QString> kNamesKeptInRussian = {
    "Lumenfold", "Velmar",       "Dav",         "Izove",  "MS",   "Microsoft", "Word",
    "HTML",      "OpenOffice",   "LibreOffice", "Writer", "Pics", "Langs",     "Spreads",
    "Saved",     "Temp",         "Music",       "Texts",  "Ctrl", "Del",       "Esc",
    "Enter",     "Tab",          "Shift",       "Home",   "End",  "Alt",       "Orca",
    "OK",        "Significator", "Querent",     "PDF",    "CSV",  "UTF",       "Cache"};

QString LanguageDir(const QString& language) {
    return QString(LUMENFOLD_APPDIR) + "/Langs/" + language;
}

QByteArray ReadBundled(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList BundledLines(const QString& language, const QString& file) {
    return DecodeLangLines(ReadBundled(LanguageDir(language) + "/" + file));
}

QString HelpText(const QString& language) {
    return QString::fromUtf8(ReadBundled(LanguageDir(language) + "/Reruv.html"));
}

// The Latin words of a text that are neither kept names, Roman numerals, single capitals
// (keys such as Ctrl+A) nor key or position labels (F9, S2).
QStringList EnglishWords(const QString& text) {
    static const QRegularExpression word("[A-Za-z][A-Za-z0-9]*");
    static const QRegularExpression allowed(
        QRegularExpression::anchoredPattern("[IVXLC]+|[A-Z]|F[0-9]+|S[0-9]+"));
    QStringList found;
    for (const QRegularExpressionMatch& match : word.globalMatch(text)) {
        const QString latin = match.captured();
        if (!kNamesKeptInRussian.contains(latin) && !allowed.match(latin).hasMatch())
            found << latin;
    }
    return found;
}

TEST(BundledLanguagesTest, EveryMessageInUseHasTextInEveryLanguage) {
    for (const char* language : kLanguages) {
        const QStringList messages = BundledLines(language, "List.lng");
        for (int index : MessagesInUse())
            EXPECT_FALSE(messages.value(index).trimmed().isEmpty()) << language << " " << index;
    }
}

TEST(BundledLanguagesTest, RussianFilesLeaveNothingInEnglish) {
    QStringList lines = BundledLines("Russian", "List.lng") + BundledLines("Russian", "Cards.lng");
    lines += QTextDocumentFragment::fromHtml(HelpText("Russian")).toPlainText().split('\n');
    const QDir texts(LanguageDir("Russian") + "/Texts");
    for (const QString& file : texts.entryList({"*.txt"}, QDir::Files))
        lines += QString::fromUtf8(ReadBundled(texts.filePath(file))).split('\n');
    for (const QString& line : lines)
        EXPECT_TRUE(EnglishWords(line).isEmpty()) << line.toStdString();
}

TEST(BundledLanguagesTest, EveryCardHasItsTwoTextsInEveryLanguage) {
    for (const char* language : kLanguages)
        for (int card = 0; card <= 78; ++card)
            for (const char* orientation : {"", "r"}) {
                const QString file = QString("%1/Texts/%2%3.txt")
                                         .arg(LanguageDir(language))
                                         .arg(card)
                                         .arg(orientation);
                EXPECT_FALSE(QString::fromUtf8(ReadBundled(file)).trimmed().isEmpty())
                    << file.toStdString();
            }
}

TEST(BundledLanguagesTest, HelpLinksEverySectionAndPageAndNamesEveryCommand) {
    QMenuBar bar;
    const MainMenu menu(&bar);
    QList<int> captions = {62, 63, 64};
    for (const MainMenu::Titled& titled : menu.titled()) captions << titled.message;
    for (const char* language : kLanguages) {
        const QString help = HelpText(language);
        QSet<QString> targets;
        for (const auto& match : QRegularExpression(R"re(<a name="([^"]+)")re").globalMatch(help))
            targets << match.captured(1);
        QSet<QString> links;
        for (const auto& match : QRegularExpression(R"re(<a href="#([^"]+)")re").globalMatch(help))
            links << match.captured(1);
        EXPECT_FALSE(targets.isEmpty()) << language;
        EXPECT_EQ(links, targets) << language;
        const QDir dir(LanguageDir(language));
        for (const QString& page : dir.entryList({"*.html"}, QDir::Files))
            if (page != "Reruv.html" && page != "ReruvBook.html") {
                EXPECT_TRUE(help.contains("href=\"" + page))
                    << language << " " << page.toStdString();
            }

        const QString text = QTextDocumentFragment::fromHtml(help).toPlainText();
        const QStringList messages = BundledLines(language, "List.lng");
        for (int index : captions)
            EXPECT_TRUE(text.contains(messages.value(index)))
                << language << " " << messages.value(index).toStdString();
    }
}

}  // namespace
