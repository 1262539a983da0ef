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
    posX_.fill(-200);
    posY_.fill(-200);
    posCard_.fill(-1);
    posReversed_.fill(false);
    posSignificator_.fill(false);
    posCount_ = 0;
    significatorCount_ = 0;
    posPlaced_.fill(false);
    posFaceUp_.fill(false);
    if (table_) table_->Reading().SetCardTurned(false);
}

void TSpreadParser::ResetLayout() {
    posX_.fill(kNewPositionX);
    posY_.fill(kNewPositionY);
    posText_.fill(QString());
    posSignificator_.fill(false);
    posCount_ = 0;
    significatorCount_ = 0;
}

SpreadReadStatus TSpreadParser::LoadSpread(const QString& path) {
    const SpreadContent content = ReadSpreadFile(path);
    if (content.countRead) posCount_ = content.count;
    for (int i = 0; i < content.lines.size(); ++i) {
        const SpreadLine& line = content.lines[i];
        posSignificator_[i] = line.significator;
        posX_[i] = line.x;
        posY_[i] = line.y;
        posText_[i] = line.text;
    }
    NormaliseSignificators();
    return content.status;
}

void TSpreadParser::SetLines(const QList<SpreadLine>& lines) {
    posCount_ = std::min<int>(lines.size(), kMaxPositions);
    for (int i = 0; i < posCount_; ++i) {
        posSignificator_[i] = lines[i].significator;
        posX_[i] = lines[i].x;
        posY_[i] = lines[i].y;
        posText_[i] = lines[i].text;
    }
    NormaliseSignificators();
}

void TSpreadParser::NormaliseSignificators() {
    // Lines past the count keep their entries but mark no significator.
    for (int i = std::max(posCount_, 0); i < kMaxPositions; ++i) posSignificator_[i] = false;
    significatorCount_ = 0;
    for (int i = 0; i < posCount_; ++i)
        if (posSignificator_[i]) MovePosition(i, significatorCount_++);
}

bool TSpreadParser::SaveSpread(const QString& path, QString* errorString) const {
    return WriteSpreadFile(path, posCount_, Lines(), errorString);
}

QList<SpreadLine> TSpreadParser::Lines() const {
    QList<SpreadLine> lines;
    for (int i = 0; i < posCount_; ++i)
        lines.append({posSignificator_[i], posX_[i], posY_[i], posText_[i]});
    return lines;
}

void TSpreadParser::MovePosition(int from, int to) {
    if (from == to) return;
    MoveEntry(posX_, from, to);
    MoveEntry(posY_, from, to);
    MoveEntry(posText_, from, to);
    MoveEntry(posSignificator_, from, to);
}

int TSpreadParser::AddPosition(QPoint place) {
    if (posCount_ >= kMaxPositions) return -1;
    const int i = posCount_++;
    posX_[i] = place.x();
    posY_[i] = place.y();
    posText_[i].clear();
    posSignificator_[i] = false;
    return i;
}

void TSpreadParser::DeletePosition(int i) {
    if (!IsPosition(i)) return;
    if (posSignificator_[i]) --significatorCount_;
    MovePosition(i, posCount_ - 1);
    const int last = --posCount_;
    posX_[last] = kNewPositionX;
    posY_[last] = kNewPositionY;
    posText_[last].clear();
    posSignificator_[last] = false;
}

void TSpreadParser::SetPosPlace(int i, QPoint place) {
    if (!IsPosition(i)) return;
    posX_[i] = place.x();
    posY_[i] = place.y();
}

void TSpreadParser::SetPosText(int i, const QString& text) {
    if (IsPosition(i)) posText_[i] = text;
}

int TSpreadParser::SetSignificator(int i, bool significator) {
    if (!IsPosition(i) || posSignificator_[i] == significator) return i;
    posSignificator_[i] = significator;
    // Significator positions are 0 .. SignificatorCount - 1 before and after the move.
    const int to = significator ? significatorCount_ : significatorCount_ - 1;
    significatorCount_ += significator ? 1 : -1;
    MovePosition(i, to);
    return to;
}

void TSpreadParser::LayCard(int i, int card, bool reversed, bool faceUp) {
    if (!IsPosition(i)) return;
    posCard_[i] = card;
    posReversed_[i] = reversed;
    posPlaced_[i] = card >= 0;
    posFaceUp_[i] = faceUp && card >= 0;
}

QString TSpreadParser::PositionNumber(int i) const {
    if (IsSignificator(i))
        return significatorCount_ == 1 ? QString("S") : "S" + QString::number(i + 1);
    return QString::number(i + 1 - significatorCount_);
}

QString TSpreadParser::PositionHint(int i) const {
    const QString text = i >= 0 && i < kMaxPositions ? posText_[i] : QString();
    if (!IsSignificator(i)) return PositionNumber(i) + ". " + text;
    if (significatorCount_ == 1) return text;
    return text + " " + QString::number(i + 1);
}

bool TSpreadParser::AllPlaced() const {
    for (int i = 0; i < std::min(posCount_, kMaxPositions); ++i)
        if (!posPlaced_[i]) return false;
    return true;
}

bool TSpreadParser::CardOnSpread(int card) const {
    for (int i = 0; i < std::min(posCount_, kMaxPositions); ++i)
        if (posCard_[i] == card) return true;
    return false;
}

std::optional<QString> TSpreadParser::DealPrompt(int n) const {
    if (n >= posCount_) return table_->Message(Msg::SpreadFull);
    const int ordinal = n - significatorCount_;  // 0 for the first ordinary position
    if (ordinal < 0) return std::nullopt;
    if (ordinal <= 2)
        return table_->Message(Msg::FirstCardPrompt + ordinal) + kLineEnd + posText_[n];
    return table_->Message(Msg::LaterCardPromptStart) + QString::number(ordinal + 1) +
           table_->Message(Msg::LaterCardPromptEnd) + kLineEnd + posText_[n];
}

QString TSpreadParser::FirstPositionPrompt() const {
    if (!table_) return QString();
    const int first = std::clamp(significatorCount_, 0, kMaxPositions - 1);
    return table_->Message(Msg::FirstCardPrompt) + kLineEnd + posText_[first];
}

int TSpreadParser::SlotCarrying(int card) const {
    const int inPlay = std::clamp(table_->CardsInPlay(), 1, kCardCount);
    const ReadingState& reading = table_->Reading();
    for (int slot = 0; slot < inPlay; ++slot)
        if (reading.Deck()[slot].Number == card) return slot;
    return -1;
}

void TSpreadParser::TakeCard(int slot) {
    if (!table_ || slot < 0 || slot >= kCardCount) return;
    ReadingState& reading = table_->Reading();
    table_->RemoveSlotFromTable(slot);
    TCard& card = reading.Deck()[slot];
    const int i = reading.NextPosition();
    if (i < 0 || i >= std::min(posCount_, kMaxPositions)) {
        // Every position holds a card: the slot becomes the extra card.
        reading.SetExtraCardReversed(card.Reversed);
        table_->ShowExtraCard(slot);
        return;
    }
    card.Position = i;
    reading.SetNextPosition(i + 1);
    posCard_[i] = card.Number;
    posPlaced_[i] = true;
    posReversed_[i] = card.Reversed;
    table_->ShowPositionBack(i);
    if (const std::optional<QString> prompt = DealPrompt(reading.NextPosition()))
        table_->SetPrompt(*prompt);
}

void TSpreadParser::PaintPositionReversed(int i) {
    if (table_ && IsPosition(i) && posPlaced_[i]) table_->ShowPositionFace(i, posCard_[i], true);
}

void TSpreadParser::ActivatePosition(int i) {
    if (!table_ || !IsPosition(i)) return;
    ReadingState& reading = table_->Reading();
    if (posPlaced_[i]) {
        if (posFaceUp_[i]) {
            table_->ShowCardExplanation(posCard_[i], posReversed_[i], posText_[i]);
            return;
        }
        posFaceUp_[i] = true;
        if (!posSignificator_[i]) reading.SetCardTurned(true);
        if (posReversed_[i])
            PaintPositionReversed(i);
        else
            table_->ShowPositionFace(i, posCard_[i], false);
        return;
    }
    if (!reading.ManualInput() && !posSignificator_[i]) return;
    ChooseCardForPosition(i);
    if (AllPlaced()) {
        table_->SetPrompt(FixedText::SpreadCompleted);
        reading.SetNextPosition(posCount_);
        reading.SetManualInput(false);
    }
}

void TSpreadParser::ChooseCardForPosition(int i) {
    if (!table_ || !IsPosition(i)) return;
    ReadingState& reading = table_->Reading();
    CardChoiceRequest request;
    request.significator = posSignificator_[i];
    if (request.significator) {
        request.preselectedCard = table_->LastSignificatorCard();
        request.caption = table_->Message(Msg::SelectSignificatorCard);
        if (significatorCount_ > 1) request.caption += " " + QString::number(i + 1);
    } else {
        request.caption =
            table_->Message(Msg::SelectPositionCard) + " " + PositionNumber(i) + ": " + posText_[i];
    }
    request.orientationCaption = table_->Message(Msg::PositionGroup);
    request.uprightText = table_->Message(Msg::Straight);
    request.reversedText = table_->Message(Msg::Reversed);

    int chosenCard = -1;
    bool chosenReversed = false;
    for (;;) {
        const std::optional<CardChoice> choice = table_->ChooseCard(request);
        // A dialog that names no card leaves the position as a cancelled one does.
        if (!choice || choice->card < 0 || choice->card >= kCardCount) return;
        chosenCard = choice->card;
        chosenReversed = choice->reversed;
        if (!CardOnSpread(chosenCard)) break;
        table_->ShowMessage(table_->Message(Msg::CardAlreadyInSpread));
        // The list opens again on the refused choice, so the person changes only what is wrong.
        request.preselectedCard = chosenCard;
        request.preselectedReversed = chosenReversed;
    }
    // A card no slot in play carries (a Minor Arcana card while only the Major Arcana are in
    // play) takes the place of the last slot in play.
    int slot = SlotCarrying(chosenCard);
    if (slot < 0) {
        slot = std::clamp(table_->CardsInPlay(), 1, kCardCount) - 1;
        reading.Deck()[slot].Number = chosenCard;
    }
    reading.Deck()[slot].Reversed = chosenReversed;
    reading.SetNextPosition(i);
    TakeCard(slot);
    if (posSignificator_[i]) {
        reading.SetCardTurned(false);
        reading.SetPendingSignificators(reading.PendingSignificators() - 1);
        if (reading.PendingSignificators() > 0) {
            table_->SetPrompt(FixedText::ChooseNextSignificator);
        } else {
            reading.SetNextPosition(significatorCount_);
            table_->SetPrompt(FirstPositionPrompt());
        }
    }
    if (reading.ManualInput()) table_->SetPrompt(table_->Message(Msg::ManualInputPrompt));
    ActivatePosition(i);
}
