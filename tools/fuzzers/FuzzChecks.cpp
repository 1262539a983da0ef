#include "FuzzChecks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cctype>
#include <map>
#include <vector>

#include "decks/CardTexts.h"
#include "decks/JpegDecoder.h"
#include "export/HtmlExport.h"
#include "i18n/CardsFile.h"
#include "i18n/LangFile.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "music/MusicChoice.h"
#include "platform/RtfWordAutomation.h"
#include "readings/ReadingFile.h"
#include "spreads/SpParser.h"

namespace {

// ---- Files for the readers that take a path ----

// A private program folder for the whole process.
const QString& ScratchDir() {
    static const QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

// Writes the bytes to a file under the scratch folder and returns its path.
QString Put(const QString& relativePath, const QByteArray& bytes) {
    const QString path = ScratchDir() + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("The fuzz checks cannot write %s", qPrintable(path));
    return path;
}

// Text with its line breaks and control characters visible, shortened, for a fault's report.
QString Shown(const QString& text) {
    QString shown;
    for (QChar c : text.left(60)) {
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (c.unicode() < 0x20)
            shown += QString("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
        else
            shown += c;
    }
    return '"' + shown + (text.size() > 60 ? "...\"" : "\"");
}

// ---- Spread files ----

// What a loaded spread claims must hold together, or the table and the editor index past their
// arrays: the significators lie within the positions and come before the others.
QString SpreadEngineFault(const TSpreadParser& engine) {
    if (engine.PosCount() < 0 || engine.PosCount() > kMaxPositions)
        return QString("position count %1 outside 0..79").arg(engine.PosCount());
    if (engine.SignificatorCount() < 0 || engine.SignificatorCount() > engine.PosCount())
        return QString("%1 significators for %2 positions")
            .arg(engine.SignificatorCount())
            .arg(engine.PosCount());
    for (int i = 0; i < engine.PosCount(); ++i)
        if (engine.PosSignificator(i) != (i < engine.SignificatorCount()))
            return QString("position %1 of %2 breaks the rule that significators come first")
                .arg(i)
                .arg(engine.PosCount());
    return {};
}

// Loads the input as a spread file, then saves it as loaded and loads that: the same spread.
QString CheckSpread(const QByteArray& input) {
    TSpreadParser loaded;
    loaded.ResetReading();
    loaded.LoadSpread(Put("Spreads/Input.spread", input));
    if (const QString fault = SpreadEngineFault(loaded); !fault.isEmpty()) return fault;

    QString error;
    const QString again = ScratchDir() + "/Spreads/Again.spread";
    if (!loaded.SaveSpread(again, &error)) return "the loaded spread cannot be saved: " + error;
    TSpreadParser reloaded;
    reloaded.ResetReading();
    if (reloaded.LoadSpread(again) != SpreadReadStatus::Ok)
        return "the saved spread reads back as damaged";
    if (reloaded.PosCount() != loaded.PosCount() ||
        reloaded.SignificatorCount() != loaded.SignificatorCount())
        return "the saved spread reads back with other counts";
    for (int i = 0; i < loaded.PosCount(); ++i)
        if (reloaded.PosX(i) != loaded.PosX(i) || reloaded.PosY(i) != loaded.PosY(i) ||
            reloaded.PosText(i) != loaded.PosText(i) ||
            reloaded.PosSignificator(i) != loaded.PosSignificator(i))
            return QString("position %1 changes on saving: text %2 became %3")
                .arg(i)
                .arg(Shown(loaded.PosText(i)), Shown(reloaded.PosText(i)));
    return {};
}

// ---- Reading files ----

QString ReadingDifference(const ReadingRecord& saved, const ReadingRecord& opened) {
    if (opened.comment != saved.comment)
        return "comment " + Shown(saved.comment) + " reads back as " + Shown(opened.comment);
    if (opened.spreadName != saved.spreadName)
        return "spread name " + Shown(saved.spreadName) + " reads back as " +
               Shown(opened.spreadName);
    return "the deck or the positions read back otherwise";
}

// Saves the reading, opens the bytes with the same position count and saves again: the same
// reading, and the same bytes.
QString ReadingRoundTripFault(const ReadingRecord& reading) {
    const QByteArray saved = EncodeReading(reading);
    const std::optional<ReadingRecord> opened =
        DecodeReadingBody(DecodeReadingHead(saved), static_cast<int>(reading.positions.size()));
    if (!opened) return "a saved reading cannot be opened";
    ReadingRecord expected = reading;
    expected.marked = true;  // the program writes the marked format only
    if (!(*opened == expected)) return ReadingDifference(expected, *opened);
    if (EncodeReading(*opened) != saved) return "a second save gives other bytes";
    return {};
}

// The position count comes from the spread file: every count the body serves is tried.
QString CheckReading(const QByteArray& input) {
    const ReadingHead head = DecodeReadingHead(input);
    for (int count = 0; count <= kMaxPositions; ++count) {
        const std::optional<ReadingRecord> reading = DecodeReadingBody(head, count);
        if (!reading) break;
        if (const QString fault = ReadingRoundTripFault(*reading); !fault.isEmpty())
            return QString("with %1 positions: %2").arg(count).arg(fault);
    }
    return {};
}

// ---- Language files ----

// The input as the language's "List.lng" and "Cards.lng", read as the program reads them.
QString CheckLanguageFiles(const QByteArray& input) {
    const QString language = "Fuzz";
    Put("Langs/" + language + "/List.lng", input);
    Put("Langs/" + language + "/Cards.lng", input);
    MessageList messages;
    messages.replace(
        DecodeLangLines(ReadTextBlocks(LanguageFilePath(ScratchDir(), language, "List.lng"))));
    for (int i = 0; i < std::max(messages.size(), int(Msg::Count)); ++i)
        if (messages[i].contains('\r')) return QString("message %1 holds a CR").arg(i);
    for (const bool strengthIsXI : {true, false})
        for (const bool newAgeCourtOrder : {true, false}) {
            CardTitleList titles;
            BuildCardTitles(titles, ScratchDir(), language, false,
                            {strengthIsXI, newAgeCourtOrder});
            for (int card = 0; card < kCardCount; ++card)
                if (titles[card].contains('\r')) return QString("title %1 holds a CR").arg(card);
        }
    return {};
}

// ---- The association file ----

// The input as the association file; its first line, and two bundled names, are looked up.
QString CheckAssociations(const QByteArray& input) {
    Put("Associat.txt", input);
    const QString associations = ReadAssociations(ScratchDir());
    const QString firstLine = DecodeText(TakeTextBlocks(input.left(input.indexOf('\n'))));
    for (const QString& spread : {firstLine, QString("Question"), QString("Вопрос")}) {
        const std::optional<QString> stored = FindAssociation(associations, spread);
        if (!stored) continue;
        if (stored->contains('"'))
            return "the music file of " + Shown(spread) + " holds a double quote";
        if (AssociatedPath(ScratchDir(), *stored).isEmpty())
            return "the music file of " + Shown(spread) + " has no path";
    }
    return {};
}

// ---- Explanation texts ----

// The explanation window's form of a text: line breaks as "\n".
QString AsShown(QString text) { return text.replace("\r\n", "\n").replace('\r', '\n'); }

// The input as a deck's explanation; its text then in each encoding the program reads, as the
// language's; and saved from the explanation window, as the deck's again.
QString CheckExplanation(const QByteArray& input) {
    const QString dir = ScratchDir();
    const QString deck = dir + "/Pics/Fuzz";
    const QString language = "Fuzz";
    Put("Pics/Fuzz/0.txt", input);
    const QString text = LoadCardText(dir, dir, deck, language, 0, false);

    const std::pair<const char*, QByteArray> encodings[] = {{"UTF-8", text.toUtf8()},
                                                            {"Windows-1251", EncodeText(text)}};
    for (const auto& [name, bytes] : encodings) {
        Put("Langs/" + language + "/Texts/0r.txt", bytes);
        const QString read = LoadCardText(dir, dir, deck, language, 0, true);
        if (read != text)
            return "the text " + Shown(text) + " reads back as " + Shown(read) + " from its " +
                   name + " bytes";
    }

    const CardTextFiles files = CardTextPaths(dir, dir, deck, language, 1, false);
    const QStringList failed = WriteCardText(files, CardSaveOptions{true, false}, AsShown(text));
    if (!failed.isEmpty()) return "the text cannot be saved: " + failed.join("; ");
    const QString saved = AsShown(LoadCardText(dir, dir, deck, language, 1, false));
    if (saved != AsShown(text))
        return "the text " + Shown(AsShown(text)) + " saved reads back as " + Shown(saved);
    return {};
}

// ---- The JPEG decoder ----

// The input as a card picture: decoded whole it has the size its header gives, and decoded at a
// position's size it has exactly that size.
QString CheckJpeg(const QByteArray& input) {
    const QString path = Put("Pics/Fuzz/0.jpg", input);
    const QSize header = JpegPictureSize(path);
    const QImage whole = DecodeJpeg(path);
    if (!whole.isNull() && whole.size() != header)
        return QString("a picture of %1 x %2 by its header decodes to %3 x %4")
            .arg(header.width())
            .arg(header.height())
            .arg(whole.width())
            .arg(whole.height());
    const QSize target(87, 148);
    const QImage shown = DecodeJpeg(path, target);
    if (!shown.isNull() && shown.size() != target)
        return "a picture decoded at a position's size comes out at another";
    return {};
}

// ---- The RTF writer ----

// The plain text of an RTF document as a word processor reads it: groups of fonts, colours and
// pictures skipped, "\par" a paragraph mark, "\tab" a tab, "\uN" one UTF-16 unit followed by one
// replacement character, and the escaped "\\", "\{" and "\}". Empty with balanced = false when
// a brace closes a group that was never opened, a group is left open, or anything but white
// space follows the document's group.
QString RtfPlainText(const QByteArray& rtf, bool& balanced) {
    QString text;
    std::vector<bool> skipped{false};  // per open group, and one for outside them all
    bool ended = false;
    int replacementsDue = 0;
    const auto put = [&](QChar c) {
        if (skipped.back()) return;
        if (replacementsDue > 0)
            --replacementsDue;
        else
            text += c;
    };
    balanced = false;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\r' || c == '\n') continue;
        if (ended) {
            if (c != ' ') return {};
            continue;
        }
        if (c == '{') {
            skipped.push_back(skipped.back());
            continue;
        }
        if (c == '}') {
            if (skipped.size() == 1) return {};
            skipped.pop_back();
            ended = skipped.size() == 1;
            continue;
        }
        if (skipped.size() == 1) return {};  // text outside the document's group
        if (c != '\\') {
            put(QChar(static_cast<unsigned char>(c)));
            continue;
        }
        if (++i == rtf.size()) return {};
        const char symbol = rtf[i];
        if (!std::isalpha(static_cast<unsigned char>(symbol))) {
            if (symbol == '\\' || symbol == '{' || symbol == '}') put(QChar(symbol));
            continue;
        }
        QByteArray word;
        while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) word += rtf[i++];
        QByteArray parameter;
        if (i < rtf.size() && rtf[i] == '-') parameter += rtf[i++];
        while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i])))
            parameter += rtf[i++];
        if (i == rtf.size() || rtf[i] != ' ') --i;  // a space only ends the word
        if (word == "fonttbl" || word == "colortbl" || word == "pict") skipped.back() = true;
        if (word == "par") put('\r');
        if (word == "tab") put('\t');
        if (word == "u") {
            put(QChar(static_cast<char16_t>(parameter.toInt())));
            if (!skipped.back()) replacementsDue = 1;
        }
    }
    balanced = ended;
    return text;
}

// The input's text in a document, partly bold, coloured and larger, as the Word export formats
// its headings: the RTF is 7-bit, its braces balance, and it reads back as the document's text.
// Control characters other than tab and the paragraph mark have no place in a document.
QString CheckRtf(const QByteArray& input) {
    RtfDocument document;
    document.Range()->InsertAfter(DecodeText(input));
    const int size = static_cast<int>(document.characters().size());
    document.Range(0, size / 2)->SetFontBold(1);
    document.Range(size / 3)->SetFontColor(0x0000FF);
    document.Range(size / 4, size / 2 + 1)->SetFontSize(14);

    const QByteArray rtf = document.ToRtf();
    for (char c : rtf)
        if (static_cast<unsigned char>(c) >= 0x80) return "the RTF holds a byte above 127";
    bool balanced = false;
    const QString read = RtfPlainText(rtf, balanced);
    if (!balanced) return "the RTF's braces do not balance";
    QString expected;
    for (QChar c : document.text(0, size))
        if (c.unicode() >= 0x20 || c == '\t' || c == '\r') expected += c;
    if (read != expected) return "the text " + Shown(expected) + " reads back as " + Shown(read);
    return {};
}

// ---- The HTML writer ----

// The page of a reading whose texts are the fields in turn: the spread name, the comment, the
// position texts, the card titles and the explanations. Up to two significators.
QString ReadingPage(const QStringList& fields) {
    const auto field = [&](int i) { return fields[i % fields.size()]; };
    ReadingSnapshot reading;
    reading.spreadName = field(0);
    reading.comment = field(1);
    const int count = std::min(static_cast<int>(fields.size()), 12);
    const int significators = static_cast<int>(fields.size() % 3);
    for (int i = 0; i < count; ++i) {
        ReadingSnapshot::Position position;
        position.card = i;
        position.reversed = i % 3 == 1;
        position.faceUp = true;
        position.significator = i < significators;
        position.text = field(2 + i);
        position.label = i < significators ? "S" + QString::number(i + 1)
                                           : QString::number(i - significators + 1);
        reading.positions.append(position);
    }
    CardTitleList titles;
    for (int card = 0; card < kCardCount; ++card) titles[card] = field(3 + card);
    return BuildHtmlPage(reading, titles, PrintChoices{true, true, true},
                         [&](int card, bool) { return field(4 + card); });
}

// The tags of a page in order, and how often each entity occurs.
struct Markup {
    QStringList tags;
    std::map<QString, int> entities;
};

Markup MarkupOf(const QString& page) {
    static const QRegularExpression kToken("<[^>]*>?|&([A-Za-z0-9#]+);");
    Markup markup;
    for (const QRegularExpressionMatch& match : kToken.globalMatch(page)) {
        if (match.captured(0).startsWith('<'))
            markup.tags.append(match.captured(0));
        else
            ++markup.entities[match.captured(1)];
    }
    return markup;
}

// The input's text, split at "|" into the texts of a reading's page: its tags are those of the
// same page with every text character replaced by a letter, and each "&", "<" and ">" of the
// texts is one entity, with no other entity added.
QString CheckHtml(const QByteArray& input) {
    const QStringList fields = DecodeText(input).split('|');
    QStringList plain;
    for (QString field : fields) {
        for (QChar& c : field)
            if (c == '&')
                c = '~';
            else if (c == '<')
                c = '^';
            else if (c == '>')
                c = '`';
            else if (c != '\r' && c != '\n')
                c = 'x';
        plain.append(field);
    }
    const QString plainPage = ReadingPage(plain);
    const Markup markup = MarkupOf(ReadingPage(fields));
    Markup expected = MarkupOf(plainPage);
    if (markup.tags != expected.tags) {
        qsizetype i = 0;
        while (i < markup.tags.size() && markup.tags[i] == expected.tags.value(i)) ++i;
        return "text became the markup " + Shown(markup.tags.value(i));
    }
    expected.entities["amp"] += static_cast<int>(plainPage.count('~'));
    expected.entities["lt"] += static_cast<int>(plainPage.count('^'));
    expected.entities["gt"] += static_cast<int>(plainPage.count('`'));
    std::erase_if(expected.entities, [](const auto& entry) { return entry.second == 0; });
    if (markup.entities != expected.entities) return "text became an entity or lost its escape";
    return {};
}

const std::map<QString, FuzzCheck>& Checks() {
    static const std::map<QString, FuzzCheck> checks = {
        {"spread", CheckSpread},
        {"reading", CheckReading},
        {"langfile", CheckLanguageFiles},
        {"association", CheckAssociations},
        {"explanation", CheckExplanation},
        {"jpeg", CheckJpeg},
        {"rtf", CheckRtf},
        {"html", CheckHtml},
    };
    return checks;
}

}  // namespace

QStringList FuzzTargetNames() {
    QStringList names;
    for (const auto& [name, check] : Checks()) names.append(name);
    return names;
}

FuzzCheck FuzzCheckNamed(const QString& target) {
    const auto found = Checks().find(target);
    return found == Checks().end() ? nullptr : found->second;
}
