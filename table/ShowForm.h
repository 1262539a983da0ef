#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include "decks/CardTexts.h"
#include "i18n/CardTitles.h"
#include "i18n/MessageList.h"

class MessageBoxes;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
#include "settings/Settings.h"

// What the card explanation window reads (and, for the save options, writes).
struct ExplanationContext {
    QString AppDir;
    CardTitleList CardTitles;
    MessageList Messages;
    // The deck, language, picture and window settings in use.
    Settings settings;
    MessageBoxes* messageBoxes = nullptr;    // questions and failures
    CardSaveOptions* saveOptions = nullptr;  // owned by the caller; must be set
    QString DeckDir;                         // the current deck's folder; empty for none
    QString UserDir;  // where the user's own texts go; empty or AppDir in a portable folder
};

// The size a picture of w x h pixels is shown at in an area of ew x eh pixels, with
// KeepActualSize on (unscaled when it fits, else the whole area) or off (proportional).
QSize ExplanationPictureSize(QSize picture, QSize area, bool keepActualSize);

// The card explanation window: picture, title, second heading and the editable text.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    TForm4(const ExplanationContext& context, int card, bool reversed, const QString& secondHeading,
           QWidget* parent = nullptr);

    QLabel* Image1() const { return image1_; }  // the picture area
    QLabel* Label1() const { return label1_; }  // title
    QLabel* Label2() const { return label2_; }  // second heading
    QPlainTextEdit* Memo1() const { return memo1_; }
    QPushButton* Button1() const { return button1_; }  // Close
    QPushButton* Button2() const { return button2_; }  // Save

    const QString& LoadedText() const { return loadedText_; }
    bool TextModified() const { return textModified_; }

    // The "Save" command: asks where to save (SelSave), then writes.
    void SaveCardText();

protected:
    // Every way of closing ends here: asks whether to save a modified text first.
    void reject() override;

private:
    void ShowPicture();
    void MakeRoomForHeadings();
    void Memo1Change();

    ExplanationContext context_;
    int card_;
    bool reversed_;
    QString loadedText_;
    bool textModified_ = false;
    CardSaveOptions ownOptions_;  // used when the context brings none
    QFrame* panel_;
    QLabel* image1_;
    QLabel* label1_;
    QLabel* label2_;
    QPlainTextEdit* memo1_;
    QPushButton* button1_;
    QPushButton* button2_;
};

// Opens the explanation window of a card modally and frees it when it closes.
void ShowCardExplanation(const ExplanationContext& context, int card, bool reversed,
                         const QString& secondHeading, QWidget* parent = nullptr);

// A click on the extra card: its explanation with language message 74 as second heading.
void AdditClick(const ExplanationContext& context, int extraCard, bool extraCardReversed,
                QWidget* parent = nullptr);
