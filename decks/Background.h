#pragma once

#include <QColor>

class ColorDialog;
class MessageBoxes;
class QWidget;
struct Settings;

// What the background commands change on the table.
class BackgroundSurface {
public:
    virtual ~BackgroundSurface() = default;
    // Colours the window, both dividers and the spread area, and repaints the window.
    virtual void ColourFrame(const QColor& back) = 0;
    virtual void SetNoticeColour(const QColor& color) = 0;
    // Repaints the places of the spread that hold no card in the colour.
    virtual void RepaintEmptyPlaces(const QColor& back) = 0;
};

// The notice's font colour on a background: grey where blue is the strongest component,
// else the notice's own colour.
QColor NoticeColour(const QColor& back, const QColor& noticeFontColor);

// The table's background colour: "Background color..." and "Default background". The colour
// dialog starts on the colour read at start and then on the colour last confirmed in it.
class TableBackground {
public:
    TableBackground(Settings& settings, BackgroundSurface& surface, ColorDialog& colorDialog,
                    MessageBoxes& messageBoxes, const QColor& noticeFontColor);

    // Lets the user choose a colour and applies it; a cancelled dialog changes nothing.
    void ChooseColour(QWidget* parent);
    // Applies the default dark green; the colour dialog keeps its colour.
    void UseDefault();

    const QColor& DialogColour() const { return dialogColour_; }

private:
    void Apply(const QColor& back);

    Settings& settings_;
    BackgroundSurface& surface_;
    ColorDialog& colorDialog_;
    MessageBoxes& messageBoxes_;
    QColor noticeFontColor_;
    QColor dialogColour_;
};
