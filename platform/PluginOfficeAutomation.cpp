#include "platform/PluginOfficeAutomation.h"

#include <QPluginLoader>

#include "platform/OfficeBridgePlugin.h"
#include "platform/ProgramPlaces.h"

PluginOfficeAutomation::PluginOfficeAutomation(QString pluginPath)
    : pluginPath_(std::move(pluginPath)) {}

// Stops any office still running; the plugin itself stays loaded, so no code of it is
// unloaded while the UNO runtime may still hold on to it.
PluginOfficeAutomation::~PluginOfficeAutomation() = default;

QString PluginOfficeAutomation::DefaultPluginPath() {
    return ProgramPlaces::ProgramPlugin("lumenfold-uno");
}

OfficeObjectPtr PluginOfficeAutomation::CreateObject(const QString& programId) {
    if (!automation_) {
        QPluginLoader loader(pluginPath_);
        auto* plugin = qobject_cast<OfficeBridgePlugin*>(loader.instance());
        if (!plugin)
            throw AutomationError("no office bridge: " + loader.errorString().toStdString());
        automation_ = plugin->CreateAutomation();
    }
    return automation_->CreateObject(programId);
}

bool PluginOfficeAutomation::Release(bool failed) {
    return automation_ && automation_->Release(failed);
}
