#include <gtest/gtest.h>

#include "i18n/CardsFile.h"
#include "support/LanguageData.h"
#include "support/TestAppDir.h"

namespace {

// The line of "Cards.lng" that names a card, straight from the file's layout: cards 8 and 11
// have two lines, and each suit has ten number cards, a New Age court block and a Traditional
// court block of four lines each.
int ExpectedLine(int card, TitleNumbering numbering) {
    if (card < 8) return card;
    if (card == 8) return numbering.strengthIsXI ? 8 : 9;
    if (card <= 10) return card + 1;
    if (card == 11) return numbering.strengthIsXI ? 12 : 13;
    if (card <= 21) return card + 2;
    if (card == 78) return 96;
    const int suitStart = 24 + 18 * ((card - 22) / 14);
    const int inSuit = (card - 22) % 14;
    if (inSuit < 10) return suitStart + inSuit;
    return suitStart + 10 + (numbering.newAgeCourtOrder ? 0 : 4) + (inSuit - 10);
}

const QStringList kLines = NumberedLines("line ", 97);

TEST(CardsFileTest, EveryCardTakesItsLineForEachNumbering) {
    for (bool xi : {true, false}) {
        for (bool newAge : {true, false}) {
            const TitleNumbering numbering{xi, newAge};
            CardTitleList titles;
            WalkCardTitles(kLines, numbering, titles);
            for (int card = 0; card < kCardCount; ++card)
                EXPECT_EQ(titles[card], kLines[ExpectedLine(card, numbering)])
                    << "card " << card << " XI " << xi << " New Age " << newAge;
        }
    }
}

TEST(CardsFileTest, AShortFileLeavesTheLaterTitlesAsTheyWere) {
    CardTitleList titles;
    titles.fill("old");
    WalkCardTitles(NumberedLines("new ", 30), {true, true}, titles);
    EXPECT_EQ(titles[27], "new 29");
    EXPECT_EQ(titles[28], "old");
    EXPECT_EQ(titles[78], "old");
    // Lines after card 78's are ignored.
    WalkCardTitles(NumberedLines("long ", 120), {true, true}, titles);
    EXPECT_EQ(titles[78], "long 96");
}

TEST(CardsFileTest, DeckWith79thCardHasBuiltInTitlesInEveryLanguage) {
    TestAppDir app;
    WriteLanguage(app, "Russian", "ru");
    CardTitleList titles;
    BuildCardTitles(titles, app.path(), "Russian", true, {false, false});
    EXPECT_EQ(titles, BuiltinCardTitles());
    EXPECT_EQ(titles[8], "VIII. Balance");
    EXPECT_EQ(titles[78], "The Master");
    BuildCardTitles(titles, app.path(), "Russian", false, {false, false});
    EXPECT_EQ(titles[8], "rucards9");
    EXPECT_EQ(titles[78], "rucards96");
}

TEST(CardsFileTest, TitlesComeFromEnglishOrStayWithoutCardsFile) {
    TestAppDir app;
    app.write("Langs/German/List.lng", "x");
    CardTitleList titles;
    titles.fill("kept");
    BuildCardTitles(titles, app.path(), "German", false, {});
    EXPECT_EQ(titles[0], "kept");
    WriteLanguage(app, "English", "en");
    BuildCardTitles(titles, app.path(), "German", false, {});
    EXPECT_EQ(titles[0], "encards0");
}

}  // namespace
