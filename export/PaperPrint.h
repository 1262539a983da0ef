#pragma once

#include <QPageSize>

#include "platform/PaperPrinter.h"

struct PrintDocument;

// The document as a job for the paper printer, on paper of that size. The job paints from the
// document, which must outlive it.
PrintJob PaperPrintJob(const PrintDocument& document, QPageSize::PageSizeId paper);
