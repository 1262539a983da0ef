#pragma once

#include <QString>

#include <optional>

class QWidget;

// What an open or save dialog shows when it opens.
struct FileDialogRequest {
    QString directory;      // where it starts
    QString fileName;       // the proposed name; empty for none
    QString filter;         // for example "Reading files (*.reading)"
    QString defaultSuffix;  // added to a name typed without one
};

// The standard open and save dialogs, modal.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The existing file chosen; nothing when cancelled.
    virtual std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // The file chosen to write; the dialog asks before replacing an existing file. Nothing when
    // cancelled.
    virtual std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // An existing folder chosen in a dialog with the caption, starting in directory; nothing
    // when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                                const QString& directory) = 0;
};
