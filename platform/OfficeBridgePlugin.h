#pragma once

#include <QtPlugin>

#include <memory>

#include "platform/OfficeAutomation.h"

// What the office bridge plugin offers: the office suite's automation server. The plugin is
// loaded only when an export needs it, so the program starts where the office is missing.
class OfficeBridgePlugin {
public:
    virtual ~OfficeBridgePlugin() = default;

    virtual std::unique_ptr<OfficeAutomation> CreateAutomation() = 0;
};

#define OfficeBridgePlugin_iid "org.lumenfold.OfficeBridgePlugin/1"
Q_DECLARE_INTERFACE(OfficeBridgePlugin, OfficeBridgePlugin_iid)
