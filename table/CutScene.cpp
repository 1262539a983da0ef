#include "table/CutScene.h"

#include <QPainter>

#include <algorithm>

#include "platform/Pacer.h"
#include "table/TableWidget.h"

CutScene::CutScene(TableWidget& table, const QColor& tableColor, Pacer& pacer)
    : table_(table), tableColor_(tableColor), pacer_(pacer) {}

CutScene::Packet CutScene::Take(const QRect& region) const {
    // Parts of the region beyond the table stay transparent.
    QImage image(region.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).drawImage(QPoint(0, 0), table_.backing(), region);
    const QRgb table = tableColor_.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::replace(line, line + image.width(), table, QRgb(0));
    }
    return {image.convertToFormat(QImage::Format_ARGB32_Premultiplied), region.topLeft()};
}

void CutScene::Set(std::vector<Packet> packets) {
    QRect area;
    for (const Packet& packet : packets_) area |= packet.rect();
    for (const Packet& packet : packets) area |= packet.rect();
    packets_ = std::move(packets);
    Repaint(area);
}

QPoint CutScene::Slide(int i, QPoint to, int step, int frameTime) {
    Packet& packet = packets_[i];
    while (packet.at != to) {
        const QRect from = packet.rect();
        packet.at.rx() += std::clamp(to.x() - packet.at.x(), -step, step);
        packet.at.ry() += std::clamp(to.y() - packet.at.y(), -step, step);
        Repaint(from | packet.rect());
        pacer_.pause(frameTime);
    }
    return to;
}

void CutScene::Repaint(const QRect& area) {
    {
        QPainter painter(&table_.backing());
        painter.setClipRect(area);
        painter.fillRect(area, tableColor_);
        for (const Packet& packet : packets_)
            if (packet.rect().intersects(area)) painter.drawImage(packet.at, packet.image);
    }
    table_.update(area);
}
