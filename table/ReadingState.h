#pragma once

#include <QRect>
#include <QString>

#include "table/DeckSlots.h"

// The state of the reading on the table, held by the main window and driven by the spread
// engine, the shuffle and the reading flow. DeckSize and Has79thCard are the main window's.
class ReadingState {
public:
    DeckSlots& Deck() { return deck_; }
    const DeckSlots& Deck() const { return deck_; }

    const QString& SpreadName() const { return spreadName_; }
    void SetSpreadName(const QString& name) { spreadName_ = name; }

    // The next position to receive a dealt card.
    int NextPosition() const { return nextPosition_; }
    void SetNextPosition(int i) { nextPosition_ = i; }
    // Significator positions still to be chosen.
    int PendingSignificators() const { return pendingSignificators_; }
    void SetPendingSignificators(int count) { pendingSignificators_ = count; }
    bool ExtraCardReversed() const { return extraCardReversed_; }
    void SetExtraCardReversed(bool reversed) { extraCardReversed_ = reversed; }
    // A copy of the prompt label's text.
    const QString& CurrentPrompt() const { return currentPrompt_; }
    void SetCurrentPrompt(const QString& text) { currentPrompt_ = text; }

    // The phases of a reading on the table.
    bool Shuffling() const { return shuffling_; }
    void SetShuffling(bool on) { shuffling_ = on; }
    // The deck is spread out in the arc.
    bool DeckLaidOut() const { return deckLaidOut_; }
    void SetDeckLaidOut(bool on) { deckLaidOut_ = on; }
    // The spread area is on show after the cut.
    bool SpreadShown() const { return spreadShown_; }
    void SetSpreadShown(bool on) { spreadShown_ = on; }
    // The spread area fills the window.
    bool DeckRemoved() const { return deckRemoved_; }
    void SetDeckRemoved(bool on) { deckRemoved_ = on; }
    bool ManualInput() const { return manualInput_; }
    void SetManualInput(bool on) { manualInput_ = on; }
    bool RestoringReading() const { return restoringReading_; }
    void SetRestoringReading(bool on) { restoringReading_ = on; }
    // An ordinary position's card was turned face up.
    bool CardTurned() const { return cardTurned_; }
    void SetCardTurned(bool on) { cardTurned_ = on; }
    bool AutoDrawPending() const { return autoDrawPending_; }
    void SetAutoDrawPending(bool on) { autoDrawPending_ = on; }

    // The home bounds of the spread area.
    QRect TableBounds() const { return tableBounds_; }
    void SetTableBounds(const QRect& bounds) { tableBounds_ = bounds; }
    // The size of a card on the table.
    int TableCardWidth() const { return tableCardWidth_; }
    int TableCardHeight() const { return tableCardHeight_; }

private:
    DeckSlots deck_{};
    QString spreadName_;
    int nextPosition_ = 0;
    int pendingSignificators_ = 0;
    bool extraCardReversed_ = false;
    QString currentPrompt_;
    bool shuffling_ = false;
    bool deckLaidOut_ = false;
    bool spreadShown_ = false;
    bool deckRemoved_ = false;
    QRect tableBounds_;
    bool manualInput_ = false;
    bool restoringReading_ = false;
    bool cardTurned_ = false;
    bool autoDrawPending_ = false;
    int tableCardWidth_ = 87;
    int tableCardHeight_ = 148;
};
