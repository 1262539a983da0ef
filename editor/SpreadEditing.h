#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

class MessageBoxes;
class MessageList;
class QWidget;

// The spread editor's commands of the main window: "Create new..." opens the editor on an
// empty spread, "Edit..." asks which spread to edit first.
class SpreadEditing {
public:
    // What the editor takes from the table at the moment it opens.
    struct Table {
        QString appDir;
        QString userDir;  // where the spread is saved
        QColor backColor;
        QSize spreadArea;  // the home size of the spread area: the editor's canvas
        QSize cardSize;    // a position image's size
        QWidget* owner = nullptr;
    };

    SpreadEditing(const MessageList& messages, MessageBoxes& messageBoxes)
        : messages_(messages), messageBoxes_(messageBoxes) {}

    // True when a new spread was saved; the caller then rebuilds the spread catalogue.
    bool CreateNewSpread(const Table& table);
    // Asks a spread of the catalogue (the current spread preselected) and edits it.
    void EditSpread(const Table& table, const QStringList& catalogue, const QString& currentSpread);

    QString SpreadToEdit;
    bool CreatingSpread = false;

private:
    bool OpenEditor(const Table& table, const QString& spreadName);

    const MessageList& messages_;
    MessageBoxes& messageBoxes_;
};
