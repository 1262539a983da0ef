#include "decks/Background.h"

#include "i18n/FixedTexts.h"
#include "platform/ColorDialog.h"
#include "platform/MessageBoxes.h"
#include "settings/Settings.h"

namespace {

const QColor kGreyNotice(119, 119, 119);

}  // namespace

QColor NoticeColour(const QColor& back, const QColor& noticeFontColor) {
    // On a background where blue is strongest the navy notice would vanish: use grey.
    const bool blueStrongest = back.blue() > back.green() && back.blue() > back.red();
    return blueStrongest ? kGreyNotice : noticeFontColor;
}

TableBackground::TableBackground(Settings& settings, BackgroundSurface& surface,
                                 ColorDialog& colorDialog, MessageBoxes& messageBoxes,
                                 const QColor& noticeFontColor)
    : settings_(settings),
      surface_(surface),
      colorDialog_(colorDialog),
      messageBoxes_(messageBoxes),
      noticeFontColor_(noticeFontColor),
      dialogColour_(FromTColor(settings.BackColor)) {}

void TableBackground::ChooseColour(QWidget* parent) {
    const ColorDialog::Answer answer = colorDialog_.choose(parent, dialogColour_);
    if (answer.outcome == ColorDialog::Outcome::Cancelled) return;
    if (answer.outcome == ColorDialog::Outcome::Failed || !answer.color.isValid()) {
        messageBoxes_.showMessage(parent, FixedText::ColorDialogFailed);
        return;
    }
    dialogColour_ = answer.color;
    Apply(answer.color);
}

void TableBackground::UseDefault() { Apply(FromTColor(Settings().BackColor)); }

void TableBackground::Apply(const QColor& back) {
    settings_.BackColor = ToTColor(back);
    const QColor stored = FromTColor(settings_.BackColor);
    surface_.ColourFrame(stored);
    surface_.SetNoticeColour(NoticeColour(stored, noticeFontColor_));
    surface_.RepaintEmptyPlaces(stored);
}
