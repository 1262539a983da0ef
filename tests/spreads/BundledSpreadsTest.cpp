#include <QDir>
#include <QMap>
#include <QRect>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include "spreads/SpreadCatalogue.h"
#include "spreads/SpreadFile.h"

namespace {

// The spread area of a 1024 x 768 screen; the 10-pixel spacer beyond the lowest, rightmost card
// must fit too, or the area scrolls.
constexpr QSize kSpreadArea(874, 549);
constexpr int kSpacer = 10;
constexpr QSize kCard(87, 148);

// Every bundled spread, English name and Russian name.
const std::pair<const char*, const char*> kTwins[] = {
    {"Seven Cards Ellipse", "Семикарточный эллипс"},
    {"Relationship", "Отношения"},
    {"Question", "Вопрос"},
    {"Celtic Cross", "Кельтский крест"},
    {"Horseshoe", "Подкова"},
    {"Past, Present, Future", "Прошлое, настоящее, будущее"},
};

QMap<QString, SpreadContent> BundledSpreads() {
    QMap<QString, SpreadContent> spreads;
    const QDir dir(QString(LUMENFOLD_APPDIR) + "/Spreads");
    for (const QString& file : dir.entryList({"*.spread"}, QDir::Files))
        spreads.insert(file.chopped(7), ReadSpreadFile(dir.filePath(file)));
    return spreads;
}

QRect CardAt(const SpreadLine& line) { return QRect(QPoint(line.x, line.y), kCard); }

TEST(BundledSpreadsTest, EverySpreadFitsTheSmallestScreenAndNoCardHidesAnother) {
    const QRect area(QPoint(0, 0), kSpreadArea - QSize(kSpacer, kSpacer));
    const QMap<QString, SpreadContent> spreads = BundledSpreads();
    ASSERT_FALSE(spreads.isEmpty());
    for (auto spread = spreads.begin(); spread != spreads.end(); ++spread) {
        const QList<SpreadLine>& lines = spread->lines;
        const QString name = spread.key();
        ASSERT_EQ(spread->status, SpreadReadStatus::Ok) << name.toStdString();
        EXPECT_EQ(spread->count, lines.size()) << name.toStdString();
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(area.contains(CardAt(lines[i]))) << name.toStdString() << " " << i;
            // Overlapping cards share at most a corner a quarter wide and a quarter high, so
            // the numeral and the title of each stay readable.
            for (int j = i + 1; j < lines.size(); ++j) {
                const QRect shared = CardAt(lines[i]) & CardAt(lines[j]);
                EXPECT_TRUE(shared.isEmpty() || (shared.width() <= kCard.width() / 4 &&
                                                 shared.height() <= kCard.height() / 4))
                    << name.toStdString() << " " << i << " " << j;
            }
        }
    }
}

TEST(BundledSpreadsTest, EverySpreadHasARussianTwinLaidOutTheSame) {
    const QMap<QString, SpreadContent> spreads = BundledSpreads();
    QStringList expected;
    for (const auto& [english, russian] : kTwins) expected << english << QString::fromUtf8(russian);
    expected.sort();
    EXPECT_EQ(spreads.keys(), expected);
    const QRegularExpression latin("[A-Za-z]");
    for (const auto& [englishName, russianName] : kTwins) {
        const SpreadContent english = spreads.value(englishName);
        const SpreadContent russian = spreads.value(QString::fromUtf8(russianName));
        EXPECT_EQ(english.count, russian.count) << englishName;
        ASSERT_EQ(english.lines.size(), russian.lines.size()) << englishName;
        for (int i = 0; i < english.lines.size(); ++i) {
            SpreadLine layout = russian.lines[i];
            EXPECT_TRUE(layout.text.contains(QRegularExpression("[А-яЁё]")) &&
                        !layout.text.contains(latin))
                << russianName << " " << i;
            layout.text = english.lines[i].text;
            EXPECT_EQ(layout, english.lines[i]) << englishName << " " << i;
        }
    }
}

TEST(BundledSpreadsTest, CatalogueListsEachBuiltinSpreadInBothLanguagesAtItsPlace) {
    const QStringList catalogue = BuildSpreadCatalogue(LUMENFOLD_APPDIR, LUMENFOLD_APPDIR);
    ASSERT_EQ(catalogue.size(), 12);
    for (int builtin = 0; builtin < 3; ++builtin) {
        const auto& [english, russian] = kTwins[builtin];
        const QStringList place = catalogue.mid(2 * builtin, 2);
        EXPECT_TRUE(place.contains(english) && place.contains(QString::fromUtf8(russian)))
            << english;
    }
}

}  // namespace
