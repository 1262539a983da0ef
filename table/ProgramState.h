#pragma once

#include <QString>
#include <QStringList>

#include "decks/CardTexts.h"
#include "i18n/CardTitles.h"
#include "i18n/MessageList.h"
#include "platform/ProgramPlaces.h"
#include "settings/Settings.h"

struct ExplanationContext;
struct Platform;

// What every part of the main window shares for the whole run: the program's folder, the
// settings in memory, the language's messages and card titles, and the system services.
struct ProgramState {
    explicit ProgramState(Platform& services) : platform(services) {}

    Platform& platform;
    // Where the bundled data, the user's files and the export files lie.
    ProgramPlaces Places;
    // The bundled data's folder, Places.BundledData(): the program's folder when portable.
    QString AppDir;
    Settings settings;
    MessageList Messages;
    CardTitleList CardTitles;
    // The help file the help window shows.
    QString HelpFile;
    QStringList SpreadList;
    // Where the open and save dialogs of reading files start.
    QString ReadingDialogDir;
    CardSaveOptions SaveOptions;

    // The current deck's picture folder; empty for a deck name that could leave Pics.
    QString DeckDirectoryInUse() const;
    // What the card explanation window needs from the program.
    ExplanationContext ExplanationSettings();
};
