#include "table/ReadingModel.h"

#include <algorithm>

#include "decks/DeckDirectory.h"

void ReadingModel::SetDeckSize(bool majorOnly) { DeckSize = DeckSizeFor(majorOnly, Has79thCard); }

void ReadingModel::SetCards(int tableWidth, bool useReverse) {
    LayOutArc(Deck(), DeckSize, Has79thCard, tableWidth);
    FreshOrder(Deck(), DeckSize, useReverse);
}

bool ReadingModel::LiesOnPosition(int card) const {
    for (int i = 0; i < std::min(Parser.PosCount(), kMaxPositions); ++i)
        if (Parser.PosCard(i) == card) return true;
    return false;
}

// Manual input fills positions in any order, so the next position alone does not tell: every
// position must hold a card.
bool ReadingModel::Complete() const {
    if (!DeckLaidOut() || NextPosition() < Parser.PosCount()) return false;
    for (int i = 0; i < std::min(Parser.PosCount(), kMaxPositions); ++i)
        if (Parser.PosCard(i) < 0) return false;
    return true;
}

ReadingSnapshot ReadingModel::Snapshot() const {
    ReadingSnapshot snapshot;
    snapshot.spreadName = SpreadName();
    snapshot.deckSize = DeckSize;
    for (int slot = 0; slot < std::clamp(DeckSize, 0, kCardCount); ++slot)
        snapshot.deck.append({Deck()[slot].Number, Deck()[slot].Reversed});
    for (int i = 0; i < std::min(Parser.PosCount(), kMaxPositions); ++i)
        snapshot.positions.append({Parser.PosCard(i), Parser.PosReversed(i), Parser.PosFaceUp(i),
                                   Parser.PosSignificator(i), Parser.PosText(i),
                                   Parser.PositionNumber(i),
                                   QPoint(Parser.PosX(i), Parser.PosY(i))});
    snapshot.cardSize = QSize(TableCardWidth(), TableCardHeight());
    snapshot.comment = ReadingComments;
    snapshot.complete = Complete();
    return snapshot;
}
