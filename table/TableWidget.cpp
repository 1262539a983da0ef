#include "table/TableWidget.h"

#include <QMouseEvent>
#include <QPainter>

TableWidget::TableWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableWidget::clear(const QColor& color) {
    color_ = color;
    backing_.fill(color);
    update();
}

void TableWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), backing_, event->rect());
}

void TableWidget::resizeEvent(QResizeEvent* event) {
    QImage grown(event->size(), QImage::Format_RGB32);
    grown.fill(color_);
    QPainter(&grown).drawImage(0, 0, backing_);
    backing_ = grown;
    QWidget::resizeEvent(event);
}

void TableWidget::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->position().toPoint());
}
