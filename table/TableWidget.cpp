#include "table/TableWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include "table/TablePainting.h"

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The keyboard reaches the table with Tab; a click keeps the focus where it is.
    setFocusPolicy(Qt::TabFocus);
}

void TableWidget::setFocusFrame(const QRect& box, const QImage& card) {
    if (box == focusFrame_ && card.cacheKey() == focusCard_.cacheKey()) return;
    update(focusFrame_);
    focusFrame_ = box;
    focusCard_ = card;
    update(focusFrame_);
}

void TableWidget::clear(const QColor& color) {
    color_ = color;
    repaintAll();
}

QImage& TableWidget::backing() {
    if (backing_.size() != size()) {
        backing_ = QImage(size(), QImage::Format_RGB32);
        QPainter painter(&backing_);
        PaintArea(painter, backing_.rect());
    }
    return backing_;
}

void TableWidget::PaintArea(QPainter& painter, const QRect& area) const {
    painter.setClipRect(area);
    painter.fillRect(area, color_);
    if (paintHandler_) paintHandler_(painter, area);
}

void TableWidget::repaintArea(const QRect& area) {
    const QRect clipped = area.intersected(rect());
    if (clipped.isEmpty()) return;
    if (backing_.size() == size()) {
        QPainter painter(&backing_);
        PaintArea(painter, clipped);
    }
    update(clipped);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (backing_.size() == size())
        painter.drawImage(event->rect(), backing_, event->rect());
    else
        PaintArea(painter, event->rect());
    if (!hasFocus() || !focusFrame_.intersects(event->rect())) return;
    if (!focusCard_.isNull()) painter.drawImage(focusFrame_.topLeft(), focusCard_);
    PaintFocusFrame(painter, focusFrame_);
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    backing_ = QImage();
    update();
    QWidget::resizeEvent(event);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}
