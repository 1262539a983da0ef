#pragma once

#include <QString>

// A tooltip that shows the text exactly as it stands. The toolkit takes a tooltip for rich text
// when it looks like markup, so the text goes in escaped, in a paragraph that keeps its spaces
// and line breaks and wraps only where they do, as a plain tooltip. Empty text gives no tooltip.
QString PlainToolTip(const QString& text);
