#pragma once

#include <QMainWindow>

#include <memory>

#include "editor/SpreadEditing.h"
#include "table/ProgramState.h"
#include "table/ReadingModel.h"

class BackgroundMusic;
class JournalWindow;
class Language;
class MainMenu;
class TableBackground;
class TableButton;
class TableFocus;
class ReadingExports;
class ReadingFlow;
class SavedReadings;
class TableAnimations;
class TableView;
class TableWidget;
struct Platform;

// The main window: builds the frame and its menu, owns the program's state and the reading,
// and wires the parts that do the work: the table view, the table animations and the reading
// flow. Its command handlers pass each command to the part that owns it.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // programPath is the full path of the program file; its folder decides the layout.
    TForm1(Platform& platform, const QString& programPath, QWidget* parent = nullptr);
    ~TForm1() override;

    // Read-only views for the tests and subsystems that look at the window's state.
    const ProgramState& program() const { return program_; }
    const ReadingModel& reading() const { return reading_; }
    MainMenu& menu() { return *menu_; }
    TableWidget* table() { return table_; }
    TableView& view() { return *view_; }
    ReadingFlow& flow() { return *flow_; }
    TableFocus& focus() { return *focus_; }
    SavedReadings& savedReadings() { return *savedReadings_; }
    BackgroundMusic& music() { return *music_; }

    void Exit1Click();
    void About1Click();
    void Language1Click();
    void Contents1Click();
    void Selectdesk1Click();
    void ImportDeck1Click();
    void SelectlayoutF12Click();
    void Savecurrentreading1Click();
    void Openreading1Click();
    void Input1Click();
    void Journal1Click();
    void Createnewspread1Click();
    void Editspread1Click();
    void RemoveDeck1Click();
    void Showlayouttips1Click();
    void MajorArcanaonly1Click();
    void Usereversedpositions1Click();
    void Drawcardsautomatically1Click();
    void CutDeck1Click();
    void Cutdeckin3piles1Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Backgroundcolor1Click();
    void Defaultbackground1Click();
    void Resizeenlargedcard1Click();
    void Print1Click();
    void Playmusic1Click();
    void Musicsettings1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& programPath);
    void LayOutFrame();
    void ApplySettingsToMenu();
    void MakeDataDirectories();
    void ListSpreads();
    // Loads the current language; every part follows it.
    void LoadLangu();
    // Connects the parts that retitle themselves when the language changes.
    void FollowLanguage();
    // The menu, the table buttons and the card titles in the language now loaded.
    void RetitleFrame();
    // Rebuilds the card titles for the current deck and language.
    void SetTitles();
    void ConnectMenu();
    // F10 and Esc, which belong to no menu item.
    void ConnectKeys();
    bool FormCloseQuery();
    void FormClose();
    void EmptyTemp();
    // What the spread editor takes from the table when it opens.
    SpreadEditing::Table EditorTable();

    ProgramState program_;
    Language* language_ = nullptr;
    ReadingModel reading_;
    std::unique_ptr<MainMenu> menu_;
    TableWidget* table_ = nullptr;
    TableButton* speedButton1_ = nullptr;
    TableButton* speedButton2_ = nullptr;
    TableButton* speedButton3_ = nullptr;
    std::unique_ptr<TableView> view_;
    std::unique_ptr<TableAnimations> animations_;
    std::unique_ptr<ReadingFlow> flow_;
    std::unique_ptr<TableFocus> focus_;
    std::unique_ptr<SpreadEditing> editor_;
    std::unique_ptr<TableBackground> background_;
    std::unique_ptr<SavedReadings> savedReadings_;
    std::unique_ptr<ReadingExports> exports_;
    std::unique_ptr<BackgroundMusic> music_;
    // Made on first use; goes before the parts it works through.
    std::unique_ptr<JournalWindow> journal_;
    bool closed_ = false;
};
