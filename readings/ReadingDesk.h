#pragma once

#include <QString>
#include <QStringList>

class MessageList;
class TSpreadParser;
struct ReadingState;

// What saved readings and manual input need of the main window: the reading on the table,
// the settings that decide the deck in play, and the steps of the reading flow they run.
class ReadingDesk {
public:
    virtual ~ReadingDesk() = default;

    virtual ReadingState& reading() = 0;
    virtual TSpreadParser& engine() = 0;
    // DeckSize: the slots in play.
    virtual int deckSize() const = 0;
    virtual void setDeckSize(int size) = 0;
    virtual bool has79thCard() const = 0;
    virtual bool majorOnly() const = 0;
    // Sets "Major Arcana only" with its check mark and its notice at the top right.
    virtual void setMajorOnly(bool on) = 0;
    // The comment typed when the reading was last saved.
    virtual QString& readingComments() = 0;
    virtual const QStringList& spreadList() const = 0;
    virtual QString appDir() const = 0;
    // Where the open and save dialogs of reading files start.
    virtual QString readingDialogDir() const = 0;
    virtual const MessageList& messages() const = 0;
    // The cut, the wipe or the automatic deal is running: the table is not to be changed.
    virtual bool tableBusy() const = 0;

    // Loads SpreadName into the (reset) engine and builds the position images.
    virtual void MakeSpreadAndImages() = 0;
    // Lays the slots in play out in the arc in a fresh random order.
    virtual void SetCards() = 0;
    virtual void HideExtraCard() = 0;
    // "Stop": lays the deck out at once while RestoringReading or ManualInput is on.
    virtual void SpeedButton2Click() = 0;
    // Shows the prompt under the spread name and keeps its copy.
    virtual void SetPrompt(const QString& text) = 0;
};
