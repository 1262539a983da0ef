#pragma once

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>
#include <QtTest/QTest>

// A press, a release, or (with `button` held) a move of the mouse over the widget, delivered
// to it as the window system would.
inline void SendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const bool move = type == QEvent::MouseMove;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)),
                      move ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Grabs the widget at `at` with the left button and moves the pointer by `by` in two steps.
inline void DragWidget(QWidget* widget, QPoint at, QPoint by) {
    SendMouse(widget, QEvent::MouseButtonPress, Qt::LeftButton, at);
    SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, at + by / 2);
    SendMouse(widget, QEvent::MouseMove, Qt::LeftButton, at + by - by / 2);
    SendMouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton, at);
}

// Clicks the list's item with the left button; `twice` makes it a double click.
inline void ClickListItem(QListWidget* list, QListWidgetItem* item, bool twice = false) {
    const QPoint at = list->visualItemRect(item).center();
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}
