#include "spreads/SelectSp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

#include "platform/TextFitting.h"

TForm2::TForm2(const QStringList& spreads, const QString& currentSpread, const QString& caption,
               const QString& okCaption, const QString& cancelCaption, const QString& notice,
               QWidget* parent)
    : QDialog(parent),
      listBox1_(new QListWidget(this)),
      label1_(new QLabel(this)),
      button1_(new QPushButton(okCaption, this)),
      button2_(new QPushButton(cancelCaption, this)) {
    setObjectName("TForm2");
    setWindowTitle(caption);
    setFixedSize(281, 361);

    listBox1_->setObjectName("ListBox1");
    listBox1_->setAccessibleName(caption);
    listBox1_->setGeometry(16, 16, 249, 289);
    label1_->setObjectName("Label1");
    label1_->setTextFormat(Qt::PlainText);
    label1_->setGeometry(16, 24, 200, 121);
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label1_->font();
    font.setPixelSize(16);
    label1_->setFont(font);
    label1_->setStyleSheet("color: black;");
    button1_->setObjectName("Button1");
    button1_->setGeometry(56, 328, 75, 25);
    button1_->setDefault(true);
    button2_->setObjectName("Button2");
    button2_->setGeometry(152, 328, 75, 25);

    connect(button1_, &QPushButton::clicked, this, &TForm2::confirm);
    connect(button2_, &QPushButton::clicked, this, &QDialog::reject);

    if (spreads.isEmpty()) {
        listBox1_->hide();
        button2_->hide();
        label1_->setText(notice);
        button1_->setEnabled(true);
    } else {
        ShowList(spreads, currentSpread);
    }
    FitTexts(this);
    if (spreads.isEmpty()) button1_->move((width() - button1_->width()) / 2 - 6, button1_->y());
    move(QGuiApplication::primaryScreen()->geometry().center() - rect().center());
}

void TForm2::ShowList(const QStringList& spreads, const QString& currentSpread) {
    label1_->hide();
    listBox1_->addItems(spreads);
    // Without the current spread nothing is chosen: not even the focus may make a row current.
    const int current = static_cast<int>(spreads.indexOf(currentSpread));
    if (current >= 0)
        listBox1_->setCurrentRow(current);
    else
        listBox1_->setCurrentIndex(QModelIndex());
    button1_->setEnabled(current >= 0);
    connect(listBox1_, &QListWidget::itemSelectionChanged, this,
            [this] { button1_->setEnabled(!listBox1_->selectedItems().isEmpty()); });
    connect(listBox1_, &QListWidget::itemDoubleClicked, this, &TForm2::confirm);
}

void TForm2::confirm() {
    if (!listBox1_->isHidden()) {
        const QList<QListWidgetItem*> selected = listBox1_->selectedItems();
        if (selected.isEmpty()) return;
        chosen_ = selected.first()->text();
    }
    accept();
}
