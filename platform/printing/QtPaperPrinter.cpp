#include "platform/printing/QtPaperPrinter.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

PrintOutcome QtPaperPrinter::Print(const PrintJob& job, QWidget* parent, QString* errorString) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.title);
    job.setUpPages(printer);
    QPrintPreviewDialog preview(&printer, parent);
    // Large enough to read a page.
    if (parent) preview.resize(parent->size() * 0.8);
    // The preview paints the pages for the screen, then once more for the printer when the
    // print dialog is confirmed: the last painting's outcome is the printout's.
    QString failure;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* device) {
                         failure.clear();
                         job.paintPages(*device, &failure);
                     });
    if (preview.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    if (failure.isEmpty() && printer.printerState() == QPrinter::Error)
        failure = "The printer reported an error.";
    if (failure.isEmpty()) return PrintOutcome::Printed;
    if (errorString) *errorString = failure;
    return PrintOutcome::Failed;
}
