#include "i18n/CardsFile.h"

#include "i18n/LangFile.h"
#include "i18n/TextBlocks.h"

namespace {

// The last card of each suit's number cards (Traditional) or of its first court block (New Age):
// after it the court block not used is skipped.
bool SkipsCourtBlockAfter(int card, bool newAgeCourtOrder) {
    const int lastBefore = newAgeCourtOrder ? 35 : 31;
    return card >= lastBefore && card <= lastBefore + 42 && (card - lastBefore) % 14 == 0;
}

}  // namespace

void WalkCardTitles(const QStringList& lines, TitleNumbering numbering, CardTitleList& titles) {
    qsizetype next = 0;
    for (int card = 0; card < kCardCount && next < lines.size(); ++card) {
        titles[card] = lines[next++];
        if ((card == 8 || card == 11) && next < lines.size()) {
            if (!numbering.strengthIsXI) titles[card] = lines[next];
            ++next;
        }
        if (SkipsCourtBlockAfter(card, numbering.newAgeCourtOrder)) next += 4;
    }
}

void BuildCardTitles(CardTitleList& titles, const QString& appDir, const QString& language,
                     bool has79thCard, TitleNumbering numbering) {
    if (has79thCard) {
        titles = BuiltinCardTitles();
        return;
    }
    const QByteArray text = ReadTextBlocks(LanguageFilePath(appDir, language, "Cards.lng"));
    WalkCardTitles(DecodeLangLines(text), numbering, titles);
}
