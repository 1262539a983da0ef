#include "decks/CapPanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// A panel dragged smaller than this could no longer be grabbed again by an edge.
constexpr int kSmallestSide = 2 * kPanelGrip + 2;

bool HasLeft(PanelZone z) {
    return z == PanelZone::Left || z == PanelZone::TopLeft || z == PanelZone::BottomLeft;
}
bool HasRight(PanelZone z) {
    return z == PanelZone::Right || z == PanelZone::TopRight || z == PanelZone::BottomRight;
}
bool HasTop(PanelZone z) {
    return z == PanelZone::Top || z == PanelZone::TopLeft || z == PanelZone::TopRight;
}
bool HasBottom(PanelZone z) {
    return z == PanelZone::Bottom || z == PanelZone::BottomLeft || z == PanelZone::BottomRight;
}

}  // namespace

PanelZone PanelHitTest(PanelAlign align, QPoint point, QSize size) {
    if (align == PanelAlign::Client) return PanelZone::None;
    const bool left = point.x() <= kPanelGrip;
    const bool top = point.y() <= kPanelGrip;
    const bool right = size.width() - point.x() <= kPanelGrip;
    const bool bottom = size.height() - point.y() <= kPanelGrip;
    const bool free = align == PanelAlign::None;
    if (free && right && bottom) return PanelZone::BottomRight;
    if (free && left && top) return PanelZone::TopLeft;
    if (free && right && top) return PanelZone::TopRight;
    if (free && left && bottom) return PanelZone::BottomLeft;
    // Later matches override earlier ones.
    PanelZone zone = PanelZone::None;
    if (right && (free || align == PanelAlign::Left)) zone = PanelZone::Right;
    if (left && (free || align == PanelAlign::Right)) zone = PanelZone::Left;
    if (bottom && (free || align == PanelAlign::Top)) zone = PanelZone::Bottom;
    if (top && (free || align == PanelAlign::Bottom)) zone = PanelZone::Top;
    return zone;
}

Qt::CursorShape PanelZoneCursor(PanelZone zone) {
    switch (zone) {
        case PanelZone::TopLeft:
        case PanelZone::BottomRight:
            return Qt::SizeFDiagCursor;
        case PanelZone::TopRight:
        case PanelZone::BottomLeft:
            return Qt::SizeBDiagCursor;
        case PanelZone::Left:
        case PanelZone::Right:
            return Qt::SizeHorCursor;
        case PanelZone::Top:
        case PanelZone::Bottom:
            return Qt::SizeVerCursor;
        case PanelZone::None:
            break;
    }
    return Qt::ArrowCursor;
}

TPanelCaption::TPanelCaption(const QString& caption, QWidget* parent) : QFrame(parent) {
    setCaption(caption);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setMouseTracking(true);
    if (parent) parent->installEventFilter(this);
}

void TPanelCaption::setCaption(const QString& caption) {
    caption_ = caption;
    // The caption is painted: a screen reader reads it as the panel's name.
    setAccessibleName(caption);
    update();
}

void TPanelCaption::setAlign(PanelAlign align) {
    align_ = align;
    Dock();
}

void TPanelCaption::Dock() {
    const QWidget* parent = parentWidget();
    if (!parent || align_ == PanelAlign::None) return;
    const QRect area = parent->rect();
    switch (align_) {
        case PanelAlign::Top:
            setGeometry(0, 0, area.width(), height());
            break;
        case PanelAlign::Bottom:
            setGeometry(0, area.height() - height(), area.width(), height());
            break;
        case PanelAlign::Left:
            setGeometry(0, 0, width(), area.height());
            break;
        case PanelAlign::Right:
            setGeometry(area.width() - width(), 0, width(), area.height());
            break;
        case PanelAlign::Client:
            setGeometry(area);
            break;
        case PanelAlign::None:
            break;
    }
}

bool TPanelCaption::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) Dock();
    return QFrame::eventFilter(watched, event);
}

void TPanelCaption::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void TPanelCaption::mousePressEvent(QMouseEvent* event) {
    const PanelZone zone = PanelHitTest(align_, event->position().toPoint(), size());
    if (event->button() != Qt::LeftButton || zone == PanelZone::None) {
        QFrame::mousePressEvent(event);
        return;
    }
    dragZone_ = zone;
    dragOrigin_ = event->globalPosition().toPoint();
    dragStart_ = geometry();
}

void TPanelCaption::mouseMoveEvent(QMouseEvent* event) {
    if (dragZone_ == PanelZone::None) {
        const PanelZone zone = PanelHitTest(align_, event->position().toPoint(), size());
        if (zone == PanelZone::None)
            unsetCursor();
        else
            setCursor(PanelZoneCursor(zone));
        return;
    }
    const QRect dragged = DraggedGeometry(event->globalPosition().toPoint() - dragOrigin_);
    if (dragged == geometry()) return;
    setGeometry(dragged);
    Dock();
    emit resized();
}

void TPanelCaption::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragZone_ = PanelZone::None;
    QFrame::mouseReleaseEvent(event);
}

void TPanelCaption::leaveEvent(QEvent* event) {
    if (dragZone_ == PanelZone::None) unsetCursor();
    QFrame::leaveEvent(event);
}

QRect TPanelCaption::DraggedGeometry(QPoint delta) const {
    const int minWidth = std::max(MinWidth, kSmallestSide);
    const int minHeight = std::max(MinHeight, kSmallestSide);
    QRect r = dragStart_;
    // The dragged edge follows the mouse; the opposite edge stays.
    if (HasLeft(dragZone_))
        r.setLeft(std::min(dragStart_.left() + delta.x(), dragStart_.right() + 1 - minWidth));
    if (HasRight(dragZone_))
        r.setRight(std::max(dragStart_.right() + delta.x(), dragStart_.left() - 1 + minWidth));
    if (HasTop(dragZone_))
        r.setTop(std::min(dragStart_.top() + delta.y(), dragStart_.bottom() + 1 - minHeight));
    if (HasBottom(dragZone_))
        r.setBottom(std::max(dragStart_.bottom() + delta.y(), dragStart_.top() - 1 + minHeight));
    return r;
}
