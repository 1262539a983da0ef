#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QMenuBar;

// The main menu: every item with its component name (its objectName), built-in English
// caption, shortcut and the language message that retitles it.
class MessageList;

class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);

    // "Readings"
    QAction* Menu1 = nullptr;
    QAction* SelectlayoutF12 = nullptr;
    QAction* Openreading1 = nullptr;
    QAction* Savecurrentreading1 = nullptr;
    QAction* Input1 = nullptr;
    QAction* Journal1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    // The menu bar's own "Start reading..." command.
    QAction* SelectlayoutF11 = nullptr;
    // "Spreads"
    QAction* Spreads1 = nullptr;
    QAction* Createnewspread1 = nullptr;
    QAction* Editspread1 = nullptr;
    // "View"
    QAction* View1 = nullptr;
    QAction* RemoveDeck1 = nullptr;
    QAction* Backgroundcolor1 = nullptr;
    QAction* Defaultbackground1 = nullptr;
    QAction* Showlayouttips1 = nullptr;
    // "Options"
    QAction* Menu2 = nullptr;
    QAction* Selectdesk1 = nullptr;
    QAction* ImportDeck1 = nullptr;
    QAction* MajorArcanaonly1 = nullptr;
    QAction* Usereversedpositions1 = nullptr;
    QAction* Drawcardsautomatically1 = nullptr;
    QAction* CutDeck1 = nullptr;
    QAction* Cutdeckin3piles1 = nullptr;
    QAction* Resizeenlargedcard1 = nullptr;
    QAction* Musicsettings1 = nullptr;
    QAction* Playmusic1 = nullptr;
    QAction* Language1 = nullptr;
    // "Help"
    QAction* Help1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;

    struct Titled {
        QAction* action;
        int message;
    };
    // Every captioned item with the language message of its caption.
    const QList<Titled>& titled() const { return titled_; }
    // Captions every item from the language's messages, each menu's letters assigned anew.
    void Retitle(const MessageList& messages);
    // F10: opens the first menu of the bar, as a keyboard user expects.
    void OpenMenuBar();

private:
    // Captions the items with their texts, giving each menu (and the bar) its own letters.
    void Caption(const std::function<QString(const Titled&)>& text);

    QMenuBar* bar_;
    QList<Titled> titled_;
    // The items of the bar, then those of each menu, one list per menu.
    QList<QList<Titled>> groups_;
};
