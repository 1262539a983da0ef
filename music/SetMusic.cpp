#include "music/SetMusic.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTreeView>

#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "music/Musas.h"
#include "settings/Settings.h"

namespace {

// The mounted volumes, or "/" alone.
QStringList Drives() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    roots.sort();
    return roots.isEmpty() ? QStringList{"/"} : roots;
}

// The volume holding a folder: the longest root it starts with.
QString DriveOf(const QStringList& drives, const QString& folder) {
    QString best = drives.first();
    for (const QString& root : drives)
        if (folder.startsWith(root) && root.size() > best.size()) best = root;
    return best;
}

constexpr int TreeRows = 8;

QWidget* Bold(QWidget* widget) {
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
    return widget;
}

}  // namespace

TForm16::TForm16(const MessageList& messages, const QString& appDir, const QString& userDir,
                 const QStringList& spreadList, const Settings& settings,
                 OpenFileDialog& fileDialog, MessageBoxes& messageBoxes, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      appDir_(appDir),
      userDir_(userDir),
      spreadList_(spreadList),
      fileDialog_(fileDialog),
      messageBoxes_(messageBoxes) {
    setObjectName("Form16");
    setWindowTitle(messages[Msg::MusicSettings]);

    driveBox_ = new QComboBox(this);
    driveBox_->setObjectName("DriveComboBox1");
    driveBox_->setGeometry(24, 16, 233, 19 + 6);
    directories_ = new QFileSystemModel(this);
    directories_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    directoryList_ = new QTreeView(this);
    directoryList_->setObjectName("DirectoryListBox1");
    directoryList_->setAccessibleName(messages[Msg::AccessibleFolders]);
    directoryList_->setModel(directories_);
    directoryList_->setHeaderHidden(true);
    for (int column = 1; column < directories_->columnCount(); ++column)
        directoryList_->hideColumn(column);
    // Read at once rather than in the background, so the chosen file is selected on opening.
    fileList_ = new QListWidget(this);
    fileList_->setObjectName("FileListBox1");
    fileList_->setAccessibleName(messages[Msg::AccessibleMusicFiles]);

    auto* associate = new QPushButton(messages[Msg::AssociateSpreads], this);
    associate->setObjectName("SpeedButton1");
    associate->setGeometry(280, 48, 225, 25);
    associate->setIcon(style()->standardIcon(QStyle::SP_MediaVolume));
    Bold(associate);
    ignoreBox_ = new QCheckBox(messages[Msg::IgnoreAssociations], this);
    ignoreBox_->setObjectName("CheckBox1");
    ignoreBox_->setGeometry(280, 84, 225, 17);
    ignoreBox_->setChecked(settings.IgnoreAssociations);
    Bold(ignoreBox_);
    auto* group = new QGroupBox(messages[Msg::PlayGroup], this);
    group->setObjectName("RadioGroup1");
    group->setGeometry(280, 144, 225, 105);
    Bold(group);
    playGroup_ = new QButtonGroup(this);
    const int items[] = {Msg::PlaySelectedFile, Msg::PlayInOrder, Msg::PlayRandom};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(messages[items[i]], group);
        item->setGeometry(8, 22 + 26 * i, 210, 22);
        item->setFont(QFont(font().family(), font().pointSize()));
        playGroup_->addButton(item, i);
    }
    if (QAbstractButton* item = playGroup_->button(static_cast<int>(settings.PlayType)))
        item->setChecked(true);
    // Never shown: it only carries the setting through the dialog.
    resetBox_ = new QCheckBox(this);
    resetBox_->setObjectName("CheckBox2");
    resetBox_->setGeometry(280, 264, 241, 17);
    resetBox_->setChecked(settings.ResetMusic);
    resetBox_->hide();
    // Enter on a focused button presses that button; elsewhere it means OK.
    auto* ok = new QPushButton(messages[Msg::Ok], this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    auto* cancel = new QPushButton(messages[Msg::Cancel], this);
    cancel->setObjectName("Button2");

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(associate, &QPushButton::clicked, this, &TForm16::SpeedButton1Click);
    connect(playGroup_, &QButtonGroup::idClicked, this, &TForm16::RadioGroup1Click);
    connect(fileList_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(driveBox_, &QComboBox::currentTextChanged, this, &TForm16::ShowDrive);
    // A folder made current (by a click or the arrow keys), or opened by Enter, shows its
    // files; the folder shown already is not read again when it becomes current.
    connect(directoryList_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid() && QDir::cleanPath(directories_->filePath(index)) != directory_)
                    ShowDirectory(directories_->filePath(index));
            });
    connect(directoryList_, &QTreeView::activated, this,
            [this](const QModelIndex& index) { ShowDirectory(directories_->filePath(index)); });

    // Folders load in the background and sort as they arrive: keep the current one in sight.
    connect(directories_, &QFileSystemModel::layoutChanged, this,
            [this] { directoryList_->scrollTo(directoryList_->currentIndex()); });
    connect(directories_, &QFileSystemModel::directoryLoaded, this,
            [this] { directoryList_->scrollTo(directoryList_->currentIndex()); });

    const QStringList drives = Drives();
    const QString folder = QDir(settings.MusicDir).exists() ? settings.MusicDir : appDir;
    const QSignalBlocker block(driveBox_);
    driveBox_->addItems(drives);
    driveBox_->setCurrentText(DriveOf(drives, folder));
    ShowDrive(driveBox_->currentText());
    ShowDirectory(folder);
    LayOutLists(ok, cancel);
    const QFileInfo chosen(settings.MusicFile);
    if (QDir(chosen.path()) == QDir(directory_)) {
        const auto found = fileList_->findItems(chosen.fileName(), Qt::MatchExactly);
        if (!found.isEmpty()) fileList_->setCurrentItem(found.first());
    }
    RadioGroup1Click();
}

void TForm16::LayOutLists(QPushButton* ok, QPushButton* cancel) {
    // The folder tree has room for eight folders; the file list and the buttons follow it.
    const int row =
        std::max(directoryList_->sizeHintForIndex(directoryList_->currentIndex()).height(),
                 directoryList_->fontMetrics().lineSpacing());
    const int frame = 2 * directoryList_->frameWidth();
    directoryList_->setGeometry(24, 54, 233, TreeRows * row + frame);
    fileList_->setGeometry(24, directoryList_->geometry().bottom() + 16, 233, 137);
    const int buttons = fileList_->geometry().bottom() + 32;
    ok->setGeometry(184, buttons, 75, 25);
    cancel->setGeometry(280, buttons, 75, 25);
    setFixedSize(531, buttons + 25 + 11);
}

void TForm16::ShowDrive(const QString& root) {
    directoryList_->setRootIndex(directories_->setRootPath(root));
    ShowDirectory(root);
}

void TForm16::ShowDirectory(const QString& directory) {
    directory_ = QDir::cleanPath(directory);
    const QModelIndex index = directories_->index(directory_);
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        directoryList_->expand(parent);
    directoryList_->setCurrentIndex(index);
    directoryList_->scrollTo(index);
    fileList_->clear();
    fileList_->addItems(QDir(directory_).entryList(QDir::Files | QDir::Hidden, QDir::Name));
}

QString TForm16::Directory() const { return directory_; }

QString TForm16::SelectedFile() const {
    const QList<QListWidgetItem*> selected = fileList_->selectedItems();
    return selected.isEmpty() ? QString() : QDir(directory_).filePath(selected.first()->text());
}

MusicOrder TForm16::PlayType() const {
    return static_cast<MusicOrder>(std::clamp(playGroup_->checkedId(), 0, 2));
}

bool TForm16::ResetMusic() const { return resetBox_->isChecked(); }

bool TForm16::IgnoreAssociations() const { return ignoreBox_->isChecked(); }

void TForm16::RadioGroup1Click() {
    resetBox_->setEnabled(PlayType() != MusicOrder::ChosenFileLooped);
}

void TForm16::SpeedButton1Click() {
    TForm17 dialog(messages_, appDir_, userDir_, spreadList_, fileDialog_, messageBoxes_, this);
    dialog.exec();
}

void TForm16::keyPressEvent(QKeyEvent* event) {
    // Enter closes with OK, except in the drive and directory lists, where it opens the entry
    // (they pass it on), and on a button, which takes it itself.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() != driveBox_ && focusWidget() != directoryList_) accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm16::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    directoryList_->scrollTo(directoryList_->currentIndex());
    fileList_->setFocus();
}
