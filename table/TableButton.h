#pragma once

#include <QToolButton>

// A button lying on the table (Shuffle, Stop, Cut deck): an aqua caption on the table's own
// colour, framed while the pointer is over it, on a darkened ground with a white frame while it
// has the focus. It paints itself rather than through a style sheet, which would give the
// window a style of its own to build at start-up. It places itself by its anchor whenever it is
// shown, retitled or its table resized, so a hidden button costs no text measuring.
class TableButton : public QToolButton {
public:
    // Where the button sits on the line 120 pixels above the table's bottom edge.
    enum class Anchor { EndsLeftOfMiddle, StartsRightOfMiddle, Centred };

    TableButton(QWidget* table, const char* name, const QString& caption, Anchor anchor);

    // A shown button is placed again for the width of its new caption.
    void Retitle(const QString& caption);
    void setVisible(bool visible) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    Anchor anchor_;
};
