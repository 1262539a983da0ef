#include "decks/SelectDk.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "i18n/FixedTexts.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "platform/FileNames.h"
#include "platform/TextFitting.h"

namespace {

// A group of two choices, one under the other.
QGroupBox* MakeChoiceGroup(QWidget* parent, const char* name, const QString& caption,
                           const QRect& bounds, QRadioButton*& first, QRadioButton*& second,
                           const QString& firstText, const QString& secondText) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setGeometry(bounds);
    first = new QRadioButton(firstText, group);
    first->setGeometry(6, 18, bounds.width() - 8, 20);
    second = new QRadioButton(secondText, group);
    second->setGeometry(6, 40, bounds.width() - 8, 20);
    return group;
}

// Alphabetical order regardless of letter case; names differing only in case keep a fixed order.
bool DeckNameLess(const QString& a, const QString& b) {
    const int order = a.compare(b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

TForm3::TForm3(const MessageList& messages, const QStringList& deckFolders, const QString& deckName,
               bool newAgeCourtOrder, bool strengthIsXI, QWidget* parent)
    : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(439, 284);
    setWindowTitle(messages[Msg::SelectDeck]);

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setAccessibleName(messages[Msg::SelectDeck]);
    listBox1_->setGeometry(16, 16, 201, 225);
    radioGroup1_ = MakeChoiceGroup(
        this, "RadioGroup1", messages[Msg::CourtArcana], {240, 16, 185, 65}, traditional_, newAge_,
        messages[Msg::TraditionalSequence], messages[Msg::NewAgeSequence]);
    // The numbers of Strength stay as they are in every language.
    radioGroup2_ = MakeChoiceGroup(this, "RadioGroup2", messages[Msg::StrengthArcana],
                                   {240, 96, 185, 65}, strengthVIII_, strengthXI_, "VIII", "XI");

    label1_ = new QLabel(FixedText::DecksNotFound, this);
    label1_->setObjectName("Label1");
    label1_->setGeometry(16, 24, 409, 113);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont noticeFont = label1_->font();
    noticeFont.setPixelSize(16);
    label1_->setFont(noticeFont);
    label1_->setStyleSheet("color: black;");
    label1_->hide();

    button1_ = new QPushButton(messages[Msg::Ok], this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(264, 250, 75, 25);
    button1_->setDefault(true);
    button1_->setEnabled(false);
    button2_ = new QPushButton(messages[Msg::Cancel], this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(350, 250, 75, 25);

    // A deck of the user's wins over a bundled one of the same name, whatever its letter case.
    QStringList decks;
    for (const QString& folder : deckFolders)
        for (const QString& deck : FolderEntries(folder))
            if (!decks.contains(deck, Qt::CaseInsensitive)) decks.append(deck);
    std::sort(decks.begin(), decks.end(), DeckNameLess);
    listBox1_->addItems(decks);
    if (decks.isEmpty()) {
        ShowNoDecksNotice();
    } else {
        // Only the exact name, letter case included, is the current deck.
        const qsizetype current = decks.indexOf(deckName);
        // Without it nothing is chosen: not even the focus may make a row current.
        if (current >= 0)
            listBox1_->setCurrentRow(static_cast<int>(current));
        else
            listBox1_->setCurrentIndex(QModelIndex());
        (newAgeCourtOrder ? newAge_ : traditional_)->setChecked(true);
        (strengthIsXI ? strengthXI_ : strengthVIII_)->setChecked(true);
        ListBox1Click();
    }

    FitTexts(this);
    if (decks.isEmpty()) button1_->move((width() - button1_->width()) / 2 - 6, button1_->y());

    connect(listBox1_, &QListWidget::itemSelectionChanged, this, &TForm3::ListBox1Click);
    connect(listBox1_, &QListWidget::itemDoubleClicked, this, &TForm3::ListBox1DblClick);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::ShowNoDecksNotice() {
    listBox1_->hide();
    radioGroup1_->hide();
    radioGroup2_->hide();
    button2_->hide();
    label1_->setText(label1_->text() + "\n" +
                     "Make sure that the \"Pics\" directory exists and contains images.");
    label1_->show();
    button1_->setEnabled(true);
}

bool TForm3::HasDecks() const { return listBox1_->count() > 0; }

QString TForm3::DeckName() const {
    const QList<QListWidgetItem*> selected = listBox1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

bool TForm3::NewAgeCourtOrder() const { return newAge_->isChecked(); }

bool TForm3::StrengthIsXI() const { return strengthXI_->isChecked(); }

void TForm3::ListBox1Click() { button1_->setEnabled(!listBox1_->selectedItems().isEmpty()); }

void TForm3::ListBox1DblClick(QListWidgetItem* item) {
    if (!item) return;
    listBox1_->setCurrentItem(item);
    accept();
}
