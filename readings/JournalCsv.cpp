#include "readings/JournalCsv.h"

#include <QRegularExpression>

namespace {

QString Field(QString text) {
    // A leading =, +, - or @ would start a formula: an apostrophe keeps the cell as text.
    if (!text.isEmpty() && QString("=+-@\t\r").contains(text.front())) text.prepend('\'');
    static const QRegularExpression quoted("[\",\r\n]");
    if (text.contains(quoted)) text = '"' + text.replace('"', "\"\"") + '"';
    return text;
}

QString Row(const QStringList& fields) {
    QStringList out;
    for (const QString& field : fields) out.append(Field(field));
    return out.join(',') + "\r\n";
}

}  // namespace

QByteArray JournalCsv(const QList<JournalEntry>& entries, const CardTitleList& titles,
                      const JournalCsvTexts& texts) {
    QString csv = Row(texts.headings);
    for (const JournalEntry& entry : entries) {
        if (entry.fault != JournalFault::None) continue;
        const QString date = entry.modified.toLocalTime().toString("yyyy-MM-dd hh:mm");
        for (int k = 0; k < entry.cards.size(); ++k) {
            const JournalCard& card = entry.cards[k];
            csv += Row({date, entry.spreadName, QString::number(k + 1),
                        card.card >= 0 && card.card < kCardCount ? titles[card.card] : QString(),
                        card.reversed ? texts.reversed : QString(), entry.comment});
        }
    }
    return "\xEF\xBB\xBF" + csv.toUtf8();
}
