#pragma once

#include <QObject>

#include "platform/PaperPrinter.h"

// The plugin that prints with Qt Print Support.
class QtPaperPrinter : public QObject, public PaperPrinter {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PaperPrinter_iid)
    Q_INTERFACES(PaperPrinter)

public:
    PrintOutcome Print(const PrintJob& job, QWidget* parent, QString* errorString) override;
};
