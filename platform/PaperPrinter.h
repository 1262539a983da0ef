#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>

class QPagedPaintDevice;
class QWidget;

enum class PrintOutcome { Printed, Cancelled, Failed };

// A document to print: its title for the print queue, how its pages are set up, and how they
// are painted on a device (the preview's, then the printer's). Painting returns false with the
// reason when the pages could not be painted.
struct PrintJob {
    QString title;
    std::function<void(QPagedPaintDevice& device)> setUpPages;
    std::function<bool(QPagedPaintDevice& device, QString* errorString)> paintPages;
};

// Printing on paper: a print preview whose print button opens the system's print dialog, which
// offers printing to a file where no printer is set up. Failed with the reason when the printer
// could not take the document.
class PaperPrinter {
public:
    virtual ~PaperPrinter() = default;

    virtual PrintOutcome Print(const PrintJob& job, QWidget* parent, QString* errorString) = 0;
};

#define PaperPrinter_iid "org.lumenfold.PaperPrinter/1"
Q_DECLARE_INTERFACE(PaperPrinter, PaperPrinter_iid)
