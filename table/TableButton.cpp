#include "table/TableButton.h"

#include <QEvent>
#include <QPainter>

TableButton::TableButton(QWidget* table, const char* name, const QString& caption,
                         Anchor anchor)
    : QToolButton(table), anchor_(anchor) {
    setObjectName(name);
    setText(caption);
    setAutoRaise(true);
    setAttribute(Qt::WA_Hover);
    QFont bold = font();
    bold.setPixelSize(16);
    bold.setBold(true);
    setFont(bold);
    resize(81, 25);
    hide();
    table->installEventFilter(this);
}

void TableButton::Retitle(const QString& caption) {
    setText(caption);
    if (!isHidden()) Place();
}

void TableButton::setVisible(bool visible) {
    if (visible) Place();
    QToolButton::setVisible(visible);
}

bool TableButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize && !isHidden()) Place();
    return false;
}

void TableButton::Place() {
    // 81 pixels wide, or wider where the caption needs it: "Shuffle" ends 10 pixels left of
    // the middle, "Stop" starts 10 pixels right of it and "Cut deck" is centred.
    const int textWidth = fontMetrics().horizontalAdvance(text());
    const int width = textWidth <= 81 ? 81 : textWidth + 6;
    const int middle = parentWidget()->width() / 2;
    const int x = anchor_ == Anchor::EndsLeftOfMiddle      ? middle - 10 - width
                  : anchor_ == Anchor::StartsRightOfMiddle ? middle + 10
                                                           : (parentWidget()->width() - width) / 2;
    setGeometry(x, parentWidget()->height() - 120, width, 25);
}

void TableButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor aqua(0, 255, 255);
    if (hasFocus()) {
        // Plain on every table colour.
        painter.fillRect(rect(), QColor(0, 0, 0, 110));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    } else if (underMouse() && isEnabled()) {
        painter.setPen(aqua);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    painter.setPen(isEnabled() ? aqua : QColor(128, 128, 128));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
}
