#include "spreads/SeCard.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "decks/CardFace.h"
#include "i18n/QtTranslations.h"
#include "platform/TextFitting.h"

namespace {

constexpr int kExtraCard = 78;

// The last four cards of each suit of fourteen (22..35, 36..49, 50..63, 64..77).
bool IsCourtCard(int card) { return card >= 22 && card <= 77 && (card - 22) % 14 >= 10; }

}  // namespace

std::vector<int> DeckListCards(int deckSize) {
    const int size = std::clamp(deckSize, 0, kCardCount);
    std::vector<int> cards;
    for (int k = 0; k < size; ++k) cards.push_back(size == 23 && k == 22 ? kExtraCard : k);
    return cards;
}

std::vector<int> SignificatorListCards(bool has79thCard) {
    std::vector<int> cards;
    for (int card = 0; card < kExtraCard; ++card)
        if (card <= 21 || IsCourtCard(card)) cards.push_back(card);
    if (has79thCard) cards.push_back(kExtraCard);
    return cards;
}

TForm11::TForm11(const CardListContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      entryCards_(context.ManualInput ? DeckListCards(context.DeckSize)
                                      : SignificatorListCards(context.Has79thCard)) {
    setObjectName("SeCard");
    setFixedSize(375, 327);

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setGeometry(8, 8, 177, 305);
    for (int card : entryCards_) listBox1_->addItem(context_.CardTitles[card]);
    // Nothing is chosen at first: not even the focus may make a row current.
    listBox1_->setCurrentIndex(QModelIndex());

    radioGroup1_ = new QGroupBox("Position", this);
    radioGroup1_->setObjectName("RadioGroup1");
    radioGroup1_->setGeometry(208, 8, 145, 73);
    straight_ = new QRadioButton("Straight", radioGroup1_);
    straight_->setGeometry(8, 20, 129, 20);
    straight_->setChecked(true);
    reversed_ = new QRadioButton("Reversed", radioGroup1_);
    reversed_->setGeometry(8, 44, 129, 20);

    image1_ = new QLabel(this);
    image1_->setObjectName("Image1");
    image1_->setGeometry(200, 16, 161, 257);
    image1_->setScaledContents(true);
    image1_->hide();

    button1_ = new QPushButton(QtButtonText(QDialogButtonBox::Ok), this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(200, 288, 75, 25);
    button1_->setDefault(true);
    button1_->setEnabled(false);
    button2_ = new QPushButton(QtButtonText(QDialogButtonBox::Cancel), this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(288, 288, 75, 25);

    connect(listBox1_, &QListWidget::itemSelectionChanged, this, [this] { ListBox1Click(); });
    connect(listBox1_, &QListWidget::itemDoubleClicked, this, [this] { Button1Click(); });
    connect(button1_, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);

    FitTexts(this);
    PlaceInMiddle();
}

void TForm11::PlaceInMiddle() {
    if (QScreen* shown = screen()) move(shown->availableGeometry().center() - rect().center());
}

void TForm11::Prepare(const CardChoiceRequest& request) {
    setWindowTitle(request.caption);
    listBox1_->setAccessibleName(request.caption);
    radioGroup1_->setTitle(request.orientationCaption);
    straight_->setText(request.uprightText);
    reversed_->setText(request.reversedText);
    if (request.significator)
        radioGroup1_->hide();
    else
        image1_->setGeometry(224, 88, 113, 185);
    if (request.preselectedCard >= 0) ClickQuer(request.preselectedCard);
    (request.preselectedReversed ? reversed_ : straight_)->setChecked(true);
    FitTexts(this);
    PlaceInMiddle();
}

int TForm11::CardOfEntry(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(entryCards_.size())) return -1;
    return entryCards_[entry];
}

// The entry is found by the card's own number in whichever list is shown. In the
// significator list that is the entry the significator numbering gives; during manual input
// the deck list shows every card under its own number, so the significator's card is
// preselected there as well. A card the list does not offer selects nothing.
void TForm11::ClickQuer(int card) {
    const auto found = std::find(entryCards_.begin(), entryCards_.end(), card);
    if (found == entryCards_.end()) return;
    listBox1_->setCurrentRow(static_cast<int>(found - entryCards_.begin()));
}

int TForm11::SelectedEntry() const {
    const QModelIndexList selected = listBox1_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TForm11::ListBox1Click() {
    const int card = CardOfEntry(SelectedEntry());
    if (card < 0) return;
    button1_->setEnabled(true);
    ShowPreview(card);
}

// Decoded at the preview's current size: the caller may have moved and resized it.
void TForm11::ShowPreview(int card) {
    const QImage face =
        LoadCardFace(CardFacePath(context_.PictureDir, card), image1_->size(), false);
    if (face.isNull()) return;
    image1_->setPixmap(QPixmap::fromImage(face));
    image1_->show();
}

void TForm11::Button1Click() {
    const int card = CardOfEntry(SelectedEntry());
    if (card < 0) return;
    chosenCard_ = card;
    chosenReversed_ = !radioGroup1_->isHidden() && reversed_->isChecked();
    accept();
}
