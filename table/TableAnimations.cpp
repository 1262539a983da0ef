#include "table/TableAnimations.h"

#include <QPainter>
#include <QScopedValueRollback>
#include <QWidget>

#include <algorithm>

#include "platform/Platform.h"
#include "platform/Random.h"
#include "table/CutScene.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"
#include "table/Shuffle.h"
#include "table/TablePainting.h"
#include "table/TableView.h"
#include "table/TableWidget.h"

namespace {

constexpr double kTrailStart = 0.8;
constexpr double kTrailStep = 0.1;
// A packet of the cut: a region of the pile with the table around it.
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
    while (model_.Shuffling()) {
        ShuffleFrame(model_.Deck(), model_.DeckSize, k, useReverse);
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
    // The wiped part grows from the top by two rows a step: only the band at its edge is new.
    for (int r = 0; r < window.height(); r += 2) {
        QPainter(&table.backing()).fillRect(QRect(0, r, window.width(), 10), back);
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

void TableAnimations::DoPile(int k, QRect cutButton) {
    const Running running(*this);
    const QColor back = FromTColor(program_.settings.BackColor);
    const QRect button = cutButton.adjusted(0, 0, 1, 1);
    QPainter(&view_.table().backing()).fillRect(button, back);
    view_.table().update(button);

    const QSize window = windowSize();
    const QPoint pileAt(window.width() - 263, PileOrigin(window.width(), window.height()).y());
    CutScene scene(view_.table(), back, *program_.platform.pacer);
    SplitPile(scene, pileAt);
    if (program_.settings.CutInThreePiles) {
        CutInThreePiles(model_.Deck(), model_.DeckSize, k);
        GatherThreePiles(scene);
    } else {
        JoinTwoPackets(scene);
    }
}

void TableAnimations::SplitPile(CutScene& scene, QPoint pileAt) {
    Pacer& pacer = *program_.platform.pacer;
    // The pile slides right.
    scene.Set({scene.Take(PileRect(windowSize()))});
    scene.Slide(0, pileAt, 20, 40);
    pacer.pause(100);

    // The upper packet slides to the middle; the lower one, looking the same, stays.
    CutScene::Packet upper = scene.Take(QRect(pileAt + QPoint(32, 32), kPacketSize));
    CutScene::Packet lower{upper.image, pileAt};
    scene.Set({lower, upper});
    scene.Slide(1, {(windowSize().width() - 187) / 2 - 1, pileAt.y() + 32}, 20, 20);
    pacer.pause(100);
}

void TableAnimations::JoinTwoPackets(CutScene& scene) {
    Pacer& pacer = *program_.platform.pacer;
    const QPoint pileAt = scene[0].at;
    // The upper packet rises, the lower one joins it on top, then the deck rises to the top.
    const QPoint upperAt = scene.Slide(1, {scene[1].at.x(), pileAt.y() - 36}, 10, 20);
    pacer.pause(100);
    scene.Set({scene[1], scene[0]});
    scene.Slide(1, {upperAt.x() + 36, pileAt.y()}, 10, 20);
    pacer.pause(100);
    scene.Set({scene.Take(QRect(upperAt, kPacketSize + QSize(0, 32)))});
    scene.Slide(0, {upperAt.x(), 10}, 10, 20);
    pacer.pause(100);
}

void TableAnimations::GatherThreePiles(CutScene& scene) {
    Pacer& pacer = *program_.platform.pacer;
    const QPoint secondAt = scene[1].at;
    // The third packet, the top of the second, goes to the left edge and rises above it.
    CutScene::Packet third = scene.Take(QRect(secondAt + QPoint(16, 16), kPacketSize));
    CutScene::Packet second{third.image, secondAt};
    scene.Set({scene[0], second, third});
    QPoint thirdAt = scene.Slide(2, {20, secondAt.y() + 16}, 20, 20);
    thirdAt = scene.Slide(2, {thirdAt.x(), secondAt.y() - 16}, 10, 20);
    pacer.pause(100);

    // The first packet lands on the second, the second carries it onto the third, and the
    // gathered deck rises to the top.
    scene.Set({scene[2], scene[1], scene[0]});
    scene.Slide(2, {secondAt.x() + 16, secondAt.y() - 16}, 10, 20);
    pacer.pause(100);
    const CutScene::Packet carried =
        scene.Take(QRect(secondAt - QPoint(0, 16), kPacketSize + QSize(16, 16)));
    scene.Set({scene[0], carried});
    scene.Slide(1, {thirdAt.x() + 16, thirdAt.y()}, 10, 20);
    pacer.pause(100);
    scene.Set({scene.Take(QRect(thirdAt, carried.image.size() + QSize(16, 0)))});
    scene.Slide(0, {thirdAt.x(), 10}, 10, 20);
    pacer.pause(100);
}

void TableAnimations::DoRandomDraw() {
    const Running running(*this);
    Random::Randomize();
    TSpreadParser& parser = model_.Parser;
    const auto liesOnPosition = [this](int card) { return model_.LiesOnPosition(card); };
    for (int i = 0; i < parser.PosCount(); ++i) {
        if (parser.PosSignificator(i)) continue;
        program_.platform.pacer->pause(2);
        const int card = DrawFreeCard(model_.DeckSize, liesOnPosition);
        if (card < 0) return;  // every card in play already lies in the spread
        for (int slot = 0; slot < model_.DeckSize; ++slot) {
            if (model_.Deck()[slot].Number != card) continue;
            parser.TakeCard(slot);
            parser.ActivatePosition(i);
            break;
        }
    }
}
