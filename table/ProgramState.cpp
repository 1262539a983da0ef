#include "table/ProgramState.h"

#include "decks/DeckDirectory.h"
#include "platform/FileNames.h"
#include "platform/Platform.h"
#include "table/ShowForm.h"

QString ProgramState::DeckDirectoryInUse() const {
    return IsSafeFileName(settings.DeckName) ? DeckDirectory(AppDir, settings.DeckName) : QString();
}

ExplanationContext ProgramState::ExplanationSettings() {
    ExplanationContext context;
    context.AppDir = AppDir;
    context.CardTitles = CardTitles;
    context.Messages = Messages;
    context.settings = settings;
    context.messageBoxes = platform.messageBoxes.get();
    context.saveOptions = &SaveOptions;
    return context;
}
