#pragma once

#include <QString>

#include <memory>

#include "platform/OfficeAutomation.h"

// The office automation of the bridge plugin at pluginPath, loaded on the first CreateObject.
// Without the plugin (or without the office it needs) CreateObject throws AutomationError.
class PluginOfficeAutomation : public OfficeAutomation {
public:
    explicit PluginOfficeAutomation(QString pluginPath);
    ~PluginOfficeAutomation() override;

    OfficeObjectPtr CreateObject(const QString& programId) override;
    bool Release(bool failed) override;

    // Where the plugin lies: beside the running program, or in its installed plugin folder.
    static QString DefaultPluginPath();

private:
    QString pluginPath_;
    std::unique_ptr<OfficeAutomation> automation_;
};
