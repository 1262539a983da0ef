#pragma once

#include <QObject>

#include "platform/OfficeBridgePlugin.h"

// The plugin that drives LibreOffice over UNO for the program's office automation.
class UnoBridgePlugin : public QObject, public OfficeBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID OfficeBridgePlugin_iid)
    Q_INTERFACES(OfficeBridgePlugin)

public:
    std::unique_ptr<OfficeAutomation> CreateAutomation() override;
};
