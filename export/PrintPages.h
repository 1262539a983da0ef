#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
struct PrintDocument;

// Letter where the locale's country uses it, A4 everywhere else.
QPageSize::PageSizeId PaperSizeFor(const QLocale& locale);

// Sets the device's page size and the document's margins.
void SetUpPages(QPagedPaintDevice& device, QPageSize::PageSizeId paper);

// Lays the document out on the device's pages and paints it: the title, the comment, the spread
// picture, then each position. A position's heading, card line and card picture always share a
// page; its explanation may go on over a page break. The number of pages painted; 0 with the
// reason when the device cannot be painted on or a page cannot be added.
int PaintPrintDocument(const PrintDocument& document, QPagedPaintDevice& device,
                       QString* errorString = nullptr);
