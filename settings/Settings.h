#pragma once

#include <QColor>
#include <QString>

class SettingsKey;

// Every user setting, in memory, with its default. Read once at start, written once at exit.
// What the Print command makes; the print settings' choices in their order.
enum class PrintFormat { WordDocument = 0, WebPage = 1, WriterDocument = 2, Printer = 3, Pdf = 4 };

// How background music picks its pieces; stored as its number.
enum class MusicOrder { ChosenFileLooped = 0, InOrder = 1, AtRandom = 2 };

struct Settings {
    QString DeckName = "Ardentine";
    QString LanguageName = "Russian";
    QString MusicDir;
    QString MusicFile;
    QString CurrentMusicFile;

    bool NewAgeCourtOrder = true;
    bool StrengthIsXI = true;
    bool KeepActualSize = true;
    bool KeepStraight = false;
    bool CutDeck = true;
    bool CutInThreePiles = false;
    bool MajorOnly = false;
    bool UseReverse = false;
    bool ShowTips = true;
    bool DrawAutomatically = false;
    bool PlayMusicOn = false;
    bool ResetMusic = true;
    bool IgnoreAssociations = false;

    PrintFormat PrintType = PrintFormat::WordDocument;
    bool PrintView = true;
    bool PrintSchema = false;
    bool PrintBigCards = false;
    bool PrintExpl = true;

    int BackColor = 1135889;  // 0x00BBGGRR: RGB (17, 85, 17)
    MusicOrder PlayType = MusicOrder::AtRandom;
    int EnlargedWidth = 200;
    int EnlargedHeight = 290;
    int ExplWindowWidth = 532;
    int ExplWindowHeight = 479;
    int TextFieldWidth = 229;
    int TextFieldHeight = 248;
    int LastSignificator = -1;
};

// A colour stored as 0x00BBGGRR.
QColor FromTColor(int color);
int ToTColor(const QColor& color);

// The default music file, AppDir/Music/Zeviruvuvedovi.var.
QString DefaultMusicFile(const QString& appDir);

// Reads every value of the key into the settings; a value that is missing or unreadable keeps
// what the settings hold. Settles the music folder and file against the disk.
void LoadSettings(Settings& settings, const SettingsKey& key, const QString& appDir);

// Writes every value; false when the key could not be written.
bool SaveSettings(const Settings& settings, SettingsKey& key);
