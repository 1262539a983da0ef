#pragma once

#include <QList>
#include <QStringList>

#include <optional>

#include "platform/FileDialogs.h"

// Answers open and save dialogs from a script and records what each one was asked to show.
class ScriptedFileDialogs : public FileDialogs {
public:
    // Answers given in turn; once used up, every dialog is cancelled.
    QList<std::optional<QString>> answers;
    QList<FileDialogRequest> opened;
    QList<FileDialogRequest> saved;
    QStringList folders;  // where each folder dialog started

    std::optional<QString> openFile(QWidget*, const FileDialogRequest& request) override {
        opened.append(request);
        return next();
    }
    std::optional<QString> saveFile(QWidget*, const FileDialogRequest& request) override {
        saved.append(request);
        return next();
    }
    std::optional<QString> chooseFolder(QWidget*, const QString&,
                                        const QString& directory) override {
        folders.append(directory);
        return next();
    }

private:
    std::optional<QString> next() { return answers.isEmpty() ? std::nullopt : answers.takeFirst(); }
};
