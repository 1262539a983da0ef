#include "table/ProgramState.h"

#include "decks/DeckDirectory.h"
#include "platform/Platform.h"
#include "table/ShowForm.h"

QString ProgramState::DeckDirectoryInUse() const {
    return FindDeckDirectory(DeckFolders(Places), settings.DeckName);
}

ExplanationContext ProgramState::ExplanationSettings() {
    ExplanationContext context;
    context.AppDir = AppDir;
    context.UserDir = Places.UserData();
    context.DeckDir = DeckDirectoryInUse();
    context.CardTitles = CardTitles;
    context.Messages = Messages;
    context.settings = settings;
    context.messageBoxes = platform.messageBoxes.get();
    context.saveOptions = &SaveOptions;
    return context;
}
