#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

// One card picture on the table (a spread position, the extra card): shows its picture
// stretched over the whole widget and reports left clicks with its tag.
class CardImage : public QWidget {
    Q_OBJECT

public:
    CardImage(int tag, QWidget* parent = nullptr);

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    // The hint shown as a tooltip while tips are on.
    const QString& hint() const { return hint_; }
    void setHint(const QString& hint);
    void showHint(bool shown);
    // Marks the image as the focused one of its area; an image with the focus of its own is
    // marked as well.
    void setFocusFrame(bool shown);
    bool focusFrame() const { return focusFrame_; }
    // What a click does: tells the tag.
    void click() { emit clicked(tag_); }

signals:
    void clicked(int tag);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Enter and Space click an image that has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    int tag_;
    QImage picture_;
    QString hint_;
    bool hintShown_ = false;
    bool pressed_ = false;
    bool focusFrame_ = false;
};

// A position image of the spread area: an empty place (tag = position index) over `place`,
// labelled "S. ", "S1. " or "1. ", with its hint shown while tips are on.
CardImage* MakePositionImage(int index, const QRect& place, const QColor& backColor,
                             const QString& number, const QString& hint, bool showTips,
                             QWidget* parent);

// The picture of an empty place: black outline, filled with the table colour, and the
// label (for example "S. " or "3. ") at (5, 5).
QImage EmptyPlacePicture(QSize size, const QColor& backColor, const QString& label);
