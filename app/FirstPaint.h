#pragma once

class QWidget;

// For the start-up benchmark: when the environment variable LUMENFOLD_REPORT_FIRST_PAINT is set,
// the first time `window` has painted, one line "painted WIDTH HEIGHT" goes to the standard
// output. Nothing happens otherwise.
void ReportFirstPaint(QWidget& window);
