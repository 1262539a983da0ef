#pragma once

// The program's few fixed English texts, shown where no language message exists.
namespace FixedText {
inline constexpr char ProgramTitle[] = "Lumenfold";
inline constexpr char HelpUnavailable[] = "Could not open the help file.";
inline constexpr char SettingsNotSaved[] = "Could not save the settings.";
inline constexpr char SpreadCompleted[] = "Spread completed";
inline constexpr char DecksNotFound[] = "Desks were not found.";
inline constexpr char ColorDialogFailed[] = "Could not load standard Color dialog.";
// Captions of the table buttons before a language is loaded.
inline constexpr char ShuffleCaption[] = "Shuffle";
inline constexpr char StopCaption[] = "Stop";
inline constexpr char CutDeckCaption[] = "Cut deck";
}  // namespace FixedText
namespace FixedText {
inline constexpr char CouldNotWrite[] = "Could not write in a file.";
inline constexpr char NameWithQuote[] =
    "A name that holds a double quote cannot be associated with music:";
}  // namespace FixedText
