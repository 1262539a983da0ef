#pragma once

#include <QPageSize>
#include <QString>

class QWidget;
struct PrintDocument;

enum class PrintOutcome { Printed, Cancelled, Failed };

// Shows the document in a print preview; its print button opens the system's print dialog,
// which offers printing to a file where no printer is set up, and prints. Failed with the
// reason when the printer could not take the document.
PrintOutcome PrintOnPaper(const PrintDocument& document, QPageSize::PageSizeId paper,
                          QWidget* parent, QString* errorString = nullptr);
