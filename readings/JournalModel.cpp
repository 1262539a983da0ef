#include "readings/JournalModel.h"

#include <QApplication>
#include <QPalette>

#include "i18n/Msg.h"
#include "platform/Platform.h"
#include "table/CommentText.h"
#include "table/ProgramState.h"

bool JournalFilter::Passes(const JournalEntry& entry) const {
    if (!spread.isEmpty() && entry.spreadName.compare(spread, Qt::CaseInsensitive) != 0)
        return false;
    // The days' bounds in local time, compared as instants.
    const qint64 when = entry.modified.toMSecsSinceEpoch();
    if ((from.isValid() && when < from.startOfDay().toMSecsSinceEpoch()) ||
        (to.isValid() && when >= to.addDays(1).startOfDay().toMSecsSinceEpoch()))
        return false;
    if (card < 0 && !reversedOnly) return true;
    for (const JournalCard& held : entry.cards)
        if ((card < 0 || held.card == card) && (!reversedOnly || held.reversed)) return true;
    return false;
}

JournalModel::JournalModel(const ProgramState& program, QObject* parent)
    : QAbstractTableModel(parent), program_(program) {}

JournalModel::~JournalModel() = default;

void JournalModel::SetEntries(QList<JournalEntry> entries,
                              std::unique_ptr<JournalThumbnails> pictures) {
    beginResetModel();
    entries_ = std::move(entries);
    pictures_ = std::move(pictures);
    shown_.clear();
    endResetModel();
}

void JournalModel::Show(const JournalFilter& filter, const std::optional<QSet<qint64>>& matching) {
    beginResetModel();
    shown_.clear();
    for (int i = 0; i < entries_.size(); ++i)
        if ((!matching || matching->contains(entries_[i].id)) && filter.Passes(entries_[i]))
            shown_.append(i);
    endResetModel();
}

QList<JournalEntry> JournalModel::ShownEntries() const {
    QList<JournalEntry> shown;
    for (int i : shown_) shown.append(entries_[i]);
    return shown;
}

QString JournalModel::FaultText(const JournalEntry& entry) const {
    const MessageList& messages = program_.Messages;
    switch (entry.fault) {
        case JournalFault::None:
            return {};
        case JournalFault::NotRead:
            return messages[Msg::JournalFileNotRead] + "\n" + entry.faultDetail;
        case JournalFault::Damaged:
            return messages[Msg::JournalFileDamaged];
        case JournalFault::SpreadMissing:
            return messages[Msg::SpreadNotInstalled] + " '" + entry.faultDetail + "'.";
    }
    return {};
}

QString JournalModel::CardsText(const JournalEntry& entry) const {
    if (entry.fault != JournalFault::None) return FaultText(entry).replace('\n', ' ');
    QStringList cards;
    for (const JournalCard& card : entry.cards) {
        QString title = card.card < kCardCount ? program_.CardTitles[card.card] : QString();
        if (card.reversed) title += " (" + program_.Messages[Msg::ReversedWord] + ")";
        cards.append(title);
    }
    return cards.join(", ");
}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= shown_.size()) return {};
    const JournalEntry& entry = EntryAt(index.row());
    const bool faulty = entry.fault != JournalFault::None;
    switch (role) {
        case Qt::DecorationRole:
            if (index.column() == Picture && pictures_) return pictures_->For(entry);
            return {};
        case Qt::ForegroundRole:
            if (faulty) return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
            return {};
        case Qt::ToolTipRole:
            return faulty ? FaultText(entry) + "\n" + entry.path : entry.path;
        case Qt::DisplayRole:
            break;
        default:
            return {};
    }
    switch (index.column()) {
        case Date: {
            const SystemInfo& system = *program_.platform.systemInfo;
            const QDateTime local = entry.modified.toLocalTime();
            return system.shortDate(local.date()) + " " + local.time().toString("HH:mm");
        }
        case Spread:
            return entry.spreadName;
        case Cards:
            return CardsText(entry);
        case Comment:
            return CommentForDisplay(entry.comment).section('\n', 0, 0);
        default:
            return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const MessageList& messages = program_.Messages;
    switch (section) {
        case Date:
            return messages[Msg::JournalDate];
        case Spread:
            return messages[Msg::SpreadName];
        case Cards:
            return messages[Msg::JournalCards];
        case Comment:
            return messages[Msg::Comments];
        default:
            return {};
    }
}
