#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class CutScene;
class ReadingModel;
class TableView;
struct ProgramState;

// The animations of the table: the shuffle, the single and three-pile cuts, the wipe and the
// automatic deal. They pace themselves through the platform's pacer, which lets events in
// while they wait; input asks isRunning() and stays away while one runs.
class TableAnimations {
public:
    TableAnimations(ProgramState& program, ReadingModel& model, TableView& view);

    // A cut, the wipe or the automatic deal is under way. The shuffle is not counted: a click
    // stops it.
    bool isRunning() const { return running_; }

    // Paints the shuffle's trail and shuffles the deck until Shuffling goes off.
    void Shuffle();
    // The cut at depth k, after "Cut deck" (at cutButton) is erased: one cut, or three piles
    // that also reorder the deck.
    void DoPile(int k, QRect cutButton);
    // Rows of the table colour sweep down from the top.
    void WipeTable();
    // Deals a random free card face up into every ordinary position.
    void DoRandomDraw();

private:
    class Running;

    QSize windowSize() const;
    // Paints a copy of a table region at a place and shows the changed rectangle.
    void PaintRegion(const QImage& region, QPoint at);
    // The cut's animation: the pile moves right and splits into a lower packet (0) at
    // pileAt and an upper one (1) in the middle.
    void SplitPile(CutScene& scene, QPoint pileAt);
    void JoinTwoPackets(CutScene& scene);
    void GatherThreePiles(CutScene& scene);

    ProgramState& program_;
    ReadingModel& model_;
    TableView& view_;
    bool running_ = false;
};
