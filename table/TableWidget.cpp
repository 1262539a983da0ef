#include "table/TableWidget.h"

#include <QMouseEvent>
#include <QPainter>

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::clear(const QColor& color) {
    color_ = color;
    repaintAll();
}

void TableWidget::repaintArea(const QRect& area) {
    const QRect clipped = area.intersected(backing_.rect());
    if (clipped.isEmpty()) return;
    {
        QPainter painter(&backing_);
        painter.setClipRect(clipped);
        painter.fillRect(clipped, color_);
        if (paintHandler_) paintHandler_(painter, clipped);
    }
    update(clipped);
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), backing_, event->rect());
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    backing_ = QImage(event->size(), QImage::Format_RGB32);
    repaintAll();
    QWidget::resizeEvent(event);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}
