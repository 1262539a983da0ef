#pragma once

#include <QObject>

#include <memory>

#include "readings/ReadingFile.h"

class ReadingFlow;
class ReadingModel;
class TForm9;
class QWidget;
struct ProgramState;

// Saved readings, manual input and the comments window: saving the reading on the table with
// a comment, opening a saved one, and entering the cards of a reading laid out with real
// cards. The reading flow lays both out on the table.
class SavedReadings : public QObject {
    Q_OBJECT

public:
    // window: the main window, parent of the dialogs and of the comments window.
    SavedReadings(ProgramState& program, ReadingModel& model, ReadingFlow& flow, QWidget* window);
    ~SavedReadings() override;

    // The long-lived comments window: hidden, stay-on-top, at the window's top right. Made when
    // first wanted, as the first comment is shown.
    TForm9& CommentsWindow();
    // Captions of the comments window from the current language.
    void RetitleCommentsWindow();
    // Hides the comments window; true when it was shown.
    bool HideCommentsWindow();

    void Savecurrentreading1Click();
    void Openreading1Click();
    void Input1Click();
    // Opens a reading file; false when it was not opened (a message says why, except for an
    // empty file) and the table is as it was.
    bool OpenReading(const QString& path);

    // True when the reading on the table may give way to another: it is not complete, it is
    // kept in a file as it lies, or the user agrees to discard it.
    bool MayDiscardReading();

signals:
    // A saved reading replaced the spread on the table: the music step of an opened reading.
    void readingOpened(const QString& spreadName);
    // An opened reading switched "Major Arcana only" to follow its deck.
    void majorOnlyChanged(bool on);

private:
    // The reading on the table as a file would hold it, without comment.
    ReadingRecord TableRecord() const;
    QString AskComment();
    QString ProposedFileName() const;
    // The file dialogs' filter, named in the current language.
    QString ReadingFilter() const;
    void RestoreReading(const ReadingRecord& reading, const QString& spreadName, int deckSize);
    void ShowComment(const QString& comment);
    void ShowMessage(const QString& text);

    ProgramState& program_;
    ReadingModel& model_;
    ReadingFlow& flow_;
    QWidget* window_;
    std::unique_ptr<TForm9> commentsWindow_;
    // The reading as it was last saved or opened; a reading equal to it is kept in a file.
    std::optional<ReadingRecord> kept_;
};
