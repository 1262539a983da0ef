#pragma once

#include <QImage>
#include <QWidget>

// The table surface of the main window. Everything on it is drawn into one backing image that
// painting copies to the screen, so drawing never erases what lies there already.
class TableWidget : public QWidget {
    Q_OBJECT

public:
    explicit TableWidget(QWidget* parent = nullptr);

    QImage& backing() { return backing_; }
    const QImage& backing() const { return backing_; }

    // Fills the whole table with the colour and shows it.
    void clear(const QColor& color);

signals:
    void mousePressed(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage backing_;
    QColor color_;
};
