#include "platform/QtOpenFileDialog.h"

#include <QDir>
#include <QFileDialog>

QString QtOpenFileDialog::chooseFile(QWidget* parent, const QString& folder,
                                     const QString& fileName) {
    return QFileDialog::getOpenFileName(parent, QString(), QDir(folder).filePath(fileName));
}
