#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

class QToolButton;
class ReadingModel;
struct ReadingSnapshot;
class TableAnimations;
class TableView;
struct ProgramState;

// The table's "Shuffle", "Stop" and "Cut deck" buttons, made by the window.
struct TableButtons {
    QToolButton* SpeedButton1 = nullptr;  // "Shuffle"
    QToolButton* SpeedButton2 = nullptr;  // "Stop"
    QToolButton* SpeedButton3 = nullptr;  // "Cut deck"
};

// The reading flow: starting a reading, the shuffle, the cut and laying the deck out, and what
// a click on the table means in each state. It drives the model, the view and the animations;
// subsystems follow the reading through its signals.
class ReadingFlow : public QObject {
    Q_OBJECT

public:
    ReadingFlow(ProgramState& program, ReadingModel& model, TableView& view,
                TableAnimations& animations, TableButtons buttons);

    // Asks for a spread, clears the table and asks for the significators.
    void StartNewReading();
    // "Shuffle": a fresh order, then the shuffle until "Stop".
    void SpeedButton1Click();
    // "Stop": ends the shuffle; lays the deck out at once when no cut is due.
    void SpeedButton2Click();
    // "Cut deck": cuts at the window's centre.
    void SpeedButton3Click();
    // Cuts (if due) at a point on the pile and lays the deck out.
    void Piling(int x, int y);
    // A mouse button pressed on the table at a point of the window.
    void FormMouseDown(Qt::MouseButton button, QPoint point);
    // What a left click on the table does, given the arc's slot under it (-1 for none): the
    // mouse finds the slot under the pointer, the keyboard names the focused one.
    void TableClick(int slot, QPoint point);
    // A reading is being prepared: the shuffle runs or "Shuffle" or "Cut deck" is on show.
    bool Preparing() const;
    // An animation runs: commands that would replace the reading wait.
    bool Busy() const;

    // The two ways a reading made elsewhere reaches the table. Restoring lays a saved reading
    // out exactly as it lay: its spread, its deck order in deckSize slots in play (slots past
    // the reading's own deck carry card 78), every position's card face up; "Major Arcana
    // only" follows the deck. Manual input lays the deck out at once for the cards of a
    // reading made with real cards, entered position by position in any order.
    void RestoreReading(const ReadingSnapshot& reading, int deckSize);
    void StartManualInput(const QString& spreadName);

signals:
    // A new spread lies on the table, before its significators are chosen.
    void spreadStarted(const QString& spreadName);
    // The deck lies in the arc and the spread is on show.
    void deckLaidOut();
    // A new reading cleared the table, before its spread is loaded.
    void tableCleared();
    // The shuffle begins.
    void shuffleStarted();
    // A restored reading's spread lies on the table, before its cards are dealt.
    void readingRestored(const QString& spreadName);
    // A restored reading switched "Major Arcana only" to follow its deck.
    void majorOnlyChanged(bool on);

private:
    // The music step of a new spread.
    void NewSpreadMusic();
    void ShowButtons(bool shuffle, bool stop, bool cut);

    ProgramState& program_;
    ReadingModel& model_;
    TableView& view_;
    TableAnimations& animations_;
    TableButtons buttons_;
};
