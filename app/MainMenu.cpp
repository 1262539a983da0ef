#include "app/MainMenu.h"

#include <QMenuBar>

namespace {

struct ItemRow {
    const char* name;  // empty: a separator
    const char* caption;
    const char* shortcut;
    int message;
    bool checkable;
};

struct MenuRow {
    const char* name;
    const char* caption;
    int message;
    QList<ItemRow> items;  // no items: a command on the menu bar itself
};

const ItemRow kSeparator{"", "", "", -1, false};

const QList<MenuRow>& MenuTable() {
    static const QList<MenuRow> table = {
        {"Menu1",
         "Readings",
         2,
         {{"SelectlayoutF12", "Start...", "F9", 3, false},
          kSeparator,
          {"Openreading1", "Open...", "Ctrl+O", 4, false},
          kSeparator,
          {"Savecurrentreading1", "Save...", "Ctrl+S", 5, false},
          kSeparator,
          {"Input1", "Input...", "F8", 6, false},
          kSeparator,
          {"Print1", "Print...", "Ctrl+P", 7, false},
          kSeparator,
          {"Exit1", "Exit", "", 8, false}}},
        {"SelectlayoutF11", "Start reading...", 9, {}},
        {"Spreads1",
         "Spreads",
         10,
         {{"Createnewspread1", "Create new...", "F3", 11, false},
          {"Editspread1", "Edit...", "F4", 12, false}}},
        {"View1",
         "View",
         13,
         {{"RemoveDeck1", "Toggle spread view", "Del", 14, false},
          kSeparator,
          {"Backgroundcolor1", "Background color...", "Ctrl+B", 15, false},
          {"Defaultbackground1", "Default background", "", 16, false},
          kSeparator,
          {"Showlayouttips1", "Show spread tips", "Ctrl+T", 17, true}}},
        {"Menu2",
         "Options",
         18,
         {{"Selectdesk1", "Select deck...", "Ctrl+D", 19, false},
          kSeparator,
          {"MajorArcanaonly1", "Major Arcana only", "Ctrl+A", 20, true},
          {"Usereversedpositions1", "Use reverse positions", "Ctrl+R", 21, true},
          {"Drawcardsautomatically1", "Draw cards automatically", "Ctrl+F9", 22, true},
          {"CutDeck1", "Cut deck", "", 137, true},
          {"Cutdeckin3piles1", "Cut deck in 3 piles", "", 23, true},
          kSeparator,
          {"Resizeenlargedcard1", "Enlarged image settings...", "Ctrl+I", 24, false},
          kSeparator,
          {"Musicsettings1", "Music settings...", "Ctrl+M", 25, false},
          {"Playmusic1", "Play music", "", 26, true},
          kSeparator,
          {"Language1", "Language", "Ctrl+L", 130, false}}},
        {"Help1",
         "Help",
         27,
         {{"Contents1", "Contents", "F1", 28, false},
          kSeparator,
          {"About1", "About...", "", 29, false}}},
    };
    return table;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    for (const MenuRow& menuRow : MenuTable()) {
        QAction* top;
        if (menuRow.items.isEmpty()) {
            top = bar->addAction(menuRow.caption);
        } else {
            QMenu* menu = bar->addMenu(menuRow.caption);
            menu->setObjectName(menuRow.name);
            top = menu->menuAction();
            for (const ItemRow& row : menuRow.items) {
                if (*row.name == '\0') {
                    menu->addSeparator();
                    continue;
                }
                QAction* action = menu->addAction(row.caption);
                action->setObjectName(row.name);
                action->setShortcut(QKeySequence(row.shortcut));
                action->setCheckable(row.checkable);
                items_.insert(row.name, action);
                titled_.append({action, row.message});
            }
        }
        top->setObjectName(menuRow.name);
        items_.insert(menuRow.name, top);
        titled_.append({top, menuRow.message});
    }
}
