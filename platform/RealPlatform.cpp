#include "platform/Platform.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtSettingsKey.h"
#include "platform/QtSystemInfo.h"

Platform RealPlatform() {
    Platform platform;
    platform.settingsKey = std::make_unique<QtSettingsKey>();
    platform.messageBoxes = std::make_unique<QtMessageBoxes>();
    platform.systemInfo = std::make_unique<QtSystemInfo>();
    return platform;
}
