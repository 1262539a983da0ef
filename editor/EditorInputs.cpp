#include "editor/EditorInputs.h"

#include "i18n/MessageList.h"

std::array<QString, static_cast<int>(EditorText::Count)> EditorTexts(const MessageList& messages) {
    std::array<QString, static_cast<int>(EditorText::Count)> texts;
    for (size_t i = 0; i < texts.size(); ++i) texts[i] = messages[kEditorMessages[i]];
    return texts;
}
