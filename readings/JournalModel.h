#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QSet>

#include <memory>
#include <optional>

#include "readings/JournalIndex.h"
#include "readings/JournalThumbnails.h"

struct ProgramState;

// Which readings the journal shows besides the search.
struct JournalFilter {
    int card = -1;              // -1: any card
    bool reversedOnly = false;  // the card (or, for any card, some card) lies reversed
    QString spread;             // empty: any spread; compared without regard to case
    QDate from;                 // an invalid date: no bound
    QDate to;

    // True when the entry holds what the filter asks for.
    bool Passes(const JournalEntry& entry) const;
};

// The journal's rows: every indexed reading, of which those that pass the filter and the
// search are shown, newest first. Unreadable files are greyed, with the reason in the cards'
// column and the tooltip.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Picture, Date, Spread, Cards, Comment, ColumnCount };

    JournalModel(const ProgramState& program, QObject* parent = nullptr);
    ~JournalModel() override;

    // Takes every indexed reading and the pictures to show them with.
    void SetEntries(QList<JournalEntry> entries, std::unique_ptr<JournalThumbnails> pictures);
    // Shows the entries that pass the filter and, unless nothing is searched for, are among
    // `matching`.
    void Show(const JournalFilter& filter, const std::optional<QSet<qint64>>& matching);

    const QList<JournalEntry>& AllEntries() const { return entries_; }
    QList<JournalEntry> ShownEntries() const;
    const JournalEntry& EntryAt(int row) const { return entries_[shown_[row]]; }
    // The reason an unreadable entry gives, in the current language.
    QString FaultText(const JournalEntry& entry) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString CardsText(const JournalEntry& entry) const;

    const ProgramState& program_;
    QList<JournalEntry> entries_;
    QList<int> shown_;  // indices into entries_
    std::unique_ptr<JournalThumbnails> pictures_;
};
