#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include "i18n/CardTitles.h"
#include "readings/JournalIndex.h"

// The words a spreadsheet of readings is written with, in the current language.
struct JournalCsvTexts {
    // Date, spread, position, card, orientation, comment.
    QStringList headings;
    // The orientation column's word for a reversed card; an upright one leaves it empty.
    QString reversed;
};

// Readings for a spreadsheet: UTF-8 CSV with a byte order mark, a heading row, then one row
// per position of every readable entry, the date as yyyy-MM-dd hh:mm. A field that a
// spreadsheet would take for a formula is written as text.
QByteArray JournalCsv(const QList<JournalEntry>& entries, const CardTitleList& titles,
                      const JournalCsvTexts& texts);
