#pragma once

#include <vector>

#include <QDialog>
#include <QString>

#include "i18n/CardTitles.h"
#include "spreads/SpreadTable.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// What the card list dialog needs to know about the reading when it is created.
struct CardListContext {
    bool ManualInput = false;  // deck list when on, significator list when off
    int DeckSize = 78;         // 22, 23, 78 or 79
    bool Has79thCard = false;
    CardTitleList CardTitles;
    QString PictureDir;  // the current deck's directory: PictureDir/N.jpg is card N
};

// The card numbers the entries of each list stand for, entry by entry.
// Deck list: 0 .. DeckSize - 1, where with 23 cards in play the last entry is card 78.
std::vector<int> DeckListCards(int deckSize);
// Significator list: the Major Arcana, the sixteen court cards, then 78 with a 79th card.
// It offers every court card also while only the Major Arcana are in play.
std::vector<int> SignificatorListCards(bool has79thCard);

// The card list dialog: pick one card by its title, with a preview and, where the caller
// shows the orientation group, upright or reversed. Created for one choice, shown modally.
class TForm11 : public QDialog {
    Q_OBJECT

public:
    explicit TForm11(const CardListContext& context, QWidget* parent = nullptr);

    QListWidget* ListBox1() const { return listBox1_; }
    QGroupBox* RadioGroup1() const { return radioGroup1_; }
    QRadioButton* StraightItem() const { return straight_; }
    QRadioButton* ReversedItem() const { return reversed_; }
    QLabel* Image1() const { return image1_; }
    QPushButton* Button1() const { return button1_; }  // OK
    QPushButton* Button2() const { return button2_; }  // Cancel

    // Takes the caption, the orientation group's texts and the preselected choice of the
    // request; a significator hides the group, any other position moves the preview beside it.
    void Prepare(const CardChoiceRequest& request);

    // Selects the card's entry in the list and shows its preview.
    void ClickQuer(int card);

    // The card number that list entry stands for, or -1 for no entry.
    int CardOfEntry(int entry) const;

    // The result, written only when the dialog is confirmed: -1 and false until then.
    int ChosenCard() const { return chosenCard_; }
    bool ChosenReversed() const { return chosenReversed_; }

private:
    // The selected entry of the list, or -1: only a selected entry is a choice.
    int SelectedEntry() const;
    void ListBox1Click();
    void Button1Click();
    void ShowPreview(int card);
    void PlaceInMiddle();

    CardListContext context_;
    std::vector<int> entryCards_;
    QListWidget* listBox1_;
    QGroupBox* radioGroup1_;
    QRadioButton* straight_;
    QRadioButton* reversed_;
    QLabel* image1_;
    QPushButton* button1_;
    QPushButton* button2_;
    int chosenCard_ = -1;
    bool chosenReversed_ = false;
};
