#pragma once

// Indices of the language messages the program shows (entry N of the message list).
namespace Msg {
enum : int {
    Ok = 0,
    Cancel = 1,
    MenuReadings = 2,
    MenuStart = 3,
    MenuOpen = 4,
    Save = 5,  // menu "Save..."; also Save buttons and the save options caption
    MenuInput = 6,
    MenuPrint = 7,
    MenuExit = 8,
    MenuStartReading = 9,
    MenuSpreads = 10,
    MenuCreateSpread = 11,
    MenuEditSpread = 12,
    MenuView = 13,
    MenuToggleSpreadView = 14,
    MenuBackgroundColor = 15,
    MenuDefaultBackground = 16,
    MenuShowTips = 17,
    MenuOptions = 18,
    SelectDeck = 19,  // menu item and dialog caption
    MenuMajorOnly = 20,
    MenuUseReverse = 21,
    MenuDrawAutomatically = 22,
    MenuCutInThreePiles = 23,
    MenuImageSettings = 24,
    MusicSettings = 25,  // menu item and dialog caption
    MenuPlayMusic = 26,
    MenuHelp = 27,
    MenuContents = 28,
    About = 29,  // menu item and window caption
    SelectSpread = 31,
    NewSpread = 33,    // the spread editor's caption for a new spread
    ForEditing = 34,   // follows SelectSpread when the list is opened for editing
    EditSpread = 35,   // the spread editor's caption for an existing spread
    AddPosition = 36,  // spread editor buttons
    DeletePosition = 37,
    PositionExplanation = 38,
    CourtArcana = 40,
    StrengthArcana = 41,
    TraditionalSequence = 42,
    NewAgeSequence = 43,
    AutoDrawOffNextReading = 44,
    AutoDrawOnNextReading = 45,
    ImageSettings = 46,  // caption of the image settings dialog
    ImageSettingsHint = 47,
    ImageWidth = 48,
    ImageHeight = 49,
    Apply = 50,
    TextField = 51,
    DoNotReverseImage = 52,
    DoNotEnlargeImage = 53,
    Shuffle = 62,
    Stop = 63,
    CutDeck = 64,
    SpreadFull = 65,
    FirstCardPrompt = 66,  // 67 and 68 follow for the second and third card
    LaterCardPromptStart = 69,
    LaterCardPromptEnd = 70,
    Close = 71,
    SaveWithCurrentDeck = 72,
    SaveAsDefaultMeaning = 73,
    ExtraCardHeading = 74,
    ManualInputPrompt = 75,
    Straight = 76,
    Reversed = 77,
    ReversedWord = 78,
    CardAlreadyInSpread = 79,
    SelectSignificatorCard = 80,
    SpreadUnreadable = 109,
    MajorOnlyNotice = 115,
    SelectPositionCard = 117,
    PositionGroup = 118,
    NoSpreadsFirstLine = 119,
    NoSpreadsSecondLine = 120,
    NoPositions = 121,           // saving a spread without positions
    PositionsWithoutText = 122,  // followed by their numbers
    ImageSizeNotWhole = 125,
    SaveChangedExplanation = 126,
    SaveChangedExplanationCaption = 127,
    SignificatorText = 128,
    PositionExplanationCaption = 129,  // followed by the position's label

    Language = 130,  // menu item and dialog caption

    SpreadName = 131,        // the dialog asking a new spread's name
    BadSpreadName = 132,     // an empty name, or one that cannot name a file
    ReplaceSpread = 133,     // asked before a new spread replaces one of the same name
    TooManyPositions = 134,  // an 80th position
    SpreadNotSaved = 135,    // followed by the reason
    SignificatorBox = 136,   // the significator check box of the position text dialog
    MenuCutDeck = 137,
};
}  // namespace Msg
