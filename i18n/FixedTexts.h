#pragma once

// The program's few fixed English texts, shown where no language message exists.
namespace FixedText {
inline constexpr char ProgramTitle[] = "Lumenfold";
inline constexpr char HelpUnavailable[] = "Could not open the help file.";
inline constexpr char SettingsNotSaved[] = "Could not save the settings.";
inline constexpr char SpreadCompleted[] = "Spread completed";
inline constexpr char ChooseNextSignificator[] = "Click the card-significator to select it";
inline constexpr char DecksNotFound[] = "Desks were not found.";
inline constexpr char ColorDialogFailed[] = "Could not load standard Color dialog.";
// Captions of the table buttons before a language is loaded.
inline constexpr char ShuffleCaption[] = "Shuffle";
inline constexpr char StopCaption[] = "Stop";
inline constexpr char CutDeckCaption[] = "Cut deck";
// Reading files.
inline constexpr char CouldNotWriteFile[] = "Could not write in a file.";
inline constexpr char CouldNotReadFile[] = "Could not read from file.";
inline constexpr char NoSuchFile[] = "No such file!";
inline constexpr char ReadingPattern[] = " (*.reading)";  // after the filter's name
inline constexpr char ReadingSuffix[] = "reading";
// Between the date and the spread's name in a reading file's proposed name.
inline constexpr char Deck79FileMark[] = " -Velmar Dav Izove- ";
inline constexpr char DeckFileMark[] = " - ";
// Asked when a language file predates the question.
inline constexpr char DiscardReading[] = "The reading on the table has not been saved. Discard it?";
// The comments window's captions before a language is loaded.
inline constexpr char CommentsCaption[] = "Comments";
inline constexpr char OkCaption[] = "OK";
inline constexpr char NoCommentsCaption[] = "No comments";
// Failures of the exports.
inline constexpr char HtmlNotCreated[] = "Could not create HTML file.";
inline constexpr char WordNotCreated[] = "Could not create MS Word file.";
inline constexpr char OpenOfficeNotCreated[] = "Could not create OpenOffice file.";
// Music associations.
inline constexpr char NameWithQuote[] =
    "A name that holds a double quote cannot be associated with music:";
}  // namespace FixedText
