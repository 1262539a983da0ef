#pragma once

#include <optional>

#include <QString>

class ReadingState;

// What the card list dialog shows for one choice.
struct CardChoiceRequest {
    QString caption;
    // A significator is chosen from the significator list, without the orientation group;
    // any other position shows the group and moves the preview beside it.
    bool significator = false;
    int preselectedCard = -1;          // selected when the dialog opens; -1 for none
    bool preselectedReversed = false;  // "Reversed" checked when the dialog opens
    QString orientationCaption;
    QString uprightText;
    QString reversedText;
};

struct CardChoice {
    int card = -1;
    bool reversed = false;
};

// The table side that the spread engine deals into: the main window's reading state, its
// position images, the extra card, the prompt and the dialogs it opens.
class SpreadTable {
public:
    virtual ~SpreadTable() = default;

    virtual ReadingState& Reading() = 0;
    // DeckSize: the slots in play.
    virtual int CardsInPlay() const = 0;
    // The card chosen for the first significator of the last reading; -1 for none.
    virtual int LastSignificatorCard() const = 0;
    virtual QString Message(int index) const = 0;
    virtual void ShowMessage(const QString& text) = 0;
    // Shows the prompt under the spread name and keeps its copy, CurrentPrompt.
    virtual void SetPrompt(const QString& text) = 0;

    // Takes a deck slot off the table, repainting the place it left.
    virtual void RemoveSlotFromTable(int slot) = 0;
    virtual void ShowPositionBack(int position) = 0;
    // Shows a card face on a position, turned over when reversed; unchanged when the picture
    // cannot be loaded.
    virtual void ShowPositionFace(int position, int card, bool reversed) = 0;
    // Shows the slot's card as the extra card in the left column.
    virtual void ShowExtraCard(int slot) = 0;

    // The card list dialog; nothing when it is cancelled.
    virtual std::optional<CardChoice> ChooseCard(const CardChoiceRequest& request) = 0;
    // The card explanation window, modal.
    virtual void ShowCardExplanation(int card, bool reversed, const QString& heading) = 0;
};
