#include "platform/QtFileDialogs.h"

#include <QFileDialog>

namespace {

std::optional<QString> Run(QWidget* parent, const FileDialogRequest& request,
                           QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDirectory(request.directory);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace

std::optional<QString> QtFileDialogs::openFile(QWidget* parent, const FileDialogRequest& request) {
    return Run(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtFileDialogs::saveFile(QWidget* parent, const FileDialogRequest& request) {
    return Run(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtFileDialogs::chooseFolder(QWidget* parent, const QString& caption,
                                                   const QString& directory) {
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, directory);
    if (folder.isEmpty()) return {};
    return folder;
}
