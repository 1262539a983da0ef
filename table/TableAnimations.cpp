#include "table/TableAnimations.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>

#include "platform/Platform.h"
#include "platform/Random.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"
#include "table/Shuffle.h"
#include "table/TablePainting.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

constexpr double kTrailStart = 0.8;
constexpr double kTrailStep = 0.1;
// A packet of the cut, copied with table around it so that moving it erases its trail.
constexpr QSize kPacketSize(187, 268);

}  // namespace

// Marks an animation as running for its lifetime.
class TableAnimations::Running {
public:
    explicit Running(TableAnimations& animations) : rollback_(animations.running_, true) {}

private:
    QScopedValueRollback<bool> rollback_;
};

TableAnimations::TableAnimations(ProgramState& program, ReadingModel& model, TableView& view)
    : program_(program), model_(model), view_(view) {}

QSize TableAnimations::windowSize() const { return view_.table().window()->size(); }

void TableAnimations::Shuffle() {
    const bool useReverse = program_.settings.UseReverse;
    const int k = ShuffleStrength(useReverse);
    Random::Randomize();
    double angle = kTrailStart;
    // One frame per screen refresh: the swaps of a frame, then one more back on the trail,
    // painted without erasing so the backs trace an ellipse.
    while (model_.Shuffling) {
        ShuffleFrame(model_.Deck, model_.DeckSize, k, useReverse);
        PaintRegion(view_.CardBackLarge(), ShuffleTrailPoint(windowSize(), angle));
        angle += kTrailStep;
        program_.platform.pacer->nextFrame();
    }
}

void TableAnimations::WipeTable() {
    const Running running(*this);
    constexpr int kRowsPerFrame = 16;
    const QColor back = FromTColor(program_.settings.BackColor);
    TableWidget& table = view_.table();
    const QSize window = windowSize();
    int shown = 0;
    for (int r = 0; r < window.height(); r += 2) {
        QPainter(&table.backing()).fillRect(QRect(0, 0, window.width(), r + 10), back);
        if (++shown % kRowsPerFrame == 0) {
            table.update(0, 0, window.width(), r + 10);
            program_.platform.pacer->nextFrame();
        }
    }
    table.update();
}

void TableAnimations::PaintRegion(const QImage& region, QPoint at) {
    QPainter(&view_.table().backing()).drawImage(at, region);
    view_.table().update(QRect(at, region.size()));
}

QPoint TableAnimations::SlideRegion(const QImage& region, QPoint from, QPoint to, int step,
                                    int frameTime, const std::function<void()>& underneath) {
    QPoint at = from;
    while (at != to) {
        at.rx() += std::clamp(to.x() - at.x(), -step, step);
        at.ry() += std::clamp(to.y() - at.y(), -step, step);
        if (underneath) underneath();
        PaintRegion(region, at);
        program_.platform.pacer->pause(frameTime);
    }
    return at;
}

void TableAnimations::DoPile(int k, QRect cutButton) {
    const Running running(*this);
    const QRect button = cutButton.adjusted(0, 0, 1, 1);
    QPainter(&view_.table().backing()).fillRect(button, FromTColor(program_.settings.BackColor));
    view_.table().update(button);

    const QSize window = windowSize();
    const QPoint pile = PileOrigin(window.width(), window.height());
    const QPoint pileAt(window.width() - 263, pile.y());
    const QPoint upperAt = SplitPile(pile, pileAt);
    if (program_.settings.CutInThreePiles) {
        CutInThreePiles(model_.Deck, model_.DeckSize, k);
        GatherThreePiles(pileAt, upperAt);
    } else {
        JoinTwoPackets(pileAt, upperAt);
    }
}

QPoint TableAnimations::SplitPile(QPoint pile, QPoint pileAt) {
    const QImage& backing = view_.table().backing();
    // The pile, with 40 pixels of table on its left to erase its trail, slides right.
    const QImage whole = backing.copy(pile.x() - 40, pile.y(), 227, 268);
    SlideRegion(whole, {pile.x() - 40, pile.y()}, pileAt - QPoint(40, 0), 20, 40);
    program_.platform.pacer->pause(100);

    // The upper packet slides to the middle; its copy also stands at the pile's place, so the
    // lower packet stays there.
    const QImage upper = backing.copy(QRect(pileAt + QPoint(32, 32), kPacketSize));
    const auto lowerStays = [&] { PaintRegion(upper, pileAt); };
    const QPoint upperAt =
        SlideRegion(upper, pileAt + QPoint(32, 32),
                    {(windowSize().width() - 187) / 2 - 1, pileAt.y() + 32}, 20, 20, lowerStays);
    program_.platform.pacer->pause(100);
    return upperAt;
}

void TableAnimations::JoinTwoPackets(QPoint pileAt, QPoint upperAt) {
    const QImage& backing = view_.table().backing();
    // The upper packet rises, the lower one joins it, then the deck rises to the top.
    const QImage upper = backing.copy(QRect(upperAt, kPacketSize));
    upperAt = SlideRegion(upper, upperAt, {upperAt.x(), pileAt.y() - 36}, 10, 20);
    program_.platform.pacer->pause(100);
    const QImage lower = backing.copy(QRect(pileAt, kPacketSize));
    SlideRegion(lower, pileAt, {upperAt.x() + 36, pileAt.y()}, 10, 20);
    program_.platform.pacer->pause(100);
    const QImage joined = backing.copy(QRect(upperAt, kPacketSize + QSize(0, 32)));
    SlideRegion(joined, upperAt, {upperAt.x(), 10}, 10, 20);
    program_.platform.pacer->pause(100);
}

void TableAnimations::GatherThreePiles(QPoint pileAt, QPoint secondAt) {
    const QImage& backing = view_.table().backing();
    // The third packet, the top of the second, goes to the left edge and rises above it.
    const QImage third = backing.copy(QRect(secondAt + QPoint(16, 16), kPacketSize));
    const auto secondStays = [&] { PaintRegion(third, secondAt); };
    QPoint thirdAt =
        SlideRegion(third, secondAt + QPoint(16, 16), {20, secondAt.y() + 16}, 20, 20, secondStays);
    thirdAt = SlideRegion(third, thirdAt, {thirdAt.x(), secondAt.y() - 16}, 10, 20);
    program_.platform.pacer->pause(100);

    // The first packet lands on the second, the second carries it onto the third, and the
    // gathered deck rises to the top.
    const QImage first = backing.copy(QRect(pileAt, kPacketSize));
    SlideRegion(first, pileAt, {secondAt.x() + 16, secondAt.y() - 16}, 10, 20);
    program_.platform.pacer->pause(100);
    const QImage carried =
        backing.copy(QRect(secondAt - QPoint(0, 16), kPacketSize + QSize(16, 16)));
    const QPoint carriedAt =
        SlideRegion(carried, secondAt - QPoint(0, 16), {thirdAt.x() + 16, thirdAt.y()}, 10, 20);
    program_.platform.pacer->pause(100);
    const QImage gathered = backing.copy(QRect(thirdAt, carried.size() + QSize(16, 0)));
    SlideRegion(gathered, {thirdAt.x(), std::min(thirdAt.y(), carriedAt.y())}, {thirdAt.x(), 10},
                10, 20);
    program_.platform.pacer->pause(100);
}

void TableAnimations::DoRandomDraw() {
    const Running running(*this);
    Random::Randomize();
    TSpreadParser& parser = model_.Parser;
    const auto liesOnPosition = [this](int card) { return model_.LiesOnPosition(card); };
    for (int i = 0; i < parser.PosCount; ++i) {
        if (parser.PosSignificator[i]) continue;
        program_.platform.pacer->pause(2);
        const int card = DrawFreeCard(model_.DeckSize, liesOnPosition);
        if (card < 0) return;  // every card in play already lies in the spread
        for (int slot = 0; slot < model_.DeckSize; ++slot) {
            if (model_.Deck[slot].Number != card) continue;
            parser.TakeCard(slot);
            parser.ActivatePosition(i);
            break;
        }
    }
}
