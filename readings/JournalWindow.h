#pragma once

#include <QFutureWatcher>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>

#include "readings/JournalIndex.h"

class BarChart;
class JournalModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QFileSystemWatcher;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QWidget;
class ReadingFlow;
class SavedReadings;
struct ProgramState;

// "Readings" > "Journal...": every reading file under Saved, newest first, searchable and
// filtered, with statistics of the cards shown. The index is brought up to date off the GUI
// thread whenever the window opens or a file under Saved changes; a row opens on the table
// through the saved readings' own Open.
class JournalWindow : public QWidget {
    Q_OBJECT

public:
    JournalWindow(ProgramState& program, SavedReadings& saved, ReadingFlow& flow,
                  QWidget* mainWindow);
    ~JournalWindow() override;

    // Shows the window and brings its rows up to date with the files.
    void Open();
    // Captions from the current language.
    void Retitle();
    // An update of the index is running.
    bool Indexing() const { return updating_.isRunning(); }

    void OpenRow(int row);
    void DeleteRow(int row);
    void ExportCsv();

signals:
    // The rows show the files as they were when the update began.
    void indexed();

private:
    void BuildWindow();
    void StartUpdate();
    void UpdateFinished();
    // Reads the index into the rows and the filters' lists.
    void LoadEntries();
    void Refilter();
    void ShowStatistics();
    void WatchFolders();
    int CurrentRow() const;
    void ShowMessage(const QString& text);

    ProgramState& program_;
    SavedReadings& saved_;
    ReadingFlow& flow_;
    QString databasePath_;
    std::unique_ptr<JournalIndex> index_;
    JournalModel* model_;

    QLineEdit* search_ = nullptr;
    QComboBox* cardFilter_ = nullptr;
    QCheckBox* reversedOnly_ = nullptr;
    QComboBox* spreadFilter_ = nullptr;
    QCheckBox* betweenDates_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableView* rows_ = nullptr;
    QTableWidget* tally_ = nullptr;
    QLabel* shares_ = nullptr;
    BarChart* chart_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* export_ = nullptr;

    QFutureWatcher<QString> updating_;
    std::atomic_bool cancel_{false};
    // Files changed while an update ran: one more follows it.
    bool updateAgain_ = false;
    bool failureShown_ = false;
    QFileSystemWatcher* watcher_;
    QTimer settle_;
};
