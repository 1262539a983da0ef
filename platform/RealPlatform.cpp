#include "platform/Platform.h"
#include "platform/PluginChartMaker.h"
#include "platform/PluginMediaPlayer.h"
#include "platform/PluginOfficeAutomation.h"
#include "platform/PluginPaperPrinter.h"
#include "platform/QtClipboard.h"
#include "platform/QtColorDialog.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtHelpViewer.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtOpenFileDialog.h"
#include "platform/QtPacer.h"
#include "platform/QtSettingsKey.h"
#include "platform/QtShell.h"
#include "platform/QtSystemInfo.h"
#include "platform/RtfWordAutomation.h"

Platform RealPlatform() {
    Platform platform;
    platform.settingsKey = std::make_unique<QtSettingsKey>();
    platform.messageBoxes = std::make_unique<QtMessageBoxes>();
    platform.systemInfo = std::make_unique<QtSystemInfo>();
    platform.shell = std::make_unique<QtShell>();
    platform.helpViewer = std::make_unique<QtHelpViewer>();
    platform.pacer = std::make_unique<QtPacer>();
    platform.colorDialog = std::make_unique<QtColorDialog>();
    platform.fileDialogs = std::make_unique<QtFileDialogs>();
    platform.clipboard = std::make_unique<QtClipboard>();
    platform.word = std::make_unique<RtfWordAutomation>(*platform.clipboard, *platform.shell);
    platform.office =
        std::make_unique<PluginOfficeAutomation>(PluginOfficeAutomation::DefaultPluginPath());
    platform.mediaPlayer =
        std::make_unique<PluginMediaPlayer>(PluginMediaPlayer::DefaultPluginPath());
    platform.printer =
        std::make_unique<PluginPaperPrinter>(PluginPaperPrinter::DefaultPluginPath());
    platform.charts = std::make_unique<PluginChartMaker>(PluginChartMaker::DefaultPluginPath());
    platform.openFileDialog = std::make_unique<QtOpenFileDialog>();
    return platform;
}
