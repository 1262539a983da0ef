#include "i18n/Mnemonics.h"

#include <QSet>

namespace {

// The places of the text's letters and digits, the first letters of words first.
QList<qsizetype> Candidates(const QString& text) {
    QList<qsizetype> wordStarts;
    QList<qsizetype> others;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!text[i].isLetterOrNumber()) continue;
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        (wordStart ? wordStarts : others).append(i);
    }
    return wordStarts + others;
}

}  // namespace

QStringList WithMnemonics(const QStringList& texts) {
    QSet<QString> taken;
    QStringList marked;
    for (const QString& text : texts) {
        qsizetype chosen = -1;
        for (const qsizetype i : Candidates(text)) {
            const QString letter = text.mid(i, 1).toCaseFolded();
            if (taken.contains(letter)) continue;
            taken.insert(letter);
            chosen = i;
            break;
        }
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (i == chosen) result += '&';
            result += text[i];
            if (text[i] == '&') result += '&';
        }
        marked.append(result);
    }
    return marked;
}
