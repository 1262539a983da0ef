#include "platform/TextFitting.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "platform/Interface.h"

namespace {

// Room around a button's caption for its frame and bevel.
constexpr int kButtonPadding = 12;
// The least space between two buttons side by side.
constexpr int kButtonGap = 6;
// Room beside a group's title and after its last choice.
constexpr int kGroupPadding = 16;
// Space kept between a grown box and the window's edge.
constexpr int kWindowMargin = 8;

// Grows the box to the needed width, keeping its left edge, its right edge or its centre.
void GrowWidth(QWidget* box, int needed, Qt::Alignment anchor) {
    const QRect r = box->geometry();
    if (needed <= r.width()) return;
    int left = r.left();
    if (anchor & Qt::AlignRight) left = r.right() + 1 - needed;
    if (anchor & Qt::AlignHCenter) left = r.left() - (needed - r.width()) / 2;
    box->setGeometry(std::max(0, left), r.top(), needed, r.height());
}

// Grows the box downward, or around its middle when its text is centred vertically.
void GrowHeight(QWidget* box, int needed, bool aroundMiddle) {
    const QRect r = box->geometry();
    if (needed <= r.height()) return;
    const int top = aroundMiddle ? r.top() - (needed - r.height()) / 2 : r.top();
    box->setGeometry(r.left(), std::max(0, top), r.width(), needed);
}

// A grown button moves away from a button beside it that it now comes too near.
void KeepApart(QAbstractButton* button, const QRect& before) {
    QRect r = button->geometry();
    for (QPushButton* other :
         button->parentWidget()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        const QRect o = other->geometry();
        if (other == button || other->isHidden() || o.bottom() < r.top() || o.top() > r.bottom())
            continue;
        if (o.right() < before.left() - kButtonGap && o.right() + kButtonGap >= r.left())
            r.moveLeft(o.right() + 1 + kButtonGap);
        else if (o.left() > before.right() + kButtonGap && r.right() + kButtonGap >= o.left())
            r.moveRight(o.left() - 1 - kButtonGap);
    }
    button->setGeometry(r);
}

void FitButton(QAbstractButton* button) {
    if (button->text().isEmpty()) return;
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        const QSize hint = button->sizeHint();
        GrowWidth(button, hint.width(), Qt::AlignLeft);
        GrowHeight(button, hint.height(), true);
        return;
    }
    const QFontMetrics metrics(button->font());
    const QString text = QString(button->text()).remove('&');
    int needed = metrics.horizontalAdvance(text) + kButtonPadding;
    if (!button->icon().isNull()) needed += button->iconSize().width() + kButtonPadding / 2;
    const QRect before = button->geometry();
    GrowWidth(button, needed, Qt::AlignHCenter);
    GrowHeight(button, metrics.height() + kButtonPadding / 2, true);
    KeepApart(button, before);
}

void FitLabel(QLabel* label) {
    if (label->text().isEmpty()) return;
    const QSize text = LabelTextSize(label);
    const QMargins margins = label->contentsMargins();
    const int width = text.width() + margins.left() + margins.right();
    const int height = text.height() + margins.top() + margins.bottom();
    const Qt::Alignment align = label->alignment();
    GrowWidth(label, width, label->wordWrap() ? Qt::AlignLeft : align);
    GrowHeight(label, height, !label->wordWrap() && (align & Qt::AlignVCenter));
}

void FitGroup(QGroupBox* group) {
    int needed = QFontMetrics(group->font()).horizontalAdvance(group->title()) + 2 * kGroupPadding;
    for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden())
            needed = std::max(needed, child->geometry().right() + 1 + kButtonGap);
    GrowWidth(group, needed, Qt::AlignLeft);
}

// The direct child of the window that holds the widget.
QWidget* TopBox(QWidget* window, QWidget* widget) {
    while (widget->parentWidget() && widget->parentWidget() != window)
        widget = widget->parentWidget();
    return widget;
}

// Shown, as far as the window itself decides.
bool IsShownIn(QWidget* window, QWidget* widget) {
    for (QWidget* w = widget; w && w != window; w = w->parentWidget())
        if (w->isHidden()) return false;
    return true;
}

}  // namespace

QSize LabelTextSize(const QLabel* label) {
    const QRect area = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect bounds(0, 0, label->wordWrap() ? area.width() : 100000, 100000);
    return QFontMetrics(label->font()).boundingRect(bounds, flags, label->text()).size();
}

void FitTextBox(QWidget* box) {
    if (auto* label = qobject_cast<QLabel*>(box)) FitLabel(label);
    if (auto* button = qobject_cast<QAbstractButton*>(box)) FitButton(button);
}

void FitTexts(QWidget* window) {
    QHash<QWidget*, QRect> before;
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) before.insert(widget, widget->geometry());

    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) FitButton(button);
    for (QLabel* label : window->findChildren<QLabel*>()) FitLabel(label);
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) FitGroup(group);

    QSize needed = window->size();
    for (QWidget* widget : widgets) {
        if (widget->geometry() == before.value(widget) || !IsShownIn(window, widget)) continue;
        const QRect box = TopBox(window, widget)->geometry();
        needed = needed.expandedTo(
            QSize(box.right() + 1 + kWindowMargin, box.bottom() + 1 + kWindowMargin));
    }
    if (!(window->windowFlags() & Qt::FramelessWindowHint))
        needed.setWidth(std::max(needed.width(), CaptionWidthNeeded(window->windowTitle())));
    if (const QScreen* screen =
            window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        needed = needed.boundedTo(screen->availableGeometry().size()).expandedTo(window->size());
    if (needed == window->size()) return;
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(needed);
    else
        window->resize(needed);
}
