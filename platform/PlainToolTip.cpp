#include "platform/PlainToolTip.h"

QString PlainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return "<p style=\"white-space:pre\">" + text.toHtmlEscaped() + "</p>";
}
