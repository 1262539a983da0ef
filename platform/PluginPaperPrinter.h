#pragma once

#include <QString>

#include "platform/PaperPrinter.h"

// The printer of the print plugin at pluginPath, loaded at the first print, so that the program
// starts without the print libraries. Without the plugin a print fails with the loader's reason.
class PluginPaperPrinter : public PaperPrinter {
public:
    explicit PluginPaperPrinter(QString pluginPath);

    PrintOutcome Print(const PrintJob& job, QWidget* parent, QString* errorString) override;

    // Where the plugin lies: beside the running program, or in its installed plugin folder.
    static QString DefaultPluginPath();

private:
    QString pluginPath_;
};
