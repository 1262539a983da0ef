#include "table/ReadingFlow.h"

#include <QToolButton>
#include <QWidget>

#include "decks/DeckDirectory.h"
#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "spreads/SelectSp.h"
#include "table/CardImage.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"
#include "table/ReadingSnapshot.h"
#include "table/Shuffle.h"
#include "table/TableAnimations.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

ReadingFlow::ReadingFlow(ProgramState& program, ReadingModel& model, TableView& view,
                         TableAnimations& animations, TableButtons buttons)
    : program_(program), model_(model), view_(view), animations_(animations), buttons_(buttons) {
    connect(&view_.table(), &TableWidget::mousePressed, this, &ReadingFlow::FormMouseDown);
}

void ReadingFlow::ShowButtons(bool shuffle, bool stop, bool cut) {
    buttons_.SpeedButton1->setHidden(!shuffle);
    buttons_.SpeedButton2->setHidden(!stop);
    buttons_.SpeedButton3->setHidden(!cut);
}

bool ReadingFlow::Preparing() const {
    return model_.Shuffling() || !buttons_.SpeedButton1->isHidden() ||
           !buttons_.SpeedButton3->isHidden();
}

bool ReadingFlow::Busy() const { return animations_.isRunning(); }

// ---- Starting a reading ----

void ReadingFlow::StartNewReading() {
    if (animations_.isRunning()) return;
    const MessageList& messages = program_.Messages;
    TForm2 dialog(program_.SpreadList, model_.SpreadName(), messages[Msg::SelectSpread],
                  messages[Msg::Ok], messages[Msg::Cancel],
                  messages[Msg::NoSpreadsFirstLine] + "\r\n" + messages[Msg::NoSpreadsSecondLine],
                  view_.table().window());
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.chosenName().isEmpty()) model_.SetSpreadName(dialog.chosenName());

    model_.SetShuffling(false);
    model_.SetDeckLaidOut(false);
    model_.SetManualInput(false);
    emit tableCleared();
    view_.HideSpread();
    model_.SetSpreadShown(false);
    view_.Repaint();

    model_.Parser.ResetReading();
    if (!model_.SpreadName().isEmpty()) view_.MakeSpreadAndImages();
    NewSpreadMusic();

    bool cancelled = false;
    for (int i = 0; i < model_.Parser.SignificatorCount() && !cancelled; ++i) {
        program_.platform.pacer->pause(25);
        model_.SetDeckSize(program_.settings.MajorOnly);
        const int pendingBefore = model_.PendingSignificators();
        model_.Parser.ActivatePosition(i);
        cancelled = model_.PendingSignificators() == pendingBefore;
        if (!cancelled && i == 0) program_.settings.LastSignificator = model_.Parser.PosCard(0);
    }
    if (cancelled) {
        buttons_.SpeedButton1->hide();
        buttons_.SpeedButton2->hide();
        return;
    }
    model_.SetAutoDrawPending(program_.settings.DrawAutomatically);
    ShowButtons(true, true, false);
}

void ReadingFlow::NewSpreadMusic() { emit spreadStarted(model_.SpreadName()); }

// ---- Readings made elsewhere ----

void ReadingFlow::RestoreReading(const ReadingSnapshot& reading, int deckSize) {
    TSpreadParser& engine = model_.Parser;
    QList<int> cards;
    for (const ReadingSnapshot::Position& position : reading.positions) cards.append(position.card);
    // The faces decode while the table is made ready for them.
    view_.PrefetchFaces(cards);
    model_.SetSpreadName(reading.spreadName);
    engine.ResetReading();
    view_.MakeSpreadAndImages();
    emit readingRestored(model_.SpreadName());
    model_.SetManualInput(false);
    model_.DeckSize = deckSize;
    program_.settings.MajorOnly = IsMajorArcanaDeck(deckSize);
    view_.ShowMajorNotice(program_.settings.MajorOnly);
    emit majorOnlyChanged(program_.settings.MajorOnly);

    model_.SetRestoringReading(true);
    model_.SetCards(view_.table().window()->width(), program_.settings.UseReverse);
    if (deckSize > reading.deckSize)
        for (int slot = 0; slot < deckSize; ++slot) {
            model_.Deck()[slot].Number = 78;
            model_.Deck()[slot].Reversed = false;
        }
    view_.ExtraCardImage()->hide();
    // An automatic deal left due by an earlier reading would deal into this one.
    model_.SetAutoDrawPending(false);
    SpeedButton2Click();

    for (int j = 0; j < reading.deck.size(); ++j) {
        model_.Deck()[j].Number = reading.deck[j].card;
        model_.Deck()[j].Reversed = reading.deck[j].reversed;
    }
    for (int k = 0; k < reading.positions.size(); ++k) {
        const int card = reading.positions[k].card;
        bool dealt = false;
        for (int slot = 0; slot < deckSize; ++slot) {
            if (model_.Deck()[slot].Number != card) continue;
            engine.TakeCard(slot);
            dealt = true;
        }
        if (!dealt) {
            model_.Deck()[deckSize].Number = card;
            model_.Deck()[deckSize].Reversed = false;
            engine.TakeCard(deckSize);
        }
        engine.ActivatePosition(k);
    }
    model_.SetPendingSignificators(0);
    view_.SetPrompt(program_.Messages[Msg::ReadingOpened]);
    model_.SetSpreadShown(true);
}

void ReadingFlow::StartManualInput(const QString& spreadName) {
    model_.SetSpreadName(spreadName);
    model_.SetDeckSize(program_.settings.MajorOnly);
    model_.Parser.ResetReading();
    view_.MakeSpreadAndImages();
    model_.SetCards(view_.table().window()->width(), program_.settings.UseReverse);
    view_.ExtraCardImage()->hide();
    model_.SetManualInput(true);
    // Cards are entered by hand: no automatic deal left due by an earlier reading.
    model_.SetAutoDrawPending(false);
    SpeedButton2Click();
    view_.SetPrompt(program_.Messages[Msg::ManualInputPrompt]);
}

// ---- Shuffle ----

void ReadingFlow::SpeedButton1Click() {
    if (model_.Parser.SignificatorCount() == 0) model_.SetDeckSize(program_.settings.MajorOnly);
    model_.SetCards(view_.table().window()->width(), program_.settings.UseReverse);
    emit shuffleStarted();
    buttons_.SpeedButton2->setEnabled(true);
    model_.SetShuffling(true);
    model_.SetDeckLaidOut(false);
    model_.SetDeckRemoved(false);
    model_.SetSpreadShown(false);
    animations_.Shuffle();
}

void ReadingFlow::SpeedButton2Click() {
    model_.SetShuffling(false);
    ShowButtons(false, false, true);
    buttons_.SpeedButton2->setEnabled(false);
    view_.Repaint();
    if (model_.RestoringReading() || model_.ManualInput() || !program_.settings.CutDeck)
        Piling(10, 10);
}

void ReadingFlow::SpeedButton3Click() {
    const QSize window = view_.table().window()->size();
    Piling(window.width() / 2, window.height() / 2);
}

// ---- Cut and laying out ----

void ReadingFlow::Piling(int x, int y) {
    const bool cutting =
        !model_.RestoringReading() && !model_.ManualInput() && program_.settings.CutDeck;
    const QSize window = view_.table().window()->size();
    if (PileRect(window).contains(x, y) || !cutting) {
        if (cutting)
            animations_.DoPile(CutDepth(x, window, model_.DeckSize),
                               buttons_.SpeedButton3->geometry());
        buttons_.SpeedButton3->hide();
        model_.SetDeckLaidOut(true);
        view_.HideMajorNotice();
        animations_.WipeTable();

        view_.ShowSpread();
        if (!model_.ManualInput()) {
            QList<int> significators;
            for (int i = 0; i < model_.Parser.SignificatorCount(); ++i)
                significators.append(model_.Parser.PosCard(i));
            for (int slot : MoveSignificatorsToEnds(model_.Deck(), model_.DeckSize, significators))
                view_.RemoveSlotFromTable(slot);
        }
        view_.SetPrompt(model_.Parser.FirstPositionPrompt());
        model_.SetSpreadShown(true);
        view_.Repaint();
        emit deckLaidOut();
        if (model_.AutoDrawPending()) {
            animations_.DoRandomDraw();
            model_.SetAutoDrawPending(false);
        }
    }
    model_.SetRestoringReading(false);
}

// ---- The table's mouse ----

void ReadingFlow::FormMouseDown(Qt::MouseButton button, QPoint point) {
    if (button != Qt::LeftButton) return;
    int hit = -1;
    for (int slot = model_.DeckSize - 1; slot >= 0 && hit < 0; --slot)
        if (CardHit(model_.Deck()[slot], point.x(), point.y())) hit = slot;
    TableClick(hit, point);
}

void ReadingFlow::TableClick(int slot, QPoint point) {
    if (animations_.isRunning()) return;
    TSpreadParser& parser = model_.Parser;
    const bool dealing = model_.DeckLaidOut() &&
                         (model_.NextPosition() < parser.PosCount() || model_.CardTurned()) &&
                         !model_.ManualInput();
    if (dealing && model_.PendingSignificators() <= 0 && !model_.AutoDrawPending()) {
        if (slot >= 0 && slot < model_.DeckSize && OnTable(model_.Deck()[slot]))
            parser.TakeCard(slot);
        return;
    }
    if (dealing && model_.PendingSignificators() > 0) {
        for (int i = 0; i <= parser.SignificatorCount() && i < parser.PosCount(); ++i) {
            if (parser.PosPlaced(i)) continue;
            parser.ActivatePosition(i);
            return;
        }
        return;
    }
    if (model_.DeckLaidOut()) return;
    if (model_.Shuffling()) {
        SpeedButton2Click();
    } else if (!buttons_.SpeedButton1->isHidden()) {
        SpeedButton1Click();
    } else if (!buttons_.SpeedButton3->isHidden()) {
        Piling(point.x(), point.y());
    } else {
        StartNewReading();
    }
}
