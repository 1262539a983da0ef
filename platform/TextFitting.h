#pragma once

#include <QSize>

class QLabel;
class QWidget;

// The size a label's text takes when drawn at the label's width (wrapped where it wraps).
QSize LabelTextSize(const QLabel* label);

// Grows one label or button whose text does not fit it, as FitTexts does; for a box whose
// text changes while its window is on show.
void FitTextBox(QWidget* box);

// Grows every text box of the window whose text does not fit it: a push button around its
// centre, a check box or choice to the right, a group to hold its title and choices, a label
// downward where it wraps (else along its alignment). Then widens the window to hold every
// box that grew and, where it has a title bar, its caption (never beyond the screen). Boxes
// whose text fits keep their places and sizes. Call when the texts are set, before the window
// is placed.
void FitTexts(QWidget* window);
