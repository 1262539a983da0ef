#include "readings/SavedReadings.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QWidget>

#include "i18n/FixedTexts.h"
#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "platform/WholeFile.h"
#include "readings/CommForm.h"
#include "readings/WarnForm.h"
#include "spreads/Misc.h"
#include "spreads/SelectSp.h"
#include "table/CommentText.h"
#include "table/ProgramState.h"
#include "table/ReadingFlow.h"
#include "table/ReadingModel.h"
#include "table/ReadingSnapshot.h"

SavedReadings::SavedReadings(ProgramState& program, ReadingModel& model, ReadingFlow& flow,
                             QWidget* window)
    : QObject(window), program_(program), model_(model), flow_(flow), window_(window) {
    setObjectName("SavedReadings");
    connect(&flow_, &ReadingFlow::readingRestored, this, &SavedReadings::readingOpened);
    connect(&flow_, &ReadingFlow::majorOnlyChanged, this, &SavedReadings::majorOnlyChanged);
}

SavedReadings::~SavedReadings() = default;

TForm9& SavedReadings::CommentsWindow() {
    if (!commentsWindow_) {
        commentsWindow_ = std::make_unique<TForm9>(window_);
        commentsWindow_->setObjectName("CommentsWindow");
        commentsWindow_->MakeCommentsWindow();
        RetitleCommentsWindow();
        commentsWindow_->move(window_->width() - commentsWindow_->width(), 0);
    }
    return *commentsWindow_;
}

void SavedReadings::RetitleCommentsWindow() {
    if (!commentsWindow_) return;
    const MessageList& messages = program_.Messages;
    commentsWindow_->SetCaptions(messages[Msg::Comments], messages[Msg::Ok],
                                 messages[Msg::NoComments]);
}

bool SavedReadings::HideCommentsWindow() {
    if (!commentsWindow_ || !commentsWindow_->isVisible()) return false;
    commentsWindow_->hide();
    return true;
}

void SavedReadings::ShowMessage(const QString& text) {
    program_.platform.messageBoxes->showMessage(window_, text);
}

ReadingRecord SavedReadings::TableRecord() const {
    const ReadingSnapshot snapshot = model_.Snapshot();
    ReadingRecord record;
    record.deckSize = snapshot.deckSize;
    record.spreadName = snapshot.spreadName;
    for (const ReadingSnapshot::Slot& slot : snapshot.deck)
        record.deck.append({slot.card, slot.reversed});
    for (const ReadingSnapshot::Position& position : snapshot.positions) {
        record.positions.append(position.card);
        // A card keeps its orientation through its slot. A significator's slot got a random
        // one in the shuffle after the card was chosen: give it the card's own again.
        for (ReadingSlot& slot : record.deck)
            if (slot.card == position.card) slot.reversed = position.reversed;
    }
    return record;
}

bool SavedReadings::MayDiscardReading() {
    if (!model_.Complete() || model_.Parser.PosCount() == 0 || kept_ == TableRecord()) return true;
    const QString question = program_.Messages[Msg::DiscardReading];
    return program_.platform.messageBoxes->ask(
               window_, FixedText::ProgramTitle,
               question.isEmpty() ? FixedText::DiscardReading : question,
               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

// ---- Saving ----

void SavedReadings::Savecurrentreading1Click() {
    if (!model_.Complete()) {
        ShowMessage(program_.Messages[Msg::ReadingNotComplete]);
        return;
    }
    // The comment is kept even when the file dialog is cancelled.
    model_.ReadingComments = AskComment();
    const std::optional<QString> path = program_.platform.fileDialogs->saveFile(
        window_,
        {program_.ReadingDialogDir, ProposedFileName(), ReadingFilter(), FixedText::ReadingSuffix});
    if (!path) return;

    ReadingRecord reading = TableRecord();
    reading.comment = model_.ReadingComments;
    // All or nothing: a failed write leaves any earlier file of that name as it was.
    QString reason;
    if (!WriteWholeFile(*path, EncodeReading(reading), &reason)) {
        ShowMessage(QString(FixedText::CouldNotWriteFile) + "\n" + reason);
        return;
    }
    kept_ = TableRecord();
}

QString SavedReadings::AskComment() {
    const MessageList& messages = program_.Messages;
    TForm9 dialog(window_);
    dialog.SetCaptions(messages[Msg::Comments], messages[Msg::Ok], messages[Msg::NoComments]);
    dialog.move(window_->pos() + QPoint((window_->width() - dialog.width()) / 2,
                                        (window_->height() - dialog.height()) / 2));
    if (dialog.exec() != QDialog::Accepted) return {};
    return CommentFromTyped(dialog.Memo1()->toPlainText());
}

QString SavedReadings::ReadingFilter() const {
    return program_.Messages[Msg::ReadingFiles] + FixedText::ReadingPattern;
}

QString SavedReadings::ProposedFileName() const {
    const SystemInfo& system = *program_.platform.systemInfo;
    return ReadingFileTitle(system.shortDate(system.today()), model_.Has79thCard,
                            model_.SpreadName());
}

// ---- Opening ----

void SavedReadings::Openreading1Click() {
    if (flow_.Busy() || !MayDiscardReading()) return;
    const std::optional<QString> path = program_.platform.fileDialogs->openFile(
        window_, {program_.ReadingDialogDir, QString(), ReadingFilter(), FixedText::ReadingSuffix});
    if (path) OpenReading(*path);
}

bool SavedReadings::OpenReading(const QString& path) {
    // The whole file is checked before anything on the table changes.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxReadingFileSize) {
        ShowMessage(FixedText::CouldNotReadFile);
        return false;
    }
    ReadFailure failure;
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxReadingFileSize, &failure);
    if (!bytes) {
        ShowMessage(QString(FixedText::NoSuchFile) + "\n" + failure.reason);
        return false;
    }
    const ReadingHead head = DecodeReadingHead(*bytes);
    if (head.status == ReadingStatus::Empty) return false;
    if (head.status == ReadingStatus::Malformed) {
        ShowMessage(FixedText::CouldNotReadFile);
        return false;
    }
    const MessageList& messages = program_.Messages;
    const QString spreadName = CatalogueSpreadName(program_.SpreadList, head.spreadName);
    if (spreadName.isEmpty()) {
        ShowMessage(messages[Msg::SpreadNotInstalled] + " '" + head.spreadName + "'.");
        return false;
    }
    if ((head.deckSize == 23 || head.deckSize == 79) && !model_.Has79thCard) {
        TForm14 warning(messages[Msg::Needs79CardDeck] + " " + messages[Msg::Select79CardDeck],
                        messages[Msg::Ok], window_);
        warning.exec();
        return false;
    }
    const std::optional<ReadingRecord> reading =
        DecodeReadingBody(head, SpreadPositionCount(FindSpreadFile(program_.Places.UserData(),
                                                                   program_.AppDir, spreadName)));
    const int deckSize =
        DeckSizeForReading(head.deckSize, program_.settings.MajorOnly, model_.Has79thCard);
    if (!reading || !PositionsDealable(*reading, deckSize)) {
        ShowMessage(FixedText::CouldNotReadFile);
        return false;
    }
    RestoreReading(*reading, spreadName, deckSize);
    return true;
}

void SavedReadings::RestoreReading(const ReadingRecord& reading, const QString& spreadName,
                                   int deckSize) {
    ReadingSnapshot snapshot;
    // The catalogue's spelling names the spread file on a file system that tells case apart.
    snapshot.spreadName = spreadName;
    snapshot.deckSize = reading.deckSize;
    for (const ReadingSlot& slot : reading.deck) snapshot.deck.append({slot.card, slot.reversed});
    for (int card : reading.positions) {
        ReadingSnapshot::Position position;
        position.card = card;
        snapshot.positions.append(position);
    }
    snapshot.comment = reading.comment;
    flow_.RestoreReading(snapshot, deckSize);
    // Printouts of the opened reading carry its own comment.
    model_.ReadingComments = reading.comment;
    ShowComment(reading.comment);
    kept_ = TableRecord();
}

void SavedReadings::ShowComment(const QString& comment) {
    if (comment.isEmpty()) {
        if (commentsWindow_) {
            commentsWindow_->Memo1()->clear();
            commentsWindow_->hide();
        }
        return;
    }
    TForm9& shown = CommentsWindow();
    shown.Memo1()->setPlainText(CommentForDisplay(comment));
    shown.show();
    window_->activateWindow();
}

// ---- Manual input ----

void SavedReadings::Input1Click() {
    if (flow_.Busy() || !MayDiscardReading()) return;
    const MessageList& messages = program_.Messages;
    TForm2 dialog(program_.SpreadList, model_.SpreadName(),
                  messages[Msg::SelectSpread] + messages[Msg::ForManualInput], messages[Msg::Ok],
                  messages[Msg::Cancel],
                  messages[Msg::NoSpreadsFirstLine] + "\r\n" + messages[Msg::NoSpreadsSecondLine],
                  window_);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.chosenName().isEmpty()) model_.SetSpreadName(dialog.chosenName());
    // Without any spread there is nothing to enter.
    if (model_.SpreadName().isEmpty()) return;

    flow_.StartManualInput(model_.SpreadName());
    HideCommentsWindow();
}
