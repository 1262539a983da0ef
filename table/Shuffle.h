#pragma once

#include <functional>

#include <QList>
#include <QPoint>
#include <QRect>

#include "table/DeckSlots.h"

// The deck work of shuffling, cutting and the automatic deal, apart from its animation.

// One shuffle frame: (k + 1)^2 swaps of two random slots' numbers; with reversed cards each
// swap also gives a random slot an even chance of lying reversed.
void ShuffleFrame(DeckSlots& deck, int deckSize, int k, bool useReverse);

// The swaps per shuffle frame: 350 with reversed cards, else 500.
int ShuffleStrength(bool useReverse);

// Where the shuffle trail paints the large back in frame `angle` (radians), around the centre
// of a window of the given size.
QPoint ShuffleTrailPoint(QSize window, double angle);

// The pile of 18 large backs on a window of the given size: 183 x 264 pixels.
QRect PileRect(QSize window);

// The cut depth for a click at x on the pile: the further right, the deeper.
int CutDepth(int x, QSize window, int deckSize);

// The three-pile cut: the first k slots (k clamped to 1 .. deckSize - 1) form P1, the next
// ceil((N - k) / 2) P2, the rest P3; the new order is P3, P2, P1. Only numbers move: every
// slot keeps its Reversed flag.
void CutInThreePiles(DeckSlots& deck, int deckSize, int k);

// Moves each significator's card to an end of the arc, alternating from the left end and the
// right end (0, N - 1, 1, N - 2 ...). Returns the slots that now carry a significator's card.
QList<int> MoveSignificatorsToEnds(DeckSlots& deck, int deckSize, const QList<int>& cards);

// A random card in play that lies on no position yet: 0 .. deckSize - 1, where with 23 cards a
// drawn 22 stands for card 78. -1 when every card in play already lies on a position (a spread
// with more positions than cards in play), where drawing again would never end.
int DrawFreeCard(int deckSize, const std::function<bool(int card)>& liesOnPosition);
