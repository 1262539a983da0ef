#include "i18n/SelLang.h"

#include <QListWidget>
#include <QPushButton>

#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "platform/FileNames.h"
#include "platform/TextFitting.h"

TForm20::TForm20(const MessageList& messages, const QString& appDir, const QString& languageName,
                 QWidget* parent)
    : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(249, 292);
    setWindowTitle(messages[Msg::Language]);

    listBox1_ = new QListWidget(this);
    listBox1_->setObjectName("ListBox1");
    listBox1_->setAccessibleName(messages[Msg::Language]);
    listBox1_->setGeometry(16, 16, 217, 225);
    button1_ = new QPushButton(messages[Msg::Ok], this);
    button1_->setObjectName("Button1");
    button1_->setGeometry(36, 255, 75, 25);
    button1_->setDefault(true);
    button2_ = new QPushButton(messages[Msg::Cancel], this);
    button2_->setObjectName("Button2");
    button2_->setGeometry(138, 255, 75, 25);

    // The entries keep the order of the directory search.
    for (const QString& name : FolderEntries(appDir + "/Langs")) {
        listBox1_->addItem(name);
        if (name == languageName) listBox1_->setCurrentRow(listBox1_->count() - 1);
    }
    // Without the current language nothing is chosen: not even the focus may make a row current.
    if (listBox1_->selectedItems().isEmpty()) listBox1_->setCurrentIndex(QModelIndex());
    ListBox1Click();
    FitTexts(this);

    connect(listBox1_, &QListWidget::itemSelectionChanged, this, &TForm20::ListBox1Click);
    connect(listBox1_, &QListWidget::itemDoubleClicked, this, &TForm20::ListBox1DblClick);
    connect(button1_, &QPushButton::clicked, this, &QDialog::accept);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);
}

QString TForm20::LanguageName() const {
    const QList<QListWidgetItem*> selected = listBox1_->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TForm20::ListBox1Click() { button1_->setEnabled(!listBox1_->selectedItems().isEmpty()); }

void TForm20::ListBox1DblClick(QListWidgetItem* item) {
    if (!item) return;
    listBox1_->setCurrentItem(item);
    accept();
}
