// tarotfile: reads and writes the program's data files from the command line.
//   tarotfile spread decode FILE.spread      prints the spread as plain UTF-8 text
//   tarotfile spread encode TEXT OUT.spread  writes a spread file from that text
//   tarotfile reading decode FILE.reading SPREADS_DIR   prints the reading as one JSON object
//   tarotfile reading encode FILE.json OUT.reading      writes a reading file from that JSON
// The spread text is the header count on the first line, then one line per position:
// an optional "S", x, ",", y, ",", meaning. The reading JSON has "format" ("marked" or
// "older"), "deckSize", "spread", "deck" (one {"card", "reversed"} per slot), "positions" (the
// card of each position) and "comment"; the position count is that of the named spread in
// SPREADS_DIR, found without regard to case as the program finds it.

#include <cstdio>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include "i18n/CardTitles.h"
#include "i18n/TextBlocks.h"
#include "platform/WholeFile.h"
#include "readings/ReadingFile.h"
#include "spreads/SpreadCatalogue.h"
#include "spreads/SpreadFile.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "tarotfile: %s\n", qPrintable(message));
    return 1;
}

int Decode(const QString& path) {
    const SpreadContent content = ReadSpreadFile(path);
    if (content.status == SpreadReadStatus::Missing) return Fail("no such spread file: " + path);
    if (content.status == SpreadReadStatus::Malformed)
        return Fail("malformed spread file: " + path);
    QByteArray out = QByteArray::number(content.count) + '\n';
    for (const SpreadLine& line : content.lines) {
        if (line.significator) out += 'S';
        out += QByteArray::number(line.x) + ',' + QByteArray::number(line.y) + ',' +
               line.text.toUtf8() + '\n';
    }
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}

bool ParseNumber(const QString& text, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

int Encode(const QString& textPath, const QString& outPath) {
    const std::optional<QByteArray> text = ReadRegularFile(textPath, kMaxTextFileBytes);
    if (!text) return Fail("cannot read " + textPath);
    QStringList rows = QString::fromUtf8(*text).split('\n');
    for (QString& row : rows)
        if (row.endsWith('\r')) row.chop(1);
    if (!rows.isEmpty() && rows.last().isEmpty()) rows.removeLast();

    int count = 0;
    if (rows.isEmpty() || !ParseNumber(rows.takeFirst(), count) || count < 0 ||
        count > kMaxPositions)
        return Fail(textPath + ": the first line must be a position count from 0 to 79");
    if (rows.size() > kMaxPositions) return Fail(textPath + ": more than 79 positions");
    QList<SpreadLine> lines;
    for (int i = 0; i < rows.size(); ++i) {
        QString row = rows[i];
        SpreadLine line;
        line.significator = row.startsWith('S');
        if (line.significator) row.remove(0, 1);
        const qsizetype first = row.indexOf(',');
        const qsizetype second = first < 0 ? -1 : row.indexOf(',', first + 1);
        if (second < 0 || !ParseNumber(row.left(first), line.x) ||
            !ParseNumber(row.mid(first + 1, second - first - 1), line.y))
            return Fail(QString("%1: line %2 is not [S]x,y,meaning").arg(textPath).arg(i + 2));
        line.text = row.mid(second + 1);
        lines.append(line);
    }
    QString error;
    if (!WriteSpreadFile(outPath, count, lines, &error))
        return Fail("cannot write " + outPath + ": " + error);
    return 0;
}

// A text as a JSON string, quotes and escapes included.
QByteArray JsonString(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

int DecodeReadingFile(const QString& path, const QString& spreadsDir) {
    ReadFailure failure;
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxReadingFileSize, &failure);
    if (!bytes) return Fail("cannot read " + path + ": " + failure.reason);
    const ReadingHead head = DecodeReadingHead(*bytes);
    if (head.status == ReadingStatus::Empty) return Fail("empty reading file: " + path);
    if (head.status == ReadingStatus::Malformed) return Fail("malformed reading file: " + path);
    const QString spread = CatalogueSpreadName(SpreadNamesIn(spreadsDir), head.spreadName);
    if (spread.isEmpty()) return Fail("no spread named '" + head.spreadName + "' in " + spreadsDir);
    const std::optional<ReadingRecord> reading =
        DecodeReadingBody(head, SpreadPositionCount(spreadsDir + "/" + spread + ".spread"));
    if (!reading) return Fail("malformed reading file: " + path);

    // The keys in the order of the file, not sorted as QJsonObject would write them.
    QByteArray deck;
    for (const ReadingSlot& slot : reading->deck)
        deck += QByteArray(deck.isEmpty() ? "" : ",") +
                "{\"card\":" + QByteArray::number(slot.card) +
                ",\"reversed\":" + (slot.reversed ? "true" : "false") + "}";
    QByteArray positions;
    for (int card : reading->positions)
        positions += QByteArray(positions.isEmpty() ? "" : ",") + QByteArray::number(card);
    const QByteArray out = "{\"format\":\"" + QByteArray(reading->marked ? "marked" : "older") +
                           "\",\"deckSize\":" + QByteArray::number(reading->deckSize) +
                           ",\"spread\":" + JsonString(reading->spreadName) + ",\"deck\":[" + deck +
                           "],\"positions\":[" + positions +
                           "],\"comment\":" + JsonString(reading->comment) + "}\n";
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return 0;
}

bool IsCard(const QJsonValue& value) {
    return value.isDouble() && value.toDouble() == value.toInt(-1) && value.toInt() >= 0 &&
           value.toInt() <= 78;
}

int EncodeReadingFile(const QString& jsonPath, const QString& outPath) {
    const std::optional<QByteArray> bytes = ReadRegularFile(jsonPath, kMaxReadingFileSize);
    if (!bytes) return Fail("cannot read " + jsonPath);
    const QJsonObject json = QJsonDocument::fromJson(*bytes).object();
    const QJsonArray deck = json["deck"].toArray();
    const QJsonArray positions = json["positions"].toArray();
    if (!json["spread"].isString() || json["spread"].toString().isEmpty() ||
        !json["deck"].isArray() || deck.size() > kCardCount || !json["positions"].isArray() ||
        positions.size() > kMaxPositions ||
        (json.contains("deckSize") && json["deckSize"].toInt(-1) != deck.size()) ||
        (json.contains("comment") && !json["comment"].isString()))
        return Fail(jsonPath +
                    ": needs \"spread\", \"deck\" (at most 79 slots, as many as "
                    "\"deckSize\"), \"positions\" and a text \"comment\"");
    ReadingRecord reading;
    reading.spreadName = json["spread"].toString();
    reading.comment = json["comment"].toString();
    for (const QJsonValue& slot : deck) {
        const QJsonObject fields = slot.toObject();
        if (!IsCard(fields["card"]) ||
            (fields.contains("reversed") && !fields["reversed"].isBool()))
            return Fail(jsonPath + ": every deck slot needs a \"card\" from 0 to 78");
        reading.deck.append({fields["card"].toInt(), fields["reversed"].toBool()});
    }
    for (const QJsonValue& card : positions) {
        if (!IsCard(card)) return Fail(jsonPath + ": every position needs a card from 0 to 78");
        reading.positions.append(card.toInt());
    }
    reading.deckSize = static_cast<int>(reading.deck.size());
    QString error;
    if (!WriteWholeFile(outPath, EncodeReading(reading), &error))
        return Fail("cannot write " + outPath + ": " + error);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == "spread" && args[1] == "decode") return Decode(args[2]);
    if (args.size() == 4 && args[0] == "spread" && args[1] == "encode")
        return Encode(args[2], args[3]);
    if (args.size() == 4 && args[0] == "reading" && args[1] == "decode")
        return DecodeReadingFile(args[2], args[3]);
    if (args.size() == 4 && args[0] == "reading" && args[1] == "encode")
        return EncodeReadingFile(args[2], args[3]);
    return Fail(
        "usage: tarotfile spread decode FILE.spread | spread encode TEXT OUT.spread | "
        "reading decode FILE.reading SPREADS_DIR | reading encode FILE.json OUT.reading");
}
