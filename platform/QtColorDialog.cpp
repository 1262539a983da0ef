#include "platform/QtColorDialog.h"

#include <QColorDialog>

ColorDialog::Answer QtColorDialog::choose(QWidget* parent, const QColor& initial) {
    QColorDialog dialog(initial, parent);
    dialog.setObjectName("ColorDialog1");
    if (dialog.exec() != QDialog::Accepted) return {Outcome::Cancelled, {}};
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid()) return {Outcome::Failed, {}};
    return {Outcome::Chosen, chosen};
}
