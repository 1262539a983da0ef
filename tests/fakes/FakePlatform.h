#pragma once

#include "fakes/FakeMediaPlayer.h"
#include "fakes/FixedSystemInfo.h"
#include "fakes/InstantPacer.h"
#include "fakes/MemoryClipboard.h"
#include "fakes/MemorySettingsKey.h"
#include "fakes/RecordingHelpViewer.h"
#include "fakes/RecordingMessageBoxes.h"
#include "fakes/RecordingOffice.h"
#include "fakes/RecordingShell.h"
#include "fakes/RecordingWord.h"
#include "fakes/ScriptedColorDialog.h"
#include "fakes/ScriptedFileDialogs.h"
#include "fakes/ScriptedOpenFileDialog.h"
#include "platform/Platform.h"
#include "platform/PluginChartMaker.h"
#include "platform/PluginPaperPrinter.h"

// A platform made of fakes, with typed access to each of them.
struct FakePlatform {
    Platform platform;
    MemorySettingsKey* settingsKey;
    RecordingMessageBoxes* messageBoxes;
    FixedSystemInfo* systemInfo;
    RecordingShell* shell;
    RecordingHelpViewer* helpViewer;
    InstantPacer* pacer;
    ScriptedColorDialog* colorDialog;
    ScriptedFileDialogs* fileDialogs;
    MemoryClipboard* clipboard;
    RecordingWord* word;
    RecordingOffice* office;
    FakeMediaPlayer* mediaPlayer;
    ScriptedOpenFileDialog* openFileDialog;

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
        auto desktop = std::make_unique<RecordingShell>();
        shell = desktop.get();
        platform.shell = std::move(desktop);
        auto help = std::make_unique<RecordingHelpViewer>();
        helpViewer = help.get();
        platform.helpViewer = std::move(help);
        auto instant = std::make_unique<InstantPacer>();
        pacer = instant.get();
        platform.pacer = std::move(instant);
        auto colors = std::make_unique<ScriptedColorDialog>();
        colorDialog = colors.get();
        platform.colorDialog = std::move(colors);
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        fileDialogs = dialogs.get();
        platform.fileDialogs = std::move(dialogs);
        auto memory = std::make_unique<MemoryClipboard>();
        clipboard = memory.get();
        platform.clipboard = std::move(memory);
        auto recorder = std::make_unique<RecordingWord>();
        word = recorder.get();
        platform.word = std::move(recorder);
        auto writer = std::make_unique<RecordingOffice>();
        office = writer.get();
        platform.office = std::move(writer);
        auto player = std::make_unique<FakeMediaPlayer>();
        mediaPlayer = player.get();
        platform.mediaPlayer = std::move(player);
        // Printing and charts are the real plugins: a preview, a dialog and a chart are driven
        // and read as a person would.
        platform.printer = std::make_unique<PluginPaperPrinter>(LUMENFOLD_PRINT_PLUGIN);
        platform.charts = std::make_unique<PluginChartMaker>(LUMENFOLD_CHART_PLUGIN);
        auto opener = std::make_unique<ScriptedOpenFileDialog>();
        openFileDialog = opener.get();
        platform.openFileDialog = std::move(opener);
    }
};
