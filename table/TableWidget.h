#pragma once

#include <QAccessible>
#include <QImage>
#include <QWidget>

#include <functional>

class QPainter;

// The table surface of the main window. Everything on it is drawn into one backing image that
// painting copies to the screen, so drawing never erases what lies there already. A repaint
// erases an area to the table colour and runs the paint handler over it, clipped to the area.
// The backing image is made when something first draws into it: until then, and after each
// resize, the table is painted straight onto the window, so a new window appears without
// waiting for it and a table nobody draws on holds no copy of itself.
class TableWidget : public QWidget {
    Q_OBJECT

public:
    using PaintHandler = std::function<void(QPainter& painter, const QRect& area)>;
    // What a screen reader is told of the painted table, asked each time it is read.
    using Describer = std::function<QString(QAccessible::Text text)>;

    explicit TableWidget(QWidget* parent = nullptr);

    QImage& backing();
    const QImage& backing() const { return const_cast<TableWidget*>(this)->backing(); }
    const QColor& color() const { return color_; }

    void setPaintHandler(PaintHandler handler) { paintHandler_ = std::move(handler); }
    void setDescriber(Describer describer) { describer_ = std::move(describer); }
    QString describe(QAccessible::Text text) const {
        return describer_ ? describer_(text) : QString();
    }

    // Takes the colour for the table and repaints all of it.
    void clear(const QColor& color);
    // Erases the area to the table colour, runs the paint handler over it and shows it.
    void repaintArea(const QRect& area);
    void repaintAll() { repaintArea(rect()); }
    // The box the keyboard focus frame is drawn in while the table has the focus, with the
    // picture of the focused card on top of its neighbours; an empty box draws none. Both lie
    // over the backing image, never in it.
    void setFocusFrame(const QRect& box, const QImage& card = {});
    const QRect& focusFrame() const { return focusFrame_; }

signals:
    void mousePressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PaintArea(QPainter& painter, const QRect& area) const;

    QImage backing_;
    QColor color_;
    PaintHandler paintHandler_;
    Describer describer_;
    QRect focusFrame_;
    QImage focusCard_;
};
