#pragma once

#include "platform/FileDialogs.h"

class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                        const QString& directory) override;
};
