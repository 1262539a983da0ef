#include "readings/JournalWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "decks/DeckDirectory.h"
#include "i18n/CardsFile.h"
#include "i18n/FixedTexts.h"
#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "platform/WholeFile.h"
#include "readings/JournalCsv.h"
#include "readings/JournalModel.h"
#include "readings/JournalStatistics.h"
#include "readings/SavedReadings.h"
#include "table/ProgramState.h"
#include "table/ReadingFlow.h"

namespace {

// The chart shows the cards that came up most often.
constexpr int kChartedCards = 15;
// Changes under Saved come in bursts (a save writes and renames): the update waits for quiet.
constexpr int kSettleMs = 250;

QString Percent(int part, int whole) {
    return QString::number(whole ? 100.0 * part / whole : 0.0, 'f', 1) + "%";
}

}  // namespace

JournalWindow::JournalWindow(ProgramState& program, SavedReadings& saved, ReadingFlow& flow,
                             QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      program_(program),
      saved_(saved),
      flow_(flow),
      databasePath_(program.Places.Cache() + "/journal.sqlite"),
      model_(new JournalModel(program, this)),
      watcher_(new QFileSystemWatcher(this)) {
    setObjectName("JournalWindow");
    BuildWindow();
    connect(&updating_, &QFutureWatcher<QString>::finished, this, &JournalWindow::UpdateFinished);
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &JournalWindow::StartUpdate);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, &settle_, qOverload<>(&QTimer::start));
}

JournalWindow::~JournalWindow() {
    cancel_ = true;
    updating_.waitForFinished();
}

void JournalWindow::BuildWindow() {
    search_ = new QLineEdit(this);
    search_->setObjectName("JournalSearch");
    search_->setClearButtonEnabled(true);
    cardFilter_ = new QComboBox(this);
    cardFilter_->setObjectName("JournalCardFilter");
    reversedOnly_ = new QCheckBox(this);
    reversedOnly_->setObjectName("JournalReversedOnly");
    spreadFilter_ = new QComboBox(this);
    spreadFilter_->setObjectName("JournalSpreadFilter");
    spreadFilter_->addItem(QString());  // any spread
    betweenDates_ = new QCheckBox(this);
    betweenDates_->setObjectName("JournalBetweenDates");
    from_ = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    to_ = new QDateEdit(QDate::currentDate(), this);
    from_->setObjectName("JournalFrom");
    to_->setObjectName("JournalTo");
    for (QDateEdit* date : {from_, to_}) {
        date->setCalendarPopup(true);
        date->setEnabled(false);
    }

    rows_ = new QTableView(this);
    rows_->setObjectName("JournalRows");
    rows_->setModel(model_);
    rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
    rows_->setSelectionMode(QAbstractItemView::SingleSelection);
    rows_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows_->setIconSize({JournalThumbnails::kWidth, JournalThumbnails::kHeight});
    rows_->verticalHeader()->setDefaultSectionSize(JournalThumbnails::kHeight + 6);
    rows_->verticalHeader()->hide();
    rows_->horizontalHeader()->setStretchLastSection(true);
    rows_->setColumnWidth(JournalModel::Picture, JournalThumbnails::kWidth + 10);
    rows_->setColumnWidth(JournalModel::Date, 120);
    rows_->setColumnWidth(JournalModel::Spread, 150);
    rows_->setColumnWidth(JournalModel::Cards, 360);
    rows_->setWordWrap(true);

    tally_ = new QTableWidget(0, 4, this);
    tally_->setObjectName("JournalTally");
    tally_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tally_->verticalHeader()->hide();
    tally_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tally_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    shares_ = new QLabel(this);
    shares_->setObjectName("JournalShares");
    shares_->setTextFormat(Qt::PlainText);
    shares_->setWordWrap(true);
    QString noChart;
    chart_ = program_.platform.charts->CreateChart(this, &noChart);
    QWidget* chartWidget = chart_ ? chart_->Widget() : nullptr;
    if (!chart_) {
        auto* reason = new QLabel(this);
        reason->setTextFormat(Qt::PlainText);
        reason->setText(noChart);
        chartWidget = reason;
    }
    chartWidget->setObjectName("JournalChart");
    auto* statistics = new QWidget(this);
    auto* statisticsLayout = new QVBoxLayout(statistics);
    statisticsLayout->addWidget(shares_);
    auto* split = new QSplitter(statistics);
    split->addWidget(tally_);
    split->addWidget(chartWidget);
    split->setSizes({380, 560});
    statisticsLayout->addWidget(split, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("JournalTabs");
    tabs_->addTab(rows_, QString());
    tabs_->addTab(statistics, QString());

    progress_ = new QProgressBar(this);
    progress_->setObjectName("JournalProgress");
    progress_->hide();
    open_ = new QPushButton(this);
    open_->setObjectName("JournalOpen");
    delete_ = new QPushButton(this);
    delete_->setObjectName("JournalDelete");
    export_ = new QPushButton(this);
    export_->setObjectName("JournalExport");

    auto* filters = new QHBoxLayout;
    filters->addWidget(search_, 3);
    filters->addWidget(cardFilter_, 2);
    filters->addWidget(reversedOnly_);
    filters->addWidget(spreadFilter_, 2);
    auto* dates = new QHBoxLayout;
    dates->addWidget(betweenDates_);
    dates->addWidget(from_);
    dates->addWidget(to_);
    dates->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress_, 1);
    buttons->addStretch(0);
    buttons->addWidget(open_);
    buttons->addWidget(delete_);
    buttons->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(dates);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    resize(960, 640);

    const auto refilter = [this] { Refilter(); };
    connect(search_, &QLineEdit::textChanged, this, refilter);
    connect(cardFilter_, &QComboBox::currentIndexChanged, this, refilter);
    connect(spreadFilter_, &QComboBox::currentIndexChanged, this, refilter);
    connect(reversedOnly_, &QCheckBox::toggled, this, refilter);
    connect(betweenDates_, &QCheckBox::toggled, this, [this](bool on) {
        from_->setEnabled(on);
        to_->setEnabled(on);
        Refilter();
    });
    connect(from_, &QDateEdit::dateChanged, this, refilter);
    connect(to_, &QDateEdit::dateChanged, this, refilter);
    connect(rows_, &QTableView::activated, this,
            [this](const QModelIndex& index) { OpenRow(index.row()); });
    connect(open_, &QPushButton::clicked, this, [this] { OpenRow(CurrentRow()); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteRow(CurrentRow()); });
    connect(export_, &QPushButton::clicked, this, &JournalWindow::ExportCsv);
    // Del in the search field edits the text: only the rows take it as "Delete".
    auto* deleteKey = new QShortcut(QKeySequence::Delete, rows_);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, [this] { DeleteRow(CurrentRow()); });
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void JournalWindow::Retitle() {
    const MessageList& messages = program_.Messages;
    setWindowTitle(messages[Msg::JournalCaption]);
    search_->setPlaceholderText(messages[Msg::JournalSearchHint]);
    // The hint is read whole in every language: the field is never narrower than it, with room
    // for the frame and the clear button.
    search_->setMinimumWidth(search_->fontMetrics().horizontalAdvance(search_->placeholderText()) +
                             48);
    reversedOnly_->setText(messages[Msg::JournalReversedOnly]);
    betweenDates_->setText(messages[Msg::JournalBetweenDates]);
    tabs_->setTabText(0, messages[Msg::MenuReadings]);
    tabs_->setTabText(1, messages[Msg::JournalStatistics]);
    // Names a screen reader gives the parts that show no text of their own.
    search_->setAccessibleName(messages[Msg::JournalSearchHint]);
    from_->setAccessibleName(messages[Msg::JournalSavedFrom]);
    to_->setAccessibleName(messages[Msg::JournalSavedUntil]);
    tabs_->setAccessibleName(messages[Msg::JournalCaption]);
    rows_->setAccessibleName(messages[Msg::MenuReadings]);
    open_->setText(messages[Msg::MenuOpen]);
    delete_->setText(messages[Msg::DeletePosition]);
    export_->setText(messages[Msg::JournalExportCsv]);
    progress_->setFormat(messages[Msg::JournalIndexing] + " %p%");
    tally_->setHorizontalHeaderLabels({messages[Msg::JournalCard], messages[Msg::Straight],
                                       messages[Msg::Reversed], messages[Msg::JournalTotal]});

    // The card list follows the language and the deck; the chosen card stays chosen.
    const int card = cardFilter_->currentData().isValid() ? cardFilter_->currentData().toInt() : -1;
    const QSignalBlocker quiet(cardFilter_);
    cardFilter_->clear();
    cardFilter_->addItem(messages[Msg::JournalAnyCard], -1);
    const int cards =
        DeckHas79thCard(DeckFolders(program_.Places), program_.settings.DeckName) ? 79 : 78;
    for (int c = 0; c < cards; ++c) cardFilter_->addItem(program_.CardTitles[c], c);
    cardFilter_->setCurrentIndex(std::max(0, cardFilter_->findData(card)));
    spreadFilter_->setItemText(0, messages[Msg::JournalAnySpread]);
    emit model_->headerDataChanged(Qt::Horizontal, 0, JournalModel::ColumnCount - 1);
    // Titles and texts of the rows and the statistics follow as well.
    Refilter();
}

void JournalWindow::Open() {
    failureShown_ = false;
    Retitle();
    show();
    raise();
    activateWindow();
    // What the index held last is shown at once; the update follows.
    if (!index_) LoadEntries();
    StartUpdate();
}

void JournalWindow::StartUpdate() {
    if (Indexing()) {
        updateAgain_ = true;
        return;
    }
    JournalSources sources;
    sources.savedDir = program_.Places.UserData() + "/Saved";
    sources.userDir = program_.Places.UserData();
    sources.appDir = program_.AppDir;
    sources.spreadCatalogue = program_.SpreadList;
    // Card titles of both languages, for the deck and numbering in use.
    const Settings& settings = program_.settings;
    const bool has79 = DeckHas79thCard(DeckFolders(program_.Places), settings.DeckName);
    for (const char* language : {"English", "Russian"}) {
        CardTitleList titles;
        BuildCardTitles(titles, program_.AppDir, language, has79,
                        {settings.StrengthIsXI, settings.NewAgeCourtOrder});
        for (int card = 0; card < kCardCount; ++card)
            sources.searchTitles[card] += ' ' + titles[card];
    }
    cancel_ = false;
    const QString path = databasePath_;
    updating_.setFuture(QtConcurrent::run([this, path, sources]() -> QString {
        JournalIndex index(path);
        QString error;
        if (!index.Open(&error)) return error;
        const auto progress = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, done, total] {
                    // Shown only while files are read: a check that reads none does not flicker.
                    progress_->setMaximum(total);
                    progress_->setValue(done);
                    progress_->show();
                },
                Qt::QueuedConnection);
        };
        return index.Update(sources, progress, &cancel_, &error) ? QString() : error;
    }));
}

void JournalWindow::UpdateFinished() {
    progress_->hide();
    const QString error = updating_.result();
    // Told once per opening, not at every change under Saved.
    if (!error.isEmpty() && !failureShown_) {
        failureShown_ = true;
        ShowMessage(program_.Messages[Msg::JournalIndexNotMade] + "\n" + error);
    }
    LoadEntries();
    WatchFolders();
    if (updateAgain_) {
        updateAgain_ = false;
        StartUpdate();
        return;
    }
    emit indexed();
}

void JournalWindow::LoadEntries() {
    // A fresh connection: an update may have made the database anew.
    index_ = std::make_unique<JournalIndex>(databasePath_);
    QList<JournalEntry> entries;
    if (index_->Open()) entries = index_->Entries();
    model_->SetEntries(entries, std::make_unique<JournalThumbnails>(
                                    program_.DeckDirectoryInUse(), program_.Places.UserData(),
                                    program_.AppDir, program_.SpreadList));

    QStringList spreads;
    for (const JournalEntry& entry : entries)
        if (!entry.spreadName.isEmpty()) spreads.append(entry.spreadName);
    spreads.removeDuplicates();
    spreads.sort(Qt::CaseInsensitive);
    const QString chosen = spreadFilter_->currentIndex() > 0 ? spreadFilter_->currentText() : "";
    const QSignalBlocker quiet(spreadFilter_);
    while (spreadFilter_->count() > 1) spreadFilter_->removeItem(1);
    spreadFilter_->addItems(spreads);
    spreadFilter_->setCurrentIndex(std::max(0, spreadFilter_->findText(chosen)));
    Refilter();
}

void JournalWindow::Refilter() {
    JournalFilter filter;
    filter.card = cardFilter_->currentData().isValid() ? cardFilter_->currentData().toInt() : -1;
    filter.reversedOnly = reversedOnly_->isChecked();
    if (spreadFilter_->currentIndex() > 0) filter.spread = spreadFilter_->currentText();
    if (betweenDates_->isChecked()) {
        filter.from = from_->date();
        filter.to = to_->date();
    }
    std::optional<QSet<qint64>> matching;
    if (!SearchWords(search_->text()).isEmpty() && index_)
        matching = index_->Matching(search_->text());
    model_->Show(filter, matching);
    ShowStatistics();
}

void JournalWindow::ShowStatistics() {
    const JournalStatistics statistics = CountCards(model_->ShownEntries());
    const MessageList& messages = program_.Messages;
    const int all = statistics.positions;
    shares_->setText(messages[Msg::JournalShares]
                         .arg(Percent(statistics.major, all), Percent(statistics.suits[0], all),
                              Percent(statistics.suits[1], all), Percent(statistics.suits[2], all),
                              Percent(statistics.suits[3], all))
                         .arg(all));

    tally_->setRowCount(static_cast<int>(statistics.cards.size()));
    for (int row = 0; row < statistics.cards.size(); ++row) {
        const CardTally& tally = statistics.cards[row];
        const QVariantList cells = {program_.CardTitles[tally.card], tally.upright, tally.reversed,
                                    tally.total()};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setData(Qt::DisplayRole, cells[column]);
            tally_->setItem(row, column, item);
        }
    }

    if (!chart_) return;
    StackedBars bars;
    bars.names = {messages[Msg::Straight], messages[Msg::Reversed]};
    // The most frequent card at the top: a horizontal chart draws its first category lowest.
    for (int row = std::min<int>(kChartedCards, statistics.cards.size()) - 1; row >= 0; --row) {
        const CardTally& tally = statistics.cards[row];
        bars.counts[0].append(tally.upright);
        bars.counts[1].append(tally.reversed);
        bars.categories.append(program_.CardTitles[tally.card]);
    }
    bars.most = statistics.cards.isEmpty() ? 1 : statistics.cards.first().total();
    chart_->ShowBars(bars);
}

void JournalWindow::WatchFolders() {
    const QString saved = program_.Places.UserData() + "/Saved";
    if (!watcher_->directories().isEmpty()) watcher_->removePaths(watcher_->directories());
    QStringList folders = {saved};
    QDirIterator walk(saved, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (walk.hasNext()) folders.append(walk.next());
    watcher_->addPaths(folders);
}

int JournalWindow::CurrentRow() const {
    const QModelIndex current = rows_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void JournalWindow::OpenRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    // As "Open...": never during an animation, and an unsaved reading is asked about first.
    if (flow_.Busy() || !saved_.MayDiscardReading()) return;
    // The journal gives the table room; Ctrl+J brings it back as it was.
    if (saved_.OpenReading(model_->EntryAt(row).path)) close();
}

void JournalWindow::DeleteRow(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QString path = model_->EntryAt(row).path;
    if (program_.platform.messageBoxes->ask(
            this, FixedText::ProgramTitle,
            program_.Messages[Msg::JournalMoveToTrash] + "\n" + QFileInfo(path).fileName(),
            QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    QFile file(path);
    if (!file.moveToTrash()) {
        ShowMessage(program_.Messages[Msg::JournalNotMovedToTrash] + "\n" + file.errorString());
        return;
    }
    StartUpdate();
}

void JournalWindow::ExportCsv() {
    const std::optional<QString> path = program_.platform.fileDialogs->saveFile(
        this, {program_.Places.UserData(), "journal.csv", "CSV (*.csv)", "csv"});
    if (!path) return;
    const MessageList& messages = program_.Messages;
    const JournalCsvTexts texts{
        {messages[Msg::JournalDate], messages[Msg::SpreadName], messages[Msg::PositionGroup],
         messages[Msg::JournalCard], messages[Msg::Reversed], messages[Msg::Comments]},
        messages[Msg::ReversedWord]};
    QString reason;
    if (!WriteWholeFile(*path, JournalCsv(model_->ShownEntries(), program_.CardTitles, texts),
                        &reason))
        ShowMessage(QString(FixedText::CouldNotWriteFile) + "\n" + reason);
}

void JournalWindow::ShowMessage(const QString& text) {
    program_.platform.messageBoxes->showMessage(this, text);
}
