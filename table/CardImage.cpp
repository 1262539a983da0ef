#include "table/CardImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/PlainToolTip.h"
#include "table/TablePainting.h"

CardImage::CardImage(int tag, QWidget* parent) : QWidget(parent), tag_(tag) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CardImage::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void CardImage::setHint(const QString& hint) {
    hint_ = hint;
    showHint(hintShown_);
}

void CardImage::showHint(bool shown) {
    hintShown_ = shown;
    setToolTip(shown ? PlainToolTip(hint_) : QString());
}

void CardImage::setFocusFrame(bool shown) {
    if (shown == focusFrame_) return;
    focusFrame_ = shown;
    update();
}

void CardImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), palette().window());
    else
        painter.drawImage(rect(), picture_);
    if (focusFrame_ || hasFocus()) PaintFocusFrame(painter, rect());
}

void CardImage::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return QWidget::keyPressEvent(event);
    click();
}

void CardImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void CardImage::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a left press and release over the image.
    const bool isClick = pressed_ && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    pressed_ = false;
    if (isClick) click();
}

CardImage* MakePositionImage(int index, const QRect& place, const QColor& backColor,
                             const QString& number, const QString& hint, bool showTips,
                             QWidget* parent) {
    auto* image = new CardImage(index, parent);
    image->setObjectName("PositionImage" + QString::number(index));
    image->setGeometry(place);
    image->setPicture(EmptyPlacePicture(place.size(), backColor, number + ". "));
    image->setHint(hint);
    image->showHint(showTips);
    image->show();
    return image;
}

QImage EmptyPlacePicture(QSize size, const QColor& backColor, const QString& label) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(backColor);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(backColor);
    painter.drawText(QPoint(5, 5 + painter.fontMetrics().ascent()), label);
    return picture;
}
