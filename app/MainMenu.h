#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QMenuBar;

// The main menu: every item with its component name, built-in English caption, shortcut and
// the language message that retitles it.
class MainMenu {
public:
    explicit MainMenu(QMenuBar* bar);

    // The item (or submenu's own item) with the given component name; nullptr for none.
    QAction* item(const QString& name) const { return items_.value(name); }

    struct Titled {
        QAction* action;
        int message;
    };
    // Every captioned item with the language message of its caption.
    const QList<Titled>& titled() const { return titled_; }

private:
    QHash<QString, QAction*> items_;
    QList<Titled> titled_;
};
