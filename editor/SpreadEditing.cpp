#include "editor/SpreadEditing.h"

#include "editor/EditForm.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "spreads/SelectSp.h"

bool SpreadEditing::CreateNewSpread(const Table& table) {
    CreatingSpread = true;
    return OpenEditor(table, QString());
}

void SpreadEditing::EditSpread(const Table& table, const QStringList& catalogue,
                               const QString& currentSpread) {
    TForm2 dialog(catalogue, currentSpread,
                  messages_[Msg::SelectSpread] + messages_[Msg::ForEditing], messages_[Msg::Ok],
                  messages_[Msg::Cancel],
                  messages_[Msg::NoSpreadsFirstLine] + "\r\n" + messages_[Msg::NoSpreadsSecondLine],
                  table.owner);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!dialog.chosenName().isEmpty()) SpreadToEdit = dialog.chosenName();
    // An empty catalogue confirms without a name: with none chosen before there is nothing
    // to edit.
    if (SpreadToEdit.isEmpty()) return;
    CreatingSpread = false;
    OpenEditor(table, SpreadToEdit);
}

bool SpreadEditing::OpenEditor(const Table& table, const QString& spreadName) {
    TRecorA inputs;
    inputs.colour = table.backColor;
    inputs.spreadName = spreadName;
    inputs.directory = table.userDir;
    inputs.bundledDirectory = table.appDir;
    inputs.texts = EditorTexts(messages_);
    inputs.creating = CreatingSpread;
    inputs.canvasWidth = table.spreadArea.width();
    inputs.canvasHeight = table.spreadArea.height();
    inputs.owner = table.owner;
    inputs.cardSize = table.cardSize;
    TForm5 editor(inputs, messageBoxes_);
    return editor.Execute();
}
