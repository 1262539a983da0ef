#include "readings/ReadingFile.h"

#include <charconv>

#include "decks/DeckDirectory.h"
#include "i18n/CardTitles.h"
#include "i18n/TextBlocks.h"
#include "i18n/TextCodec.h"
#include "spreads/SpreadCatalogue.h"
#include "spreads/SpreadFile.h"

namespace {

const QByteArray kMarker = "!updatedformat!";
const QByteArray kLineEnd = "\r\n";
constexpr int kOlderDeckSize = 78;
constexpr int kLastCard = kCardCount - 1;

// Takes CR-ended lines from the front of a text: a line is everything up to the next CR; the
// CR and the one byte after it (the LF) go with it.
class LineReader {
public:
    explicit LineReader(const QByteArray& text) : text_(text) {}

    std::optional<QByteArray> next() {
        const qsizetype end = text_.indexOf('\r', at_);
        if (end < 0) return std::nullopt;
        const QByteArray line = text_.mid(at_, end - at_);
        at_ = std::min(end + 2, text_.size());
        return line;
    }

    QByteArray rest() const { return text_.mid(at_); }

private:
    QByteArray text_;
    qsizetype at_ = 0;
};

// A decimal integer within first..last, digits only after an optional minus sign.
std::optional<int> DecimalIn(const QByteArray& field, int first, int last) {
    int value = 0;
    const char* begin = field.constData();
    const char* end = begin + field.size();
    const auto [stop, error] = std::from_chars(begin, end, value, 10);
    if (field.isEmpty() || error != std::errc() || stop != end || value < first || value > last)
        return std::nullopt;
    return value;
}

}  // namespace

QByteArray EncodeReading(const ReadingRecord& reading) {
    QByteArray body = QByteArray::number(reading.deck.size()) + kLineEnd;
    body += EncodeText(reading.spreadName) + kLineEnd;
    for (const ReadingSlot& slot : reading.deck)
        body += (slot.reversed ? "r" : "") + QByteArray::number(slot.card) + kLineEnd;
    for (int card : reading.positions) body += QByteArray::number(card) + kLineEnd;
    body += EncodeText(reading.comment);
    return kMarker + ScrambleText(body);
}

ReadingHead DecodeReadingHead(const QByteArray& fileBytes) {
    ReadingHead head;
    QByteArray text = TakeTextBlocks(fileBytes);
    if (text.isEmpty()) {
        head.status = ReadingStatus::Empty;
        return head;
    }
    head.marked = text.startsWith(kMarker);
    if (head.marked) text.remove(0, kMarker.size());
    LineReader lines(ScrambleText(text));

    head.deckSize = kOlderDeckSize;
    if (head.marked) {
        const std::optional<QByteArray> countLine = lines.next();
        const std::optional<int> count =
            countLine ? DecimalIn(*countLine, 0, kCardCount) : std::nullopt;
        if (!count) {
            head.status = ReadingStatus::Malformed;
            return head;
        }
        head.deckSize = *count;
    }
    const std::optional<QByteArray> name = lines.next();
    if (!name) {
        head.status = ReadingStatus::Malformed;
        return head;
    }
    head.spreadName = DecodeText(*name);
    head.rest = lines.rest();
    return head;
}

std::optional<ReadingRecord> DecodeReadingBody(const ReadingHead& head, int positionCount) {
    if (head.status != ReadingStatus::Ok) return std::nullopt;
    ReadingRecord reading;
    reading.marked = head.marked;
    reading.deckSize = head.deckSize;
    reading.spreadName = head.spreadName;
    LineReader lines(head.rest);
    for (int j = 0; j < head.deckSize; ++j) {
        std::optional<QByteArray> line = lines.next();
        if (!line) return std::nullopt;
        ReadingSlot slot;
        slot.reversed = line->startsWith('r');
        if (slot.reversed) line->remove(0, 1);
        const std::optional<int> card = DecimalIn(*line, 0, kLastCard);
        if (!card) return std::nullopt;
        slot.card = *card;
        reading.deck.append(slot);
    }
    for (int k = 0; k < positionCount; ++k) {
        const std::optional<QByteArray> line = lines.next();
        const std::optional<int> card = line ? DecimalIn(*line, 0, kLastCard) : std::nullopt;
        if (!card) return std::nullopt;
        reading.positions.append(*card);
    }
    reading.comment = DecodeText(lines.rest());
    return reading;
}

QString CatalogueSpreadName(const QStringList& catalogue, const QString& name) {
    return MatchSpreadName(catalogue, name);
}

int SpreadPositionCount(const QString& spreadPath) {
    const SpreadContent content = ReadSpreadFile(spreadPath);
    return content.countRead ? content.count : 0;
}

int DeckSizeForReading(int fileDeckSize, bool majorOnly, bool has79thCard) {
    constexpr int kMinorArcana = 56;
    int size = DeckSizeFor(majorOnly, has79thCard);
    if (!IsMajorArcanaDeck(fileDeckSize) && IsMajorArcanaDeck(size)) size += kMinorArcana;
    if (IsMajorArcanaDeck(fileDeckSize) && !IsMajorArcanaDeck(size)) size -= kMinorArcana;
    return size;
}

bool PositionsDealable(const ReadingRecord& reading, int deckSize) {
    if (deckSize < kCardCount) return true;
    for (int card : reading.positions) {
        bool carried = false;
        for (int slot = 0; slot < deckSize && !carried; ++slot)
            carried = (slot < reading.deck.size() ? reading.deck[slot].card : kLastCard) == card;
        if (!carried) return false;
    }
    return true;
}
