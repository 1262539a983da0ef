#pragma once

#include <memory>

#include "platform/BarChart.h"
#include "platform/Clipboard.h"
#include "platform/ColorDialog.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/MediaPlayer.h"
#include "platform/MessageBoxes.h"
#include "platform/OfficeAutomation.h"
#include "platform/OpenFileDialog.h"
#include "platform/Pacer.h"
#include "platform/PaperPrinter.h"
#include "platform/SettingsKey.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "platform/WordAutomation.h"

// The system services the program uses, each behind a small interface so that tests can
// hand in fakes. The main window borrows them for its whole life.
struct Platform {
    std::unique_ptr<SettingsKey> settingsKey;
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<SystemInfo> systemInfo;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<HelpViewer> helpViewer;
    std::unique_ptr<Pacer> pacer;
    std::unique_ptr<ColorDialog> colorDialog;
    std::unique_ptr<FileDialogs> fileDialogs;
    std::unique_ptr<Clipboard> clipboard;
    // The word processor the Word export drives.
    std::unique_ptr<WordAutomation> word;
    // The office suite the Writer export drives.
    std::unique_ptr<OfficeAutomation> office;
    std::unique_ptr<MediaPlayer> mediaPlayer;
    std::unique_ptr<PaperPrinter> printer;
    std::unique_ptr<ChartMaker> charts;
    std::unique_ptr<OpenFileDialog> openFileDialog;
};

// The real services of this machine.
Platform RealPlatform();
