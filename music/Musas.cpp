#include "music/Musas.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

#include "i18n/FixedTexts.h"
#include "i18n/MessageList.h"
#include "i18n/Msg.h"
#include "music/MusicChoice.h"
#include "platform/MessageBoxes.h"
#include "platform/OpenFileDialog.h"
#include "platform/WholeFile.h"

namespace {

constexpr int LabelMaxWidth = 210;
// A file label leaves room for its remove button within the panel.
constexpr int FileLabelMaxWidth = 186;
constexpr int RemoveButtonSize = 18;

void FitLabel(QLabel* label, int left, int top, int maxWidth = LabelMaxWidth) {
    const int width = std::min(label->fontMetrics().horizontalAdvance(label->text()) + 2, maxWidth);
    label->setGeometry(left, top, width, label->sizeHint().height());
}

}  // namespace

TForm17::TForm17(const MessageList& messages, const QString& appDir, const QString& userDir,
                 const QStringList& spreadList, OpenFileDialog& fileDialog,
                 MessageBoxes& messageBoxes, QWidget* parent)
    : QDialog(parent),
      appDir_(appDir),
      userDir_(userDir),
      fileDialog_(fileDialog),
      messageBoxes_(messageBoxes) {
    setObjectName("Form17");
    setWindowTitle(messages[Msg::AssociateSpreads]);
    setFixedSize(515, 389);
    auto* ok = new QPushButton(messages[Msg::Ok], this);
    ok->setObjectName("Button1");
    ok->setGeometry(168, 360, 75, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(messages[Msg::Cancel], this);
    cancel->setObjectName("Button2");
    cancel->setGeometry(272, 360, 75, 25);
    connect(ok, &QPushButton::clicked, this, &TForm17::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate(messages, spreadList);
}

void TForm17::FormCreate(const MessageList& messages, const QStringList& spreadList) {
    auto* area = new QScrollArea(this);
    area->setObjectName("ScrollBox1");
    area->setAccessibleName(messages[Msg::AssociateSpreads]);
    area->setGeometry(16, 16, 481, 329);
    auto* panel = new QWidget;
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(Qt::white));
    const QString associations = ReadAssociations(userDir_);
    int bottom = 0;
    for (int r = 1; r <= spreadList.size(); ++r) {
        const QString& name = spreadList[r - 1];
        Row row{new QLabel(name, panel), new QLabel(panel), new QToolButton(panel)};
        for (QLabel* label : {row.spread, row.file}) label->setTextFormat(Qt::PlainText);
        row.spread->setObjectName(QString("SpreadLabel%1").arg(r));
        row.spread->setStyleSheet("color: blue; text-decoration: underline;");
        row.spread->setCursor(Qt::PointingHandCursor);
        FitLabel(row.spread, 10, 20 * r - 10);
        row.file->setObjectName(QString("FileLabel%1").arg(r));
        row.file->move(250, 20 * r - 10);
        row.remove->setObjectName(QString("RemoveButton%1").arg(r));
        row.remove->setIcon(style()->standardIcon(QStyle::SP_LineEditClearButton));
        row.remove->setToolTip(messages[Msg::RemoveAssociation]);
        row.remove->setAccessibleName(messages[Msg::RemoveAssociation]);
        row.remove->setAutoRaise(true);
        row.remove->setCursor(Qt::PointingHandCursor);
        const int rowIndex = rows_.size();
        connect(row.remove, &QToolButton::clicked, this,
                [this, rowIndex] { label2click(rowIndex); });
        const auto stored = FindAssociation(associations, name);
        ShowFile(row, stored ? StoredName(AssociatedPath(appDir_, *stored)) : QString());
        row.spread->installEventFilter(this);
        row.file->installEventFilter(this);
        bottom = row.spread->geometry().bottom() + 1;
        rows_.append(row);
    }
    auto* divider = new QFrame(panel);
    divider->setFrameShape(QFrame::VLine);
    const int height = bottom > 313 ? bottom + 10 : 324;
    divider->setGeometry(238, 0, 3, height);
    panel->resize(460, height);
    area->setWidget(panel);
}

QList<QLabel*> TForm17::FileLabels() const {
    QList<QLabel*> labels;
    for (const Row& row : rows_) labels.append(row.file);
    return labels;
}

QToolButton* TForm17::RemoveButton(int row) const { return rows_[row].remove; }

QString TForm17::StoredName(const QString& path) const {
    const QString music = appDir_ + "/Music/";
    if (path.startsWith(music, Qt::CaseInsensitive)) return path.mid(music.size());
    return path;
}

void TForm17::ShowFile(const Row& row, const QString& file) {
    QLabel* label = row.file;
    label->setText(file);
    label->setCursor(file.isEmpty() ? Qt::ArrowCursor : Qt::ForbiddenCursor);
    FitLabel(label, label->x(), label->y(), FileLabelMaxWidth);
    // The remove button stands just after the file's name, centred on its line.
    const QRect text = label->geometry();
    row.remove->setGeometry(text.right() + 5, text.center().y() - RemoveButtonSize / 2 + 1,
                            RemoveButtonSize, RemoveButtonSize);
    row.remove->setVisible(!file.isEmpty());
}

bool TForm17::RefuseQuote(const QString& name) {
    if (!name.contains('"')) return false;
    messageBoxes_.showMessage(this, QString(FixedText::NameWithQuote) + "\n" + name);
    return true;
}

void TForm17::labelclick(int row) {
    if (RefuseQuote(rows_[row].spread->text())) return;
    const QString stored = rows_[row].file->text();
    QString folder = appDir_ + "/Music";
    QString name;
    if (!stored.isEmpty()) {
        const QFileInfo file(AssociatedPath(appDir_, stored));
        folder = file.path();
        name = file.fileName();
    }
    const QString chosen = fileDialog_.chooseFile(this, folder, name);
    if (chosen.isEmpty() || RefuseQuote(chosen)) return;
    ShowFile(rows_[row], StoredName(chosen));
}

void TForm17::label2click(int row) { ShowFile(rows_[row], QString()); }

void TForm17::Button1Click() {
    QString text;
    for (const Row& row : rows_)
        if (!row.file->text().isEmpty())
            text += row.spread->text() + " \"" + row.file->text() + "\"\r\n";
    QString error;
    if (!WriteWholeFile(AssociationFilePath(userDir_), text.toUtf8(), &error)) {
        messageBoxes_.showMessage(this, QString(FixedText::CouldNotWriteFile) + "\n" + error);
        return;
    }
    accept();
}

bool TForm17::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int r = 0; r < rows_.size(); ++r) {
            if (watched == rows_[r].spread) labelclick(r);
            if (watched == rows_[r].file) label2click(r);
        }
    }
    return QDialog::eventFilter(watched, event);
}
