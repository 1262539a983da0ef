#include "platform/PluginPaperPrinter.h"

#include <QPluginLoader>

#include "platform/ProgramPlaces.h"

PluginPaperPrinter::PluginPaperPrinter(QString pluginPath) : pluginPath_(std::move(pluginPath)) {}

QString PluginPaperPrinter::DefaultPluginPath() {
    return ProgramPlaces::ProgramPlugin("lumenfold-print");
}

// The plugin stays loaded once it is: the loader's instance lives until the program ends.
PrintOutcome PluginPaperPrinter::Print(const PrintJob& job, QWidget* parent, QString* errorString) {
    QPluginLoader loader(pluginPath_);
    auto* printer = qobject_cast<PaperPrinter*>(loader.instance());
    if (!printer) {
        if (errorString) *errorString = "No printing: " + loader.errorString();
        return PrintOutcome::Failed;
    }
    return printer->Print(job, parent, errorString);
}
