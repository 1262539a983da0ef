#pragma once

#include <QColor>

class QWidget;

// The system's colour dialog, opened modally on a starting colour.
class ColorDialog {
public:
    enum class Outcome { Chosen, Cancelled, Failed };
    struct Answer {
        Outcome outcome = Outcome::Cancelled;
        QColor color;  // the confirmed colour when Chosen
    };

    virtual ~ColorDialog() = default;
    virtual Answer choose(QWidget* parent, const QColor& initial) = 0;
};
