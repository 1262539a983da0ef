#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

class Pacer;
class TableWidget;

// The packets of a cut lying on the table, bottom first. Every frame repaints the table where
// a packet moved from and to, then every packet lying there: a moving packet uncovers bare
// table and never cuts into a packet it passes.
class CutScene {
public:
    struct Packet {
        QImage image;  // the table's colour is transparent
        QPoint at;
        QRect rect() const { return {at, image.size()}; }
    };

    CutScene(TableWidget& table, const QColor& tableColor, Pacer& pacer);

    // A packet of what the table shows in the region, placed where it lies.
    Packet Take(const QRect& region) const;
    // Lays these packets on the table instead of the ones before, bottom first.
    void Set(std::vector<Packet> packets);
    const Packet& operator[](int i) const { return packets_[i]; }

    // Moves packet i step by step to a target, one frame every frameTime milliseconds.
    // Returns the target.
    QPoint Slide(int i, QPoint to, int step, int frameTime);

private:
    void Repaint(const QRect& area);

    TableWidget& table_;
    QColor tableColor_;
    Pacer& pacer_;
    std::vector<Packet> packets_;
};
