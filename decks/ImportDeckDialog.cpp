#include "decks/ImportDeckDialog.h"

#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentMap>

#include <functional>

#include "i18n/CardsFile.h"
#include "i18n/Msg.h"
#include "platform/FileDialogs.h"
#include "platform/FileNames.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr QSize kThumbnail{42, 72};
constexpr int kColumns = 5;
const char* const kCardMime = "application/x-lumenfold-card";

// One card of the grid: its small picture and its title. A card dragged onto another swaps
// their pictures.
class CardCell : public QFrame {
public:
    CardCell(int card, std::function<void(int, int)> swap, QWidget* parent)
        : QFrame(parent), card_(card), swap_(std::move(swap)) {
        setObjectName(QStringLiteral("Card%1").arg(card));
        setFrameShape(QFrame::StyledPanel);
        setAcceptDrops(true);
        setFixedSize(188, 82);
        picture_ = new QLabel(this);
        picture_->setGeometry(4, 4, kThumbnail.width(), kThumbnail.height());
        picture_->setAlignment(Qt::AlignCenter);
        text_ = new QLabel(this);
        text_->setTextFormat(Qt::PlainText);
        text_->setWordWrap(true);
        text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        text_->setGeometry(52, 2, width() - 56, height() - 4);
    }

    void Show(const QPixmap& picture, const QString& title, const QString& fileName) {
        picture_->setPixmap(picture);
        text_->setText(title + "\n" + fileName);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) pressedAt_ = event->position().toPoint();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - pressedAt_).manhattanLength() <
                QApplication::startDragDistance())
            return;
        auto* drag = new QDrag(this);
        auto* dragged = new QMimeData;
        dragged->setData(kCardMime, QByteArray::number(card_));
        drag->setMimeData(dragged);
        if (!picture_->pixmap().isNull()) drag->setPixmap(picture_->pixmap());
        drag->exec(Qt::MoveAction);
    }

    void dragEnterEvent(QDragEnterEvent* event) override {
        if (DraggedCard(event->mimeData()) < 0) return;
        setFrameShadow(QFrame::Sunken);
        setLineWidth(2);
        event->acceptProposedAction();
    }

    void dragLeaveEvent(QDragLeaveEvent*) override { Unmark(); }

    void dropEvent(QDropEvent* event) override {
        Unmark();
        const int from = DraggedCard(event->mimeData());
        if (from < 0) return;
        event->acceptProposedAction();
        swap_(from, card_);
    }

private:
    // The card dragged from another cell, or -1.
    int DraggedCard(const QMimeData* mime) const {
        bool ok = false;
        const int from = mime->data(kCardMime).toInt(&ok);
        return ok && from != card_ ? from : -1;
    }

    void Unmark() {
        setFrameShadow(QFrame::Plain);
        setLineWidth(1);
    }

    int card_;
    std::function<void(int, int)> swap_;
    QLabel* picture_;
    QLabel* text_;
    QPoint pressedAt_;
};

}  // namespace

QString ImportDeck(QWidget* parent, const DeckImportContext& context) {
    const std::optional<QString> folder = context.fileDialogs->chooseFolder(
        parent, context.messages[Msg::ImportDeckCaption], context.startFolder);
    if (!folder) return {};
    const QStringList pictures = DeckPictureFiles(*folder);
    if (!IsDeckPictureCount(static_cast<int>(pictures.size()))) {
        context.messageBoxes->showMessage(
            parent, context.messages[Msg::WrongPictureCount].arg(pictures.size()));
        return {};
    }
    ImportDeckDialog dialog(context, *folder, pictures, parent);
    if (dialog.exec() != QDialog::Accepted) return {};
    context.messageBoxes->showMessage(parent,
                                      context.messages[Msg::DeckImported].arg(dialog.DeckName()));
    return dialog.DeckName();
}

ImportDeckDialog::ImportDeckDialog(const DeckImportContext& context, const QString& sourceFolder,
                                   const QStringList& pictures, QWidget* parent)
    : QDialog(parent),
      context_(context),
      sourceFolder_(sourceFolder),
      pictures_(pictures),
      order_(ProposeCardOrder(pictures)),
      thumbnails_(pictures.size()) {
    const MessageList& messages = context_.messages;
    setWindowTitle(messages[Msg::ImportDeckCaption]);
    // The titles follow the proposal: Strength as XI, court cards in the traditional sequence.
    BuildCardTitles(titles_, context_.appDir, context_.language, pictures.size() == 79,
                    TitleNumbering{true, false});

    auto* cards = new QWidget;
    auto* cardLayout = new QGridLayout(cards);
    cardLayout->setSpacing(4);
    for (int card = 0; card < order_.size(); ++card) {
        auto* cell = new CardCell(
            card, [this](int a, int b) { SwapCards(a, b); }, cards);
        cardLayout->addWidget(cell, card / kColumns, card % kColumns);
        cells_.append(cell);
        ShowCard(card);
    }
    auto* grid = new QScrollArea(this);
    grid->setObjectName("CardGrid");
    grid->setWidget(cards);
    grid->setMinimumWidth(cards->sizeHint().width() + 24);

    auto* hint = new QLabel(messages[Msg::SwapCardsHint], this);
    auto* nameLabel = new QLabel(messages[Msg::DeckNameLabel], this);
    name_ = new QLineEdit(QDir(sourceFolder).dirName(), this);
    name_->setObjectName("DeckName");
    nameLabel->setBuddy(name_);
    importButton_ = new QPushButton(messages[Msg::ImportButton], this);
    importButton_->setObjectName("ImportButton");
    importButton_->setDefault(true);
    auto* cancelButton = new QPushButton(messages[Msg::Cancel], this);
    cancelButton->setObjectName("CancelButton");

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(nameLabel);
    bottom->addWidget(name_, 1);
    bottom->addWidget(importButton_);
    bottom->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(grid, 1);
    layout->addLayout(bottom);
    resize(grid->minimumWidth() + 24, 640);

    const auto nameChanged = [this] {
        importButton_->setEnabled(IsSafeFileName(name_->text().trimmed()));
    };
    nameChanged();
    connect(name_, &QLineEdit::textChanged, this, nameChanged);
    connect(importButton_, &QPushButton::clicked, this, &ImportDeckDialog::ImportClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // The small pictures are made on worker threads and shown as they come.
    QStringList paths;
    for (const QString& picture : pictures_) paths.append(sourceFolder_ + "/" + picture);
    connect(&thumbnailWatcher_, &QFutureWatcher<QImage>::resultReadyAt, this,
            &ImportDeckDialog::ThumbnailReady);
    thumbnailWatcher_.setFuture(QtConcurrent::mapped(
        std::move(paths), [](const QString& path) { return ReadPicture(path, kThumbnail); }));
}

ImportDeckDialog::~ImportDeckDialog() {
    thumbnailWatcher_.cancel();
    thumbnailWatcher_.waitForFinished();
}

QStringList ImportDeckDialog::CardPictures() const {
    QStringList names;
    for (const int picture : order_) names.append(pictures_[picture]);
    return names;
}

void ImportDeckDialog::SwapCards(int first, int second) {
    if (first < 0 || second < 0 || first >= order_.size() || second >= order_.size()) return;
    std::swap(order_[first], order_[second]);
    ShowCard(first);
    ShowCard(second);
}

QString ImportDeckDialog::DeckName() const { return importedName_; }

void ImportDeckDialog::ShowCard(int card) {
    const int picture = order_[card];
    static_cast<CardCell*>(cells_[card])
        ->Show(thumbnails_[picture], titles_[card], pictures_[picture]);
}

void ImportDeckDialog::ThumbnailReady(int picture) {
    thumbnails_[picture] = QPixmap::fromImage(thumbnailWatcher_.resultAt(picture));
    ShowCard(static_cast<int>(order_.indexOf(picture)));
}

bool ImportDeckDialog::NameTaken(const QString& name) const {
    for (const QString& folder : context_.deckFolders)
        for (const QString& deck : FolderEntries(folder))
            if (deck.compare(name, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void ImportDeckDialog::ImportClick() {
    const QString name = name_->text().trimmed();
    if (!IsSafeFileName(name) || importer_) return;
    if (NameTaken(name)) {
        context_.messageBoxes->showMessage(this, context_.messages[Msg::DeckNameTaken].arg(name));
        name_->setFocus();
        return;
    }
    // The writers take the worker threads: small pictures not yet made stay blank.
    thumbnailWatcher_.cancel();
    const MessageList& messages = context_.messages;
    importedName_ = name;
    importer_ = std::make_unique<DeckImporter>(DeckImportPlan{
        sourceFolder_, pictures_, order_, context_.deckFolders.value(0) + "/" + name});
    progress_ = new QProgressDialog(messages[Msg::ImportDeckCaption], messages[Msg::Cancel], 0,
                                    importer_->CardCount(), this);
    progress_->setObjectName("ImportProgress");
    progress_->setWindowTitle(messages[Msg::ImportDeckCaption]);
    progress_->setWindowModality(Qt::ApplicationModal);
    progress_->setMinimumDuration(0);
    progress_->setAutoClose(false);
    progress_->setAutoReset(false);
    progress_->setMinimumWidth(360);
    connect(importer_.get(), &DeckImporter::Progressed, progress_, &QProgressDialog::setValue);
    connect(progress_, &QProgressDialog::canceled, importer_.get(), &DeckImporter::Cancel);
    connect(importer_.get(), &DeckImporter::Finished, this, &ImportDeckDialog::ImportFinished,
            Qt::QueuedConnection);
    progress_->show();
    importer_->Start();
}

void ImportDeckDialog::ImportFinished(DeckImporter::Outcome outcome, const QString& reason) {
    progress_->disconnect(importer_.get());
    progress_->deleteLater();
    progress_ = nullptr;
    importer_.reset();
    const MessageList& messages = context_.messages;
    switch (outcome) {
        case DeckImporter::Outcome::Imported:
            accept();
            return;
        case DeckImporter::Outcome::Cancelled:
            break;
        case DeckImporter::Outcome::PictureUnreadable:
            context_.messageBoxes->showMessage(this,
                                               messages[Msg::PictureUnreadable] + "\n" + reason);
            break;
        case DeckImporter::Outcome::NotWritten:
            context_.messageBoxes->showMessage(this, messages[Msg::DeckNotWritten] + "\n" + reason);
            break;
    }
    importedName_.clear();
}
