#include <gtest/gtest.h>

#include "readings/ReadingFile.h"
#include "spreads/SpreadFile.h"

namespace {

// A deck of the given size in slot order, every third card reversed.
QList<ReadingSlot> Deck(int size) {
    QList<ReadingSlot> deck;
    for (int i = 0; i < size; ++i) deck.append({size == 23 && i == 22 ? 78 : i, i % 3 == 0});
    return deck;
}

ReadingRecord Record(int deckSize, const QString& spread, const QList<int>& positions,
                     const QString& comment) {
    return {true, deckSize, spread, Deck(deckSize), positions, comment};
}

std::optional<ReadingRecord> Decode(const QByteArray& bytes, int positionCount) {
    return DecodeReadingBody(DecodeReadingHead(bytes), positionCount);
}

TEST(ReadingFileTest, TheFileBeginsWithTheMarkerThenTheScrambledCountAndName) {
    ReadingRecord reading = Record(22, "Question", {5, 17}, "Good");
    reading.deck[0] = {5, true};
    reading.deck[5] = {0, false};
    const QByteArray bytes = EncodeReading(reading);
    const QByteArray expected =
        QByteArray::fromHex("2175706461746564666F726D617421CDCDF2F5AE8A9A8C8B969091F2F5");
    EXPECT_EQ(bytes.left(15), QByteArray("!updatedformat!"));
    EXPECT_EQ(bytes.left(expected.size()).toHex(), expected.toHex());
    // The first deck line, then the comment with no line end after it.
    EXPECT_EQ(bytes.mid(expected.size(), 4), ScrambleText("r5\r\n"));
    EXPECT_TRUE(bytes.endsWith(ScrambleText("17\r\nGood")));
}

TEST(ReadingFileTest, EveryReadingReadsBackAsWritten) {
    const QList<ReadingRecord> readings = {
        Record(22, "Question", {5, 17}, "Good"),
        Record(23, "Вопрос", {78, 0, 21}, "Две\r\nстроки"),
        Record(78, "Seven Cards Ellipse", {70, 1, 2, 3, 4, 5, 6}, ""),
        Record(79, "Ω spread", {78}, "first\r\n\r\nlast line ending in я\r\n"),
        // Line ends the program does not write keep their characters too.
        Record(22, "Question", {1, 2}, "a\r\r\nb\rc\nd\n\r"),
    };
    for (const ReadingRecord& reading : readings) {
        const std::optional<ReadingRecord> back =
            Decode(EncodeReading(reading), static_cast<int>(reading.positions.size()));
        ASSERT_TRUE(back) << reading.spreadName.toStdString();
        EXPECT_EQ(*back, reading) << reading.spreadName.toStdString();
    }
}

TEST(ReadingFileTest, TheExactSpellingOfASpreadNameWinsOverOneInOtherCase) {
    const QStringList catalogue = {"question", "Question", "Вопрос"};
    const struct {
        QString name, found;
    } rows[] = {{"Question", "Question"},
                {"question", "question"},
                {"QUESTION", "question"},
                {"вопрос", "Вопрос"},
                {"Quest", ""}};
    for (const auto& row : rows)
        EXPECT_EQ(CatalogueSpreadName(catalogue, row.name), row.found) << row.name.toStdString();
}

TEST(ReadingFileTest, MalformedFilesAreRefused) {
    const QByteArray marker = "!updatedformat!";
    const auto marked = [&](const QByteArray& body) { return marker + ScrambleText(body); };
    const QByteArray deck22 = [] {
        QByteArray lines;
        for (int i = 0; i < 22; ++i) lines += QByteArray::number(i) + "\r\n";
        return lines;
    }();
    struct Row {
        const char* name;
        QByteArray bytes;
        ReadingStatus head;
    };
    const Row rows[] = {
        {"empty file", "", ReadingStatus::Empty},
        {"only zero bytes", QByteArray(10, '\0'), ReadingStatus::Empty},
        {"marker alone", marker, ReadingStatus::Malformed},
        {"count not a number", marked("twenty\r\nQ\r\n"), ReadingStatus::Malformed},
        {"count with a plus", marked("+22\r\nQ\r\n"), ReadingStatus::Malformed},
        {"count above 79", marked("200\r\nQ\r\n"), ReadingStatus::Malformed},
        {"negative count", marked("-1\r\nQ\r\n"), ReadingStatus::Malformed},
        {"name without line end", marked("22\r\nQuestion"), ReadingStatus::Malformed},
        {"deck line not a number", marked("22\r\nQ\r\n" + deck22.left(10) + "x\r\n"),
         ReadingStatus::Ok},
        {"card above 78", marked("22\r\nQ\r\n79\r\n" + deck22), ReadingStatus::Ok},
        {"reversed minus", marked("22\r\nQ\r\nr-1\r\n" + deck22), ReadingStatus::Ok},
        {"deck cut short", marked("22\r\nQ\r\n" + deck22.left(30)), ReadingStatus::Ok},
        {"position missing", marked("22\r\nQ\r\n" + deck22 + "5\r\n"), ReadingStatus::Ok},
        {"position card 99", marked("22\r\nQ\r\n" + deck22 + "5\r\n99\r\n"), ReadingStatus::Ok},
        {"position with spaces", marked("22\r\nQ\r\n" + deck22 + "5\r\n 7\r\n"), ReadingStatus::Ok},
    };
    for (const Row& row : rows) {
        const ReadingHead head = DecodeReadingHead(row.bytes);
        EXPECT_EQ(head.status, row.head) << row.name;
        EXPECT_FALSE(DecodeReadingBody(head, 2)) << row.name;
    }
    // The same file with its two position lines whole opens.
    EXPECT_TRUE(Decode(marked("22\r\nQ\r\n" + deck22 + "5\r\n7\r\n"), 2)) << "well formed";
}

}  // namespace
