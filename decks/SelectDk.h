#pragma once

#include <QDialog>

class MessageList;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

// The Select deck dialog: the decks of the deck folders in alphabetical order, the deck's court
// card sequence and its number of Strength. Without decks it shows a notice and OK alone.
class TForm3 : public QDialog {
    Q_OBJECT

public:
    TForm3(const MessageList& messages, const QStringList& deckFolders, const QString& deckName,
           bool newAgeCourtOrder, bool strengthIsXI, QWidget* parent = nullptr);

    // The choices after OK; they count only when the list of decks was on show.
    bool HasDecks() const;
    QString DeckName() const;
    bool NewAgeCourtOrder() const;
    bool StrengthIsXI() const;

private:
    void ShowNoDecksNotice();
    void ListBox1Click();
    void ListBox1DblClick(QListWidgetItem* item);

    QListWidget* listBox1_;
    QGroupBox* radioGroup1_;
    QRadioButton* traditional_;
    QRadioButton* newAge_;
    QGroupBox* radioGroup2_;
    QRadioButton* strengthVIII_;
    QRadioButton* strengthXI_;
    QLabel* label1_;
    QPushButton* button1_;
    QPushButton* button2_;
};
