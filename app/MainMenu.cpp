#include "app/MainMenu.h"

#include <QMenuBar>

#include "i18n/MessageList.h"
#include "i18n/Mnemonics.h"
#include "i18n/Msg.h"

namespace {

struct ItemRow {
    QAction* MainMenu::*item;  // nullptr: a separator
    const char* name;
    const char* caption;
    const char* shortcut;
    int message;
    bool checkable;
};

struct MenuRow {
    QAction* MainMenu::*item;
    const char* name;
    const char* caption;
    int message;
    QList<ItemRow> items;  // no items: a command on the menu bar itself
};

const ItemRow kSeparator{nullptr, "", "", "", -1, false};

const QList<MenuRow>& MenuTable() {
    static const QList<MenuRow> table = {
        {&MainMenu::Menu1,
         "Menu1",
         "Readings",
         Msg::MenuReadings,
         {{&MainMenu::SelectlayoutF12, "SelectlayoutF12", "Start...", "F9", Msg::MenuStart, false},
          kSeparator,
          {&MainMenu::Openreading1, "Openreading1", "Open...", "Ctrl+O", Msg::MenuOpen, false},
          kSeparator,
          {&MainMenu::Savecurrentreading1, "Savecurrentreading1", "Save...", "Ctrl+S", Msg::Save,
           false},
          kSeparator,
          {&MainMenu::Input1, "Input1", "Input...", "F8", Msg::MenuInput, false},
          {&MainMenu::Journal1, "Journal1", "Journal...", "Ctrl+J", Msg::MenuJournal, false},
          kSeparator,
          {&MainMenu::Print1, "Print1", "Print...", "Ctrl+P", Msg::MenuPrint, false},
          kSeparator,
          {&MainMenu::Exit1, "Exit1", "Exit", "", Msg::MenuExit, false}}},
        {&MainMenu::SelectlayoutF11,
         "SelectlayoutF11",
         "Start reading...",
         Msg::MenuStartReading,
         {}},
        {&MainMenu::Spreads1,
         "Spreads1",
         "Spreads",
         Msg::MenuSpreads,
         {{&MainMenu::Createnewspread1, "Createnewspread1", "Create new...", "F3",
           Msg::MenuCreateSpread, false},
          {&MainMenu::Editspread1, "Editspread1", "Edit...", "F4", Msg::MenuEditSpread, false}}},
        {&MainMenu::View1,
         "View1",
         "View",
         Msg::MenuView,
         {{&MainMenu::RemoveDeck1, "RemoveDeck1", "Toggle spread view", "Del",
           Msg::MenuToggleSpreadView, false},
          kSeparator,
          {&MainMenu::Backgroundcolor1, "Backgroundcolor1", "Background color...", "Ctrl+B",
           Msg::MenuBackgroundColor, false},
          {&MainMenu::Defaultbackground1, "Defaultbackground1", "Default background", "",
           Msg::MenuDefaultBackground, false},
          kSeparator,
          {&MainMenu::Showlayouttips1, "Showlayouttips1", "Show spread tips", "Ctrl+T",
           Msg::MenuShowTips, true}}},
        {&MainMenu::Menu2,
         "Menu2",
         "Options",
         Msg::MenuOptions,
         {{&MainMenu::Selectdesk1, "Selectdesk1", "Select deck...", "Ctrl+D", Msg::SelectDeck,
           false},
          {&MainMenu::ImportDeck1, "ImportDeck1", "Import deck...", "", Msg::ImportDeckMenu, false},
          kSeparator,
          {&MainMenu::MajorArcanaonly1, "MajorArcanaonly1", "Major Arcana only", "Ctrl+A",
           Msg::MenuMajorOnly, true},
          {&MainMenu::Usereversedpositions1, "Usereversedpositions1", "Use reverse positions",
           "Ctrl+R", Msg::MenuUseReverse, true},
          {&MainMenu::Drawcardsautomatically1, "Drawcardsautomatically1",
           "Draw cards automatically", "Ctrl+F9", Msg::MenuDrawAutomatically, true},
          {&MainMenu::CutDeck1, "CutDeck1", "Cut deck", "", Msg::MenuCutDeck, true},
          {&MainMenu::Cutdeckin3piles1, "Cutdeckin3piles1", "Cut deck in 3 piles", "",
           Msg::MenuCutInThreePiles, true},
          kSeparator,
          {&MainMenu::Resizeenlargedcard1, "Resizeenlargedcard1", "Enlarged image settings...",
           "Ctrl+I", Msg::MenuImageSettings, false},
          kSeparator,
          {&MainMenu::Musicsettings1, "Musicsettings1", "Music settings...", "Ctrl+M",
           Msg::MusicSettings, false},
          {&MainMenu::Playmusic1, "Playmusic1", "Play music", "", Msg::MenuPlayMusic, true},
          kSeparator,
          {&MainMenu::Language1, "Language1", "Language", "Ctrl+L", Msg::Language, false}}},
        {&MainMenu::Help1,
         "Help1",
         "Help",
         Msg::MenuHelp,
         {{&MainMenu::Contents1, "Contents1", "Contents", "F1", Msg::MenuContents, false},
          kSeparator,
          {&MainMenu::About1, "About1", "About...", "", Msg::About, false}}},
    };
    return table;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : bar_(bar) {
    QHash<QAction*, QString> captions;
    groups_.append(QList<Titled>());
    for (const MenuRow& menuRow : MenuTable()) {
        QAction* top;
        if (menuRow.items.isEmpty()) {
            top = bar->addAction(menuRow.caption);
        } else {
            QMenu* menu = bar->addMenu(menuRow.caption);
            menu->setObjectName(menuRow.name);
            top = menu->menuAction();
            QList<Titled> group;
            for (const ItemRow& row : menuRow.items) {
                if (!row.item) {
                    menu->addSeparator();
                    continue;
                }
                QAction* action = menu->addAction(row.caption);
                action->setObjectName(row.name);
                action->setShortcut(QKeySequence(row.shortcut));
                action->setCheckable(row.checkable);
                this->*row.item = action;
                titled_.append({action, row.message});
                group.append({action, row.message});
                captions.insert(action, row.caption);
            }
            groups_.append(group);
        }
        top->setObjectName(menuRow.name);
        this->*menuRow.item = top;
        titled_.append({top, menuRow.message});
        groups_.first().append({top, menuRow.message});
        captions.insert(top, menuRow.caption);
    }
    Caption([&captions](const Titled& item) { return captions.value(item.action); });
}

void MainMenu::Retitle(const MessageList& messages) {
    Caption([&messages](const Titled& item) { return messages[item.message]; });
}

void MainMenu::Caption(const std::function<QString(const Titled&)>& text) {
    for (const QList<Titled>& group : groups_) {
        QStringList texts;
        for (const Titled& item : group) texts.append(text(item));
        const QStringList marked = WithMnemonics(texts);
        for (qsizetype i = 0; i < group.size(); ++i) group[i].action->setText(marked[i]);
    }
}

void MainMenu::OpenMenuBar() {
    const QList<QAction*> tops = bar_->actions();
    if (tops.isEmpty()) return;
    bar_->setFocus(Qt::ShortcutFocusReason);
    bar_->setActiveAction(tops.first());
}
