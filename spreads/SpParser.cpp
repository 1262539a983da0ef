#include "spreads/SpParser.h"

#include <algorithm>

#include "i18n/FixedTexts.h"
#include "i18n/Msg.h"
#include "spreads/SpreadTable.h"
#include "table/ReadingState.h"

namespace {

const QString kLineEnd = "\r\n";

}  // namespace

TSpreadParser::TSpreadParser() { ResetReading(); }

void TSpreadParser::ResetReading() {
    PosX.fill(-200);
    PosY.fill(-200);
    PosCard.fill(-1);
    PosReversed.fill(false);
    PosSignificator.fill(false);
    PosCount = 0;
    SignificatorCount = 0;
    PosPlaced.fill(false);
    PosFaceUp.fill(false);
    if (table_) table_->Reading().CardTurned = false;
}

void TSpreadParser::ResetLayout() {
    PosX.fill(100);
    PosY.fill(20);
    PosText.fill(QString());
    PosSignificator.fill(false);
    PosCount = 0;
    SignificatorCount = 0;
}

SpreadReadStatus TSpreadParser::LoadSpread(const QString& path) {
    const SpreadContent content = ReadSpreadFile(path);
    if (content.countRead) PosCount = content.count;
    for (int i = 0; i < content.lines.size(); ++i) {
        const SpreadLine& line = content.lines[i];
        // Lines past the count fill their entries but mark no significator.
        PosSignificator[i] = line.significator && i < PosCount;
        PosX[i] = line.x;
        PosY[i] = line.y;
        PosText[i] = line.text;
    }
    SignificatorCount = 0;
    for (int i = 0; i < PosCount; ++i)
        if (PosSignificator[i]) MovePosition(i, SignificatorCount++);
    return content.status;
}

bool TSpreadParser::SaveSpread(const QString& path, QString* errorString) const {
    return WriteSpreadFile(path, PosCount, Lines(), errorString);
}

QList<SpreadLine> TSpreadParser::Lines() const {
    QList<SpreadLine> lines;
    for (int i = 0; i < PosCount; ++i)
        lines.append({PosSignificator[i], PosX[i], PosY[i], PosText[i]});
    return lines;
}

void TSpreadParser::MovePosition(int from, int to) {
    if (from == to) return;
    MoveEntry(PosX, from, to);
    MoveEntry(PosY, from, to);
    MoveEntry(PosText, from, to);
    MoveEntry(PosSignificator, from, to);
}

QString TSpreadParser::PositionNumber(int i) const {
    if (IsSignificator(i))
        return SignificatorCount == 1 ? QString("S") : "S" + QString::number(i + 1);
    return QString::number(i + 1 - SignificatorCount);
}

QString TSpreadParser::PositionHint(int i) const {
    const QString text = i >= 0 && i < kMaxPositions ? PosText[i] : QString();
    if (!IsSignificator(i)) return PositionNumber(i) + ". " + text;
    if (SignificatorCount == 1) return text;
    return text + " " + QString::number(i + 1);
}

bool TSpreadParser::AllPlaced() const {
    for (int i = 0; i < std::min(PosCount, kMaxPositions); ++i)
        if (!PosPlaced[i]) return false;
    return true;
}

bool TSpreadParser::CardOnSpread(int card) const {
    for (int i = 0; i < std::min(PosCount, kMaxPositions); ++i)
        if (PosCard[i] == card) return true;
    return false;
}

std::optional<QString> TSpreadParser::DealPrompt(int n) const {
    if (n >= PosCount) return table_->Message(Msg::SpreadFull);
    const int ordinal = n - SignificatorCount;  // 0 for the first ordinary position
    if (ordinal < 0) return std::nullopt;
    if (ordinal <= 2)
        return table_->Message(Msg::FirstCardPrompt + ordinal) + kLineEnd + PosText[n];
    return table_->Message(Msg::LaterCardPromptStart) + QString::number(ordinal + 1) +
           table_->Message(Msg::LaterCardPromptEnd) + kLineEnd + PosText[n];
}

QString TSpreadParser::FirstPositionPrompt() const {
    if (!table_) return QString();
    const int first = std::clamp(SignificatorCount, 0, kMaxPositions - 1);
    return table_->Message(Msg::FirstCardPrompt) + kLineEnd + PosText[first];
}

int TSpreadParser::SlotCarrying(int card) const {
    const int inPlay = std::clamp(table_->CardsInPlay(), 1, kCardCount);
    const ReadingState& reading = table_->Reading();
    for (int slot = 0; slot < inPlay; ++slot)
        if (reading.Deck[slot].Number == card) return slot;
    return -1;
}

void TSpreadParser::TakeCard(int slot) {
    if (!table_ || slot < 0 || slot >= kCardCount) return;
    ReadingState& reading = table_->Reading();
    table_->RemoveSlotFromTable(slot);
    TCard& card = reading.Deck[slot];
    const int i = reading.NextPosition;
    if (i < 0 || i >= std::min(PosCount, kMaxPositions)) {
        // Every position holds a card: the slot becomes the extra card.
        reading.ExtraCardReversed = card.Reversed;
        table_->ShowExtraCard(slot);
        return;
    }
    card.Position = i;
    reading.NextPosition = i + 1;
    PosCard[i] = card.Number;
    PosPlaced[i] = true;
    PosReversed[i] = card.Reversed;
    table_->ShowPositionBack(i);
    if (const std::optional<QString> prompt = DealPrompt(reading.NextPosition))
        table_->SetPrompt(*prompt);
}

void TSpreadParser::PaintPositionReversed(int i) {
    if (table_ && IsPosition(i) && PosPlaced[i]) table_->ShowPositionFace(i, PosCard[i], true);
}

void TSpreadParser::ActivatePosition(int i) {
    if (!table_ || !IsPosition(i)) return;
    ReadingState& reading = table_->Reading();
    if (PosPlaced[i]) {
        if (PosFaceUp[i]) {
            table_->ShowCardExplanation(PosCard[i], PosReversed[i], PosText[i]);
            return;
        }
        PosFaceUp[i] = true;
        if (!PosSignificator[i]) reading.CardTurned = true;
        if (PosReversed[i])
            PaintPositionReversed(i);
        else
            table_->ShowPositionFace(i, PosCard[i], false);
        return;
    }
    if (!reading.ManualInput && !PosSignificator[i]) return;
    ChooseCardForPosition(i);
    if (AllPlaced()) {
        table_->SetPrompt(FixedText::SpreadCompleted);
        reading.NextPosition = PosCount;
        reading.ManualInput = false;
    }
}

void TSpreadParser::ChooseCardForPosition(int i) {
    if (!table_ || !IsPosition(i)) return;
    ReadingState& reading = table_->Reading();
    CardChoiceRequest request;
    request.significator = PosSignificator[i];
    if (request.significator) {
        request.preselectedCard = table_->LastSignificatorCard();
        request.caption = table_->Message(Msg::SelectSignificatorCard);
        if (SignificatorCount > 1) request.caption += " " + QString::number(i + 1);
    } else {
        request.caption =
            table_->Message(Msg::SelectPositionCard) + " " + PositionNumber(i) + ": " + PosText[i];
    }
    request.orientationCaption = table_->Message(Msg::PositionGroup);
    request.uprightText = table_->Message(Msg::Straight);
    request.reversedText = table_->Message(Msg::Reversed);

    for (;;) {
        const std::optional<CardChoice> choice = table_->ChooseCard(request);
        // A dialog that names no card leaves the position as a cancelled one does.
        if (!choice || choice->card < 0 || choice->card >= kCardCount) return;
        ChosenCard = choice->card;
        ChosenReversed = choice->reversed;
        if (!CardOnSpread(ChosenCard)) break;
        table_->ShowMessage(table_->Message(Msg::CardAlreadyInSpread));
        // The list opens again on the refused choice, so the person changes only what is wrong.
        request.preselectedCard = ChosenCard;
        request.preselectedReversed = ChosenReversed;
    }
    // A card no slot in play carries (a Minor Arcana card while only the Major Arcana are in
    // play) takes the place of the last slot in play.
    int slot = SlotCarrying(ChosenCard);
    if (slot < 0) {
        slot = std::clamp(table_->CardsInPlay(), 1, kCardCount) - 1;
        reading.Deck[slot].Number = ChosenCard;
    }
    reading.Deck[slot].Reversed = ChosenReversed;
    reading.NextPosition = i;
    TakeCard(slot);
    if (PosSignificator[i]) {
        reading.CardTurned = false;
        --reading.PendingSignificators;
        if (reading.PendingSignificators > 0) {
            table_->SetPrompt("Click the card-significator to select it");
        } else {
            reading.NextPosition = SignificatorCount;
            table_->SetPrompt(FirstPositionPrompt());
        }
    }
    if (reading.ManualInput) table_->SetPrompt(table_->Message(Msg::ManualInputPrompt));
    ActivatePosition(i);
}
