// tarotfile: reads and writes the program's data files from the command line.
//   tarotfile spread decode FILE.spread      prints the spread as plain UTF-8 text
//   tarotfile spread encode TEXT OUT.spread  writes a spread file from that text
// The plain text is the header count on the first line, then one line per position:
// an optional "S", x, ",", y, ",", meaning.

#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

#include "i18n/TextBlocks.h"
#include "platform/WholeFile.h"
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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 3 && args[0] == "spread" && args[1] == "decode") return Decode(args[2]);
    if (args.size() == 4 && args[0] == "spread" && args[1] == "encode")
        return Encode(args[2], args[3]);
    return Fail("usage: tarotfile spread decode FILE.spread | spread encode TEXT OUT.spread");
}
