#include "spreads/SpreadFile.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>

#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "platform/FileNames.h"
#include "platform/Random.h"
#include "platform/WholeFile.h"
#include "spreads/SpreadCatalogue.h"

namespace {

constexpr int kPrefixLength = 6;
const QString kSpreadExtension = ".spread";
const QString kTextNotStorable = "A position text holds a line break or a zero character.";

bool ParseDecimal(const QByteArray& field, int& value) {
    bool ok = false;
    value = field.toInt(&ok, 10);
    return ok;
}

}  // namespace

QByteArray RandomPrefix() {
    QByteArray prefix;
    while (prefix.size() < kPrefixLength) {
        const int b = Random::Below(256);
        if (b != 0 && b != '\n' && b != '\r' && b != ',') prefix.append(static_cast<char>(b));
    }
    return prefix;
}

QByteArray ScrambleText(const QByteArray& text) {
    QByteArray result = text;
    for (char& c : result) {
        const auto b = static_cast<unsigned char>(c);
        if (b != 0x00 && b != 0xFF) c = static_cast<char>(0xFF - b);
    }
    return result;
}

QByteArray EncodeSpread(int count, const QList<SpreadLine>& lines) {
    Random::Randomize();
    QByteArray plain = RandomPrefix() + QByteArray::number(count) + "\r\n";
    for (const SpreadLine& line : lines) {
        plain += RandomPrefix();
        if (line.significator) plain += 'S';
        plain += QByteArray::number(line.x) + ',' + QByteArray::number(line.y) + ',' +
                 EncodeText(line.text) + "\r\n";
    }
    return ScrambleText(plain);
}

SpreadContent DecodeSpread(const QByteArray& fileBytes) {
    SpreadContent content;
    QByteArray text = ScrambleText(fileBytes);
    const auto malformed = [&content] {
        content.status = SpreadReadStatus::Malformed;
        return content;
    };

    const qsizetype headerEnd = text.indexOf('\r');
    if (headerEnd < kPrefixLength) return malformed();
    int count = 0;
    if (!ParseDecimal(text.mid(kPrefixLength, headerEnd - kPrefixLength), count))
        return malformed();
    content.count = std::clamp(count, 0, kMaxPositions);
    content.countRead = true;
    if (count != content.count) content.status = SpreadReadStatus::Malformed;
    text.remove(0, headerEnd + 2);

    for (qsizetype lineEnd = text.indexOf('\r'); lineEnd >= 0; lineEnd = text.indexOf('\r')) {
        if (content.lines.size() == kMaxPositions) return malformed();
        const QByteArray line = text.left(lineEnd);
        text.remove(0, lineEnd + 2);

        const qsizetype firstComma = line.indexOf(',', kPrefixLength);
        const qsizetype secondComma = firstComma < 0 ? -1 : line.indexOf(',', firstComma + 1);
        if (line.size() <= kPrefixLength || secondComma < 0) return malformed();
        SpreadLine position;
        QByteArray xField = line.mid(kPrefixLength, firstComma - kPrefixLength);
        if (xField.startsWith('S')) {
            position.significator = true;
            xField.remove(0, 1);
        }
        if (!ParseDecimal(xField, position.x) ||
            !ParseDecimal(line.mid(firstComma + 1, secondComma - firstComma - 1), position.y))
            return malformed();
        position.text = DecodeText(line.mid(secondComma + 1));
        content.lines.append(position);
    }
    return content;
}

QString SpreadFilePath(const QString& appDir, const QString& name) {
    if (!IsSafeFileName(name)) return {};
    const QString folder = appDir + "/Spreads/";
    const QString exact = folder + name + kSpreadExtension;
    if (QFileInfo::exists(exact)) return exact;
    const QString spelt = MatchSpreadName(SpreadNamesIn(folder), name);
    return spelt.isEmpty() ? exact : folder + spelt + kSpreadExtension;
}

QString FindSpreadFile(const QString& userDir, const QString& appDir, const QString& name) {
    const QString user = SpreadFilePath(userDir, name);
    return QFileInfo::exists(user) ? user : SpreadFilePath(appDir, name);
}

SpreadContent ReadSpreadFile(const QString& path) {
    if (path.isEmpty() || !QFile::exists(path)) {
        SpreadContent missing;
        missing.status = SpreadReadStatus::Missing;
        return missing;
    }
    return DecodeSpread(ReadTextBlocks(path));
}

bool WriteSpreadFile(const QString& path, int count, const QList<SpreadLine>& lines,
                     QString* errorString) {
    for (const SpreadLine& line : lines) {
        if (line.text.contains('\r') || line.text.contains(QChar(0))) {
            if (errorString) *errorString = kTextNotStorable;
            return false;
        }
    }
    return WriteWholeFile(path, EncodeSpread(count, lines), errorString);
}
