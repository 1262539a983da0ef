#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

#include "i18n/CardTitles.h"
#include "i18n/MessageList.h"
#include "settings/Settings.h"
#include "spreads/SpParser.h"

class MainMenu;
class QFrame;
class QLabel;
class QScrollArea;
class QToolButton;
class TableWidget;
struct Platform;

// The main window: the reading table with its frame, menu and the program's run-time state.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // programPath is the full path of the program file; its directory is AppDir.
    TForm1(Platform& platform, const QString& programPath, QWidget* parent = nullptr);
    ~TForm1() override;

    QString AppDir;
    Settings settings;
    MessageList Messages;
    CardTitleList CardTitles;
    // The help file the help window shows.
    QString HelpFile;
    bool Has79thCard = false;
    // The number of cards in play: 22, 23, 78 or 79.
    int DeckSize = 78;
    QString ReadingComments;
    TSpreadParser Parser;
    QStringList SpreadList;
    // Where the open and save dialogs of reading files start.
    QString ReadingDialogDir;
    bool Shuffling = false;

    MainMenu& menu() { return *menu_; }
    TableWidget* table() { return table_; }

    void Exit1Click();
    void About1Click();
    void Language1Click();
    void Contents1Click();
    void Selectdesk1Click();

    // Loads the current language: messages, captions, card titles and help file.
    void LoadLangu();
    // Rebuilds the card titles for the current deck and language.
    void SetTitles();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate(const QString& programPath);
    void LayOutFrame();
    void ApplySettingsToMenu();
    void ColourFrame();
    void MakeDataDirectories();
    void ListSpreads();
    bool FormCloseQuery();
    void FormClose();
    void EmptyTemp();
    void ConnectMenu();

    Platform& platform_;
    std::unique_ptr<MainMenu> menu_;
    TableWidget* table_ = nullptr;
    QFrame* panel1_ = nullptr;
    QFrame* panel2_ = nullptr;
    QScrollArea* scrollBox1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* majorNoticeLabel_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QColor NoticeFontColor;
    bool closed_ = false;
};
