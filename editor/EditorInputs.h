#pragma once

#include <array>

#include <QColor>
#include <QSize>
#include <QString>

#include "i18n/Msg.h"

class MessageList;
class QWidget;

// The texts the spread editor is opened with, by their place in TRecorA::texts.
enum class EditorText {
    NewSpreadCaption,  // caption for a new spread, followed by " '" + its name + "'"
    EditCaption,       // caption for an existing spread, followed the same way
    Add,               // button captions: Add, Delete, Explanation, Save, Cancel
    Delete,
    Explanation,
    Save,
    Cancel,
    NoPositions,           // saving a spread without positions
    PositionsWithoutText,  // followed by the positions' numbers, ", " between them, and "."
    SignificatorText,      // the meaning of a significator position
    ExplanationCaption,    // the position text dialog, followed by the position's label
    SpreadNameCaption,     // the dialog asking a new spread's name
    BadSpreadName,         // an empty name, or one that cannot name a file
    ReplaceSpread,         // asked before a new spread replaces one of the same name
    TooManyPositions,      // an 80th position
    SpreadNotSaved,        // the spread file could not be written, followed by the reason
    SignificatorBox,       // the significator check box of the position text dialog
    SpreadUnreadable,      // the spread to edit is missing or cannot be read
    AddHint,               // button tooltips: Add, Delete, Explanation, Save (Cancel's is Cancel)
    DeleteHint,
    ExplanationHint,
    SaveHint,
    DiscardChanges,  // asked before Cancel drops changes not yet saved
    PositionsArea,   // what a screen reader calls the area of the positions
    Count
};

// The language messages behind EditorText, in its order.
inline constexpr std::array<int, static_cast<int>(EditorText::Count)> kEditorMessages = {
    Msg::NewSpread,
    Msg::EditSpread,
    Msg::AddPosition,
    Msg::DeletePosition,
    Msg::PositionExplanation,
    Msg::Save,
    Msg::Cancel,
    Msg::NoPositions,
    Msg::PositionsWithoutText,
    Msg::SignificatorText,
    Msg::PositionExplanationCaption,
    Msg::SpreadName,
    Msg::BadSpreadName,
    Msg::ReplaceSpread,
    Msg::TooManyPositions,
    Msg::SpreadNotSaved,
    Msg::SignificatorBox,
    Msg::SpreadUnreadable,
    Msg::AddPositionHint,
    Msg::DeletePositionHint,
    Msg::PositionExplanationHint,
    Msg::SaveSpreadHint,
    Msg::DiscardSpreadChanges,
    Msg::AccessiblePositions};

// What the spread editor is opened with.
struct TRecorA {
    QColor colour;       // the table colour, for the canvas and the markers
    QString spreadName;  // empty for a new spread
    QString directory;   // the user's data: spreads are saved in its "Spreads" folder
    // AppDir: its "Spreads" folder holds the spreads that come with the program.
    QString bundledDirectory;
    std::array<QString, static_cast<int>(EditorText::Count)> texts;
    bool creating = false;
    int canvasWidth = 0;  // the size of the table's spread area
    int canvasHeight = 0;
    QWidget* owner = nullptr;
    QSize cardSize{87, 148};  // the size of a position image on the table

    const QString& text(EditorText which) const { return texts[static_cast<int>(which)]; }
};

// The editor's texts taken from the current message list.
std::array<QString, static_cast<int>(EditorText::Count)> EditorTexts(const MessageList& messages);
