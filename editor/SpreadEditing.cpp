#include "editor/SpreadEditing.h"

#include "editor/EditForm.h"
#include "i18n/MessageList.h"
#include "spreads/SelectSp.h"

namespace {

constexpr int kOk = 0;
constexpr int kCancel = 1;
constexpr int kSelectSpread = 31;
constexpr int kForEditing = 34;
constexpr int kNoSpreadsFirstLine = 119;
constexpr int kNoSpreadsSecondLine = 120;

}  // namespace

bool SpreadEditing::CreateNewSpread(const Table& table) {
    CreatingSpread = true;
    return OpenEditor(table, QString());
}

void SpreadEditing::EditSpread(const Table& table, const QStringList& catalogue,
                               const QString& currentSpread) {
    TForm2 dialog(catalogue, currentSpread, messages_[kSelectSpread] + messages_[kForEditing],
                  messages_[kOk], messages_[kCancel],
                  messages_[kNoSpreadsFirstLine] + "\r\n" + messages_[kNoSpreadsSecondLine],
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
    inputs.directory = table.appDir;
    inputs.texts = EditorTexts(messages_);
    inputs.creating = CreatingSpread;
    inputs.canvasWidth = table.spreadArea.width();
    inputs.canvasHeight = table.spreadArea.height();
    inputs.owner = table.owner;
    inputs.cardSize = table.cardSize;
    TForm5 editor(inputs, messageBoxes_);
    return editor.Execute();
}
