#include "table/TableFocus.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QScrollArea>

#include <algorithm>

#include "i18n/Msg.h"
#include "table/CardImage.h"
#include "table/ProgramState.h"
#include "table/ReadingFlow.h"
#include "table/ReadingModel.h"
#include "table/Shuffle.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

TableFocus::TableFocus(ProgramState& program, ReadingModel& model, TableView& view,
                       ReadingFlow& flow)
    : program_(program), model_(model), view_(view), flow_(flow) {
    TableWidget& table = view_.table();
    table.installEventFilter(this);
    view_.SpreadArea()->installEventFilter(this);
    table.setDescriber([this](QAccessible::Text text) {
        return text == QAccessible::Name          ? SurfaceText(false)
               : text == QAccessible::Description ? SurfaceText(true)
                                                  : QString();
    });
    // Connected after the flow, so a click has dealt before the frame moves on.
    connect(&table, &TableWidget::mousePressed, this, &TableFocus::Refresh);
    for (auto signal :
         {&ReadingFlow::deckLaidOut, &ReadingFlow::tableCleared, &ReadingFlow::shuffleStarted})
        connect(&flow_, signal, this, &TableFocus::Refresh);
}

TableFocus::~TableFocus() { view_.table().setDescriber({}); }

void TableFocus::AddEscapeStep(std::function<bool()> step) { escapeSteps_.append(std::move(step)); }

int TableFocus::FreeSlot(int from, int step) const {
    for (int slot = from; slot >= 0 && slot < model_.DeckSize; slot += step)
        if (OnTable(model_.Deck()[slot])) return slot;
    return -1;
}

int TableFocus::ArcSlot() const {
    if (!model_.DeckLaidOut()) return -1;
    // A dealt card hands the focus to its right neighbour, or to its left one at the end.
    const int from = std::max(arcSlot_, 0);
    const int right = FreeSlot(from, 1);
    return right >= 0 ? right : FreeSlot(from, -1);
}

int TableFocus::PositionCount() const { return std::min(model_.Parser.PosCount(), kMaxPositions); }

int TableFocus::FocusedPosition() const {
    return PositionCount() == 0 ? -1 : std::clamp(position_, 0, PositionCount() - 1);
}

void TableFocus::Refresh() {
    TableWidget& table = view_.table();
    arcSlot_ = ArcSlot();
    if (model_.DeckLaidOut())
        table.setFocusFrame(arcSlot_ >= 0 ? CardRect(model_.Deck()[arcSlot_]) : QRect(),
                            view_.CardBackSmall());
    else
        table.setFocusFrame(PileRect(table.window()->size()));
    const bool positions = view_.SpreadArea()->hasFocus();
    for (int i = 0; i < PositionCount(); ++i)
        if (CardImage* image = view_.PositionImage(i))
            image->setFocusFrame(positions && i == FocusedPosition());
}

QString TableFocus::SurfaceText(bool description) const {
    const MessageList& messages = program_.Messages;
    if (!model_.DeckLaidOut()) {
        if (description) return {};
        const bool cutting = flow_.Busy() && !model_.Shuffling();
        return messages[cutting ? Msg::AccessibleCutPiles : Msg::AccessiblePile];
    }
    int left = 0;
    int place = 0;
    const int focused = ArcSlot();
    for (int slot = 0; slot < model_.DeckSize; ++slot) {
        if (!OnTable(model_.Deck()[slot])) continue;
        ++left;
        if (slot == focused) place = left;
    }
    if (!description) return messages[Msg::AccessibleArc].arg(left);
    return place > 0 ? messages[Msg::AccessibleArcCard].arg(place).arg(left) : QString();
}

void TableFocus::AnnounceFocus(QObject* object) const {
    QAccessibleEvent event(object, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

bool TableFocus::eventFilter(QObject* watched, QEvent* event) {
    const bool surface = watched == &view_.table();
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        Refresh();
        if (!surface && event->type() == QEvent::FocusIn) FocusPosition(FocusedPosition());
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Keys with Ctrl or Alt belong to the menu.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
        if (key->key() == Qt::Key_Escape) return Escape();
        return surface ? SurfaceKey(key->key()) : PositionKey(key->key());
    }
    return QObject::eventFilter(watched, event);
}

bool TableFocus::SurfaceKey(int key) {
    TableWidget& table = view_.table();
    if (IsEnter(key)) {
        const int slot = ArcSlot();
        if (model_.DeckLaidOut())
            flow_.TableClick(slot, slot >= 0 ? CardRect(model_.Deck()[slot]).center() : QPoint());
        else
            flow_.TableClick(-1, PileRect(table.window()->size()).center());
        Refresh();
        AnnounceFocus(&table);
        return true;
    }
    const int slot = ArcSlot();
    if (slot < 0) return false;
    int next = -1;
    if (key == Qt::Key_Left) next = FreeSlot(slot - 1, -1);
    if (key == Qt::Key_Right) next = FreeSlot(slot + 1, 1);
    if (key == Qt::Key_Home) next = FreeSlot(0, 1);
    if (key == Qt::Key_End) next = FreeSlot(model_.DeckSize - 1, -1);
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    if (next >= 0) arcSlot_ = next;
    Refresh();
    AnnounceFocus(&table);
    return true;
}

bool TableFocus::PositionKey(int key) {
    const int position = FocusedPosition();
    if (position < 0) return false;
    if (IsEnter(key)) {
        model_.Parser.ActivatePosition(position);
        return true;
    }
    const int last = PositionCount() - 1;
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Up:
            FocusPosition(std::max(position - 1, 0));
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            FocusPosition(std::min(position + 1, last));
            return true;
        case Qt::Key_Home:
            FocusPosition(0);
            return true;
        case Qt::Key_End:
            FocusPosition(last);
            return true;
        default:
            return false;
    }
}

void TableFocus::FocusPosition(int position) {
    position_ = position;
    Refresh();
    CardImage* image = view_.PositionImage(FocusedPosition());
    if (!image) return;
    view_.SpreadArea()->ensureWidgetVisible(image);
    AnnounceFocus(image);
}

bool TableFocus::Escape() {
    for (const auto& step : escapeSteps_)
        if (step()) return true;
    if (!model_.DeckRemoved()) return false;
    view_.ToggleSpreadView();
    return true;
}
