#include "settings/Settings.h"

#include <initializer_list>

#include <QFileInfo>

#include "platform/SettingsKey.h"

namespace {

// Upper-cases ASCII letters only, as the stored switches are compared.
QString AsciiUpper(const QString& text) {
    QString result = text;
    for (QChar& c : result)
        if (c >= 'a' && c <= 'z') c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

// On unless the stored text is "NO" in any case; a missing value means on.
void ReadDefaultOn(const SettingsKey& key, const char* name, bool& value) {
    if (const auto text = key.readText(name)) value = AsciiUpper(*text) != "NO";
}

// On only when the stored text is "YES" in any case; a missing value means off.
void ReadDefaultOff(const SettingsKey& key, const char* name, bool& value) {
    if (const auto text = key.readText(name)) value = AsciiUpper(*text) == "YES";
}

// A non-empty text value; empty counts as missing.
std::optional<QString> ReadNonEmpty(const SettingsKey& key, const char* name) {
    auto text = key.readText(name);
    if (text && text->isEmpty()) return std::nullopt;
    return text;
}

void ReadInteger(const SettingsKey& key, const char* name, int& value) {
    if (const auto number = key.readInteger(name)) value = *number;
}

// Integers read as one unit: the first missing or unreadable value ends the group, so it and
// every value after it keep their defaults.
void ReadIntegerGroup(const SettingsKey& key,
                      std::initializer_list<std::pair<const char*, int*>> group) {
    for (const auto& [name, value] : group) {
        const auto number = key.readInteger(name);
        if (!number) return;
        *value = *number;
    }
}

// Only absolute paths count: no path is ever taken from the working directory.
bool IsExistingDir(const QString& path) {
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir();
}

bool IsExistingFile(const QString& path) {
    const QFileInfo info(path);
    return info.isAbsolute() && info.isFile();
}

QString MusicFolderOrAppDir(const QString& appDir) {
    const QString music = appDir + "/Music";
    return IsExistingDir(music) ? music : appDir;
}

const char* LowerSwitch(bool on) { return on ? "yes" : "no"; }
const char* UpperSwitch(bool on) { return on ? "YES" : "NO"; }

}  // namespace

QColor FromTColor(int color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int ToTColor(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString DefaultMusicFile(const QString& appDir) { return appDir + "/Music/Zeviruvuvedovi.var"; }

void LoadSettings(Settings& s, const SettingsKey& key, const QString& appDir) {
    if (auto deck = ReadNonEmpty(key, "DeckName"))
        s.DeckName = *deck;
    else if (auto oldDeck = ReadNonEmpty(key, "DeskName"))
        s.DeckName = *oldDeck;
    if (auto language = ReadNonEmpty(key, "language")) s.LanguageName = *language;
    if (auto dir = key.readText("curmusdir")) s.MusicDir = *dir;
    if (auto file = key.readText("curmusfile")) s.MusicFile = *file;
    s.CurrentMusicFile = s.MusicFile;
    if (!IsExistingDir(s.MusicDir)) s.MusicDir = MusicFolderOrAppDir(appDir);
    if (!IsExistingFile(s.CurrentMusicFile)) {
        s.CurrentMusicFile = s.MusicFile = DefaultMusicFile(appDir);
        s.MusicDir = MusicFolderOrAppDir(appDir);
    }

    ReadDefaultOn(key, "ArdentineStyle", s.NewAgeCourtOrder);
    ReadDefaultOn(key, "keepactual", s.KeepActualSize);
    ReadDefaultOn(key, "cutdeck", s.CutDeck);
    ReadDefaultOff(key, "cut3piles", s.CutInThreePiles);
    ReadDefaultOff(key, "keepstraight", s.KeepStraight);
    ReadDefaultOff(key, "MajorOnly", s.MajorOnly);
    ReadDefaultOn(key, "resetmusic", s.ResetMusic);
    ReadDefaultOff(key, "ignspas", s.IgnoreAssociations);
    ReadDefaultOff(key, "PlayMusic", s.PlayMusicOn);
    ReadDefaultOn(key, "UseTips", s.ShowTips);
    if (auto strength = key.readText("Strength11")) s.StrengthIsXI = *strength != "8";
    if (auto printType = key.readText("printtype")) {
        const QString upper = AsciiUpper(*printType);
        if (upper == "RTF") s.PrintType = PrintFormat::WordDocument;
        if (upper == "HTML") s.PrintType = PrintFormat::WebPage;
        if (upper == "OO") s.PrintType = PrintFormat::WriterDocument;
        if (upper == "PRINTER") s.PrintType = PrintFormat::Printer;
        if (upper == "PDF") s.PrintType = PrintFormat::Pdf;
    }
    ReadDefaultOff(key, "drawauto", s.DrawAutomatically);
    ReadDefaultOn(key, "printview", s.PrintView);
    ReadDefaultOff(key, "printschema", s.PrintSchema);
    ReadDefaultOff(key, "printbigcards", s.PrintBigCards);
    ReadDefaultOn(key, "printexpl", s.PrintExpl);
    ReadDefaultOff(key, "UseReverse", s.UseReverse);
    ReadInteger(key, "backcolor", s.BackColor);
    int playType = static_cast<int>(s.PlayType);
    ReadInteger(key, "playtype", playType);
    if (playType >= 0 && playType <= 2) s.PlayType = static_cast<MusicOrder>(playType);
    ReadIntegerGroup(key, {{"cdwidth", &s.EnlargedWidth},
                           {"cdheight", &s.EnlargedHeight},
                           {"fmwidth", &s.ExplWindowWidth},
                           {"fmheight", &s.ExplWindowHeight}});
    ReadIntegerGroup(key, {{"memowidth", &s.TextFieldWidth}, {"memoheight", &s.TextFieldHeight}});
    ReadInteger(key, "curquer", s.LastSignificator);
}

bool SaveSettings(const Settings& s, SettingsKey& key) {
    key.writeText("DeckName", s.DeckName);
    key.writeText("language", s.LanguageName);
    key.writeText("curmusdir", s.MusicDir);
    key.writeText("curmusfile", s.MusicFile);
    key.writeInteger("backcolor", s.BackColor);
    key.writeInteger("cdwidth", s.EnlargedWidth);
    key.writeInteger("cdheight", s.EnlargedHeight);
    key.writeInteger("fmwidth", s.ExplWindowWidth);
    key.writeInteger("fmheight", s.ExplWindowHeight);
    key.writeInteger("playtype", static_cast<int>(s.PlayType));
    key.writeInteger("memowidth", s.TextFieldWidth);
    key.writeInteger("memoheight", s.TextFieldHeight);
    key.writeInteger("curquer", s.LastSignificator);
    key.writeText("Strength11", s.StrengthIsXI ? "11" : "8");
    key.writeText("ArdentineStyle", LowerSwitch(s.NewAgeCourtOrder));
    key.writeText("keepactual", LowerSwitch(s.KeepActualSize));
    key.writeText("cut3piles", LowerSwitch(s.CutInThreePiles));
    key.writeText("cutdeck", LowerSwitch(s.CutDeck));
    key.writeText("keepstraight", LowerSwitch(s.KeepStraight));
    key.writeText("UseTips", LowerSwitch(s.ShowTips));
    key.writeText("MajorOnly", UpperSwitch(s.MajorOnly));
    key.writeText("drawauto", UpperSwitch(s.DrawAutomatically));
    key.writeText("PlayMusic", UpperSwitch(s.PlayMusicOn));
    key.writeText("resetmusic", LowerSwitch(s.ResetMusic));
    key.writeText("ignspas", LowerSwitch(s.IgnoreAssociations));
    static const char* const kPrintTypes[] = {"RTF", "HTML", "OO", "PRINTER", "PDF"};
    const int printType = static_cast<int>(s.PrintType);
    if (printType >= 0 && printType <= 4) key.writeText("printtype", kPrintTypes[printType]);
    key.writeText("printview", LowerSwitch(s.PrintView));
    key.writeText("printschema", LowerSwitch(s.PrintSchema));
    key.writeText("printbigcards", LowerSwitch(s.PrintBigCards));
    key.writeText("printexpl", LowerSwitch(s.PrintExpl));
    key.writeText("UseReverse", LowerSwitch(s.UseReverse));
    return key.flush();
}
