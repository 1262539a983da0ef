#pragma once

#include "platform/ColorDialog.h"

// Qt's colour dialog with its custom colour part on show.
class QtColorDialog : public ColorDialog {
public:
    Answer choose(QWidget* parent, const QColor& initial) override;
};
