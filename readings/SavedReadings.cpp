#include "readings/SavedReadings.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QWidget>

#include "decks/DeckDirectory.h"
#include "i18n/MessageList.h"
#include "platform/Platform.h"
#include "platform/WholeFile.h"
#include "readings/CommForm.h"
#include "readings/ReadingDesk.h"
#include "readings/WarnForm.h"
#include "spreads/Misc.h"
#include "spreads/SelectSp.h"
#include "spreads/SpParser.h"
#include "table/ReadingState.h"

namespace {

// Language messages used here.
constexpr int kMsgOk = 0;
constexpr int kMsgCancel = 1;
constexpr int kMsgSelectSpread = 31;
constexpr int kMsgForManualInput = 32;
constexpr int kMsgManualInputPrompt = 75;
constexpr int kMsgReadingNotComplete = 92;
constexpr int kMsgNeeds79Cards = 106;
constexpr int kMsgSelect79CardDeck = 107;
constexpr int kMsgSpreadNotInstalled = 108;
constexpr int kMsgComments = 112;
constexpr int kMsgNoComments = 113;
constexpr int kMsgReadingOpened = 116;
constexpr int kMsgNoSpreads = 119;
constexpr int kMsgNoSpreadsHint = 120;
constexpr int kMsgDiscardReading = 139;

// The program's fixed English texts.
const char* const kCouldNotWrite = "Could not write in a file.";
const char* const kCouldNotRead = "Could not read from file.";
const char* const kNoSuchFile = "No such file!";
const char* const kReadingFilter = "Reading files (*.reading)";
const char* const kReadingSuffix = "reading";
const char* const kDeck79Mark = " -Velmar Dav Izove- ";
const char* const kDeckMark = " - ";
const char* const kCaption = "Lumenfold";
// Asked when a language file predates the question.
const char* const kDiscardReading = "The reading on the table has not been saved. Discard it?";

}  // namespace

SavedReadings::SavedReadings(ReadingDesk& desk, Platform& platform, QWidget* window)
    : QObject(window),
      desk_(desk),
      platform_(platform),
      window_(window),
      commentsWindow_(new TForm9(window)) {
    setObjectName("SavedReadings");
    commentsWindow_->setObjectName("CommentsWindow");
    commentsWindow_->MakeCommentsWindow();
    commentsWindow_->move(window->width() - commentsWindow_->width(), 0);
}

SavedReadings::~SavedReadings() = default;

void SavedReadings::RetitleCommentsWindow() {
    const MessageList& messages = desk_.messages();
    commentsWindow_->SetCaptions(messages[kMsgComments], messages[kMsgOk],
                                 messages[kMsgNoComments]);
}

void SavedReadings::HideCommentsWindow() { commentsWindow_->hide(); }

void SavedReadings::ShowMessage(const QString& text) {
    platform_.messageBoxes->showMessage(window_, text);
}

bool SavedReadings::ReadingComplete() const {
    const ReadingState& state = desk_.reading();
    return state.DeckLaidOut && state.NextPosition >= desk_.engine().PosCount;
}

ReadingRecord SavedReadings::TableRecord() const {
    ReadingRecord record;
    record.deckSize = desk_.deckSize();
    record.spreadName = desk_.reading().SpreadName;
    for (int slot = 0; slot < record.deckSize; ++slot)
        record.deck.append(
            {desk_.reading().Deck[slot].Number, desk_.reading().Deck[slot].Reversed});
    const TSpreadParser& engine = desk_.engine();
    for (int k = 0; k < engine.PosCount; ++k) {
        record.positions.append(engine.PosCard[k]);
        // A card keeps its orientation through its slot. A significator's slot got a random
        // one in the shuffle after the card was chosen: give it the card's own again.
        for (ReadingSlot& slot : record.deck)
            if (slot.card == engine.PosCard[k]) slot.reversed = engine.PosReversed[k];
    }
    return record;
}

bool SavedReadings::MayDiscardReading() {
    if (!ReadingComplete() || desk_.engine().PosCount == 0 || kept_ == TableRecord()) return true;
    const QString question = desk_.messages()[kMsgDiscardReading];
    return platform_.messageBoxes->ask(window_, kCaption,
                                       question.isEmpty() ? kDiscardReading : question,
                                       QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

// ---- Saving ----

void SavedReadings::Savecurrentreading1Click() {
    if (!ReadingComplete()) {
        ShowMessage(desk_.messages()[kMsgReadingNotComplete]);
        return;
    }
    // The comment is kept even when the file dialog is cancelled.
    desk_.readingComments() = AskComment();
    const std::optional<QString> path = platform_.fileDialogs->saveFile(
        window_, {desk_.readingDialogDir(), ProposedFileName(), kReadingFilter, kReadingSuffix});
    if (!path) return;

    ReadingRecord reading = TableRecord();
    reading.comment = desk_.readingComments();
    // All or nothing: a failed write leaves any earlier file of that name as it was.
    if (!WriteWholeFile(*path, EncodeReading(reading))) {
        ShowMessage(kCouldNotWrite);
        return;
    }
    kept_ = TableRecord();
}

QString SavedReadings::AskComment() {
    const MessageList& messages = desk_.messages();
    TForm9 dialog(window_);
    dialog.SetCaptions(messages[kMsgComments], messages[kMsgOk], messages[kMsgNoComments]);
    dialog.move(window_->pos() + QPoint((window_->width() - dialog.width()) / 2,
                                        (window_->height() - dialog.height()) / 2));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Memo1()->toPlainText();
}

QString SavedReadings::ProposedFileName() const {
    const QString date = platform_.systemInfo->shortDate(platform_.systemInfo->today());
    return SlashesAsDots(date) + (desk_.has79thCard() ? kDeck79Mark : kDeckMark) +
           desk_.reading().SpreadName;
}

// ---- Opening ----

void SavedReadings::Openreading1Click() {
    if (desk_.tableBusy() || !MayDiscardReading()) return;
    const std::optional<QString> path = platform_.fileDialogs->openFile(
        window_, {desk_.readingDialogDir(), QString(), kReadingFilter, kReadingSuffix});
    if (path) OpenReading(*path);
}

bool SavedReadings::OpenReading(const QString& path) {
    // The whole file is checked before anything on the table changes.
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxReadingFileSize) {
        ShowMessage(kCouldNotRead);
        return false;
    }
    const std::optional<QByteArray> bytes = ReadRegularFile(path, kMaxReadingFileSize);
    if (!bytes) {
        ShowMessage(kNoSuchFile);
        return false;
    }
    const ReadingHead head = DecodeReadingHead(*bytes);
    if (head.status == ReadingStatus::Empty) return false;
    if (head.status == ReadingStatus::Malformed) {
        ShowMessage(kCouldNotRead);
        return false;
    }
    const MessageList& messages = desk_.messages();
    const QString spreadName = CatalogueSpreadName(desk_.spreadList(), head.spreadName);
    if (spreadName.isEmpty()) {
        ShowMessage(messages[kMsgSpreadNotInstalled] + " '" + head.spreadName + "'.");
        return false;
    }
    if ((head.deckSize == 23 || head.deckSize == 79) && !desk_.has79thCard()) {
        TForm14 warning(messages[kMsgNeeds79Cards] + " " + messages[kMsgSelect79CardDeck],
                        messages[kMsgOk], window_);
        warning.exec();
        return false;
    }
    const std::optional<ReadingRecord> reading =
        DecodeReadingBody(head, SpreadPositionCount(SpreadFilePath(desk_.appDir(), spreadName)));
    const int deckSize = DeckSizeForReading(head.deckSize, desk_.majorOnly(), desk_.has79thCard());
    if (!reading || !PositionsDealable(*reading, deckSize)) {
        ShowMessage(kCouldNotRead);
        return false;
    }
    RestoreReading(*reading, spreadName, deckSize);
    return true;
}

void SavedReadings::RestoreReading(const ReadingRecord& reading, const QString& spreadName,
                                   int deckSize) {
    ReadingState& state = desk_.reading();
    TSpreadParser& engine = desk_.engine();
    // The catalogue's spelling names the spread file on a file system that tells case apart.
    state.SpreadName = spreadName;
    engine.ResetReading();
    desk_.MakeSpreadAndImages();
    emit readingOpened();
    state.ManualInput = false;
    desk_.setDeckSize(deckSize);
    desk_.setMajorOnly(IsMajorArcanaDeck(deckSize));

    state.RestoringReading = true;
    desk_.SetCards();
    if (deckSize > reading.deckSize)
        for (int slot = 0; slot < deckSize; ++slot) {
            state.Deck[slot].Number = 78;
            state.Deck[slot].Reversed = false;
        }
    desk_.HideExtraCard();
    // An automatic deal left due by an earlier reading would deal into this one.
    state.AutoDrawPending = false;
    desk_.SpeedButton2Click();

    for (int j = 0; j < reading.deckSize; ++j) {
        state.Deck[j].Number = reading.deck[j].card;
        state.Deck[j].Reversed = reading.deck[j].reversed;
    }
    for (int k = 0; k < reading.positions.size(); ++k) {
        const int card = reading.positions[k];
        bool dealt = false;
        for (int slot = 0; slot < deckSize; ++slot) {
            if (state.Deck[slot].Number != card) continue;
            engine.TakeCard(slot);
            dealt = true;
        }
        if (!dealt) {
            state.Deck[deckSize].Number = card;
            state.Deck[deckSize].Reversed = false;
            engine.TakeCard(deckSize);
        }
        engine.ActivatePosition(k);
    }
    state.PendingSignificators = 0;
    desk_.SetPrompt(desk_.messages()[kMsgReadingOpened]);
    state.SpreadShown = true;
    ShowComment(reading.comment);
    kept_ = TableRecord();
}

void SavedReadings::ShowComment(const QString& comment) {
    commentsWindow_->Memo1()->setPlainText(comment);
    if (comment.isEmpty()) {
        commentsWindow_->hide();
        return;
    }
    commentsWindow_->show();
    window_->activateWindow();
}

// ---- Manual input ----

void SavedReadings::Input1Click() {
    if (desk_.tableBusy() || !MayDiscardReading()) return;
    const MessageList& messages = desk_.messages();
    ReadingState& state = desk_.reading();
    TForm2 dialog(desk_.spreadList(), state.SpreadName,
                  messages[kMsgSelectSpread] + messages[kMsgForManualInput], messages[kMsgOk],
                  messages[kMsgCancel],
                  messages[kMsgNoSpreads] + "\r\n" + messages[kMsgNoSpreadsHint], window_);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.chosenName().isEmpty()) state.SpreadName = dialog.chosenName();
    // Without any spread there is nothing to enter.
    if (state.SpreadName.isEmpty()) return;

    desk_.setDeckSize(DeckSizeFor(desk_.majorOnly(), desk_.has79thCard()));
    desk_.engine().ResetReading();
    desk_.MakeSpreadAndImages();
    desk_.SetCards();
    desk_.HideExtraCard();
    state.ManualInput = true;
    // Cards are entered by hand: no automatic deal left due by an earlier reading.
    state.AutoDrawPending = false;
    desk_.SpeedButton2Click();
    HideCommentsWindow();
    desk_.SetPrompt(messages[kMsgManualInputPrompt]);
}
