#pragma once

#include <QDialog>

#include "settings/Settings.h"

class MessageBoxes;
class MessageList;
class OpenFileDialog;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QListWidget;
class QPushButton;
class QTreeView;
struct Settings;

// The music settings dialog: the music folder and file, the play type and whether spread
// associations are ignored. It edits copies; the caller applies them after OK.
class TForm16 : public QDialog {
    Q_OBJECT

public:
    // appDir holds the Music folder; userDir the association file.
    TForm16(const MessageList& messages, const QString& appDir, const QString& userDir,
            const QStringList& spreadList, const Settings& settings, OpenFileDialog& fileDialog,
            MessageBoxes& messageBoxes, QWidget* parent = nullptr);

    QString Directory() const;
    // The selected file's full path; empty when none is selected.
    QString SelectedFile() const;
    MusicOrder PlayType() const;
    bool ResetMusic() const;
    bool IgnoreAssociations() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void LayOutLists(QPushButton* ok, QPushButton* cancel);
    void ShowDrive(const QString& root);
    void ShowDirectory(const QString& directory);
    void RadioGroup1Click();
    void SpeedButton1Click();

    const MessageList& messages_;
    QString appDir_;
    QString userDir_;
    QStringList spreadList_;
    OpenFileDialog& fileDialog_;
    MessageBoxes& messageBoxes_;
    QComboBox* driveBox_ = nullptr;
    QTreeView* directoryList_ = nullptr;
    QListWidget* fileList_ = nullptr;
    QFileSystemModel* directories_ = nullptr;
    QButtonGroup* playGroup_ = nullptr;
    QCheckBox* resetBox_ = nullptr;
    QCheckBox* ignoreBox_ = nullptr;
    QString directory_;
};
