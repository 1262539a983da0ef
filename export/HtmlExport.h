#pragma once

#include <QString>

#include <functional>

#include "i18n/CardTitles.h"
#include "table/ReadingSnapshot.h"

// What the printed page or document holds besides the headings and card lines.
struct PrintChoices {
    bool view = true;       // the spread picture
    bool bigCards = false;  // each position's card picture
    bool expl = true;       // the explanation of each non-significator position's card
};

// The explanation text of a card in an orientation.
using CardTextSource = std::function<QString(int card, bool reversed)>;

// The title of a card number; empty for a number outside the deck.
QString CardTitle(const CardTitleList& titles, int card);

// "&", "<" and ">" as HTML entities, so no text can change the page's markup.
QString HtmlEscaped(const QString& text);

// The heading of position i: the text alone for the only significator, the text, a separator
// and the number for one of several, the ordinary number, ". " and the text otherwise.
QString PositionHeading(const ReadingSnapshot& reading, int i, const QString& separator);

// The HTML page of a reading, referring to the pictures "1000.bmp" and "N.bmp" beside it.
QString BuildHtmlPage(const ReadingSnapshot& reading, const CardTitleList& titles,
                      const PrintChoices& choices, const CardTextSource& explanation);
