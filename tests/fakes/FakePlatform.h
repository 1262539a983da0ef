#pragma once

#include "fakes/FixedSystemInfo.h"
#include "fakes/MemorySettingsKey.h"
#include "fakes/RecordingMessageBoxes.h"
#include "platform/Platform.h"

// A platform made of fakes, with typed access to each of them.
struct FakePlatform {
    Platform platform;
    MemorySettingsKey* settingsKey;
    RecordingMessageBoxes* messageBoxes;
    FixedSystemInfo* systemInfo;

    FakePlatform() {
        auto key = std::make_unique<MemorySettingsKey>();
        settingsKey = key.get();
        platform.settingsKey = std::move(key);
        auto boxes = std::make_unique<RecordingMessageBoxes>();
        messageBoxes = boxes.get();
        platform.messageBoxes = std::move(boxes);
        auto info = std::make_unique<FixedSystemInfo>();
        systemInfo = info.get();
        platform.systemInfo = std::move(info);
    }
};
