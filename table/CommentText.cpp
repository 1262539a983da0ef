#include "table/CommentText.h"

namespace {

// Enough for pages of notes in a box of a few lines; laid out in a fraction of a second.
constexpr qsizetype kMaxShownChars = 20000;
// Text boxes wrap a word longer than the box anywhere, at a cost that grows with the square of
// its length; a run this long is no word a person types (a long link stays whole).
constexpr qsizetype kMaxUnbrokenRun = 1000;
constexpr QChar kZeroWidthSpace(0x200B);

}  // namespace

QString CommentFromTyped(const QString& typed) {
    QString comment = typed;
    return comment.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

bool CommentCutForDisplay(const QString& comment) { return comment.size() > kMaxShownChars; }

QString CommentForDisplay(const QString& comment) {
    QString shown = comment.left(kMaxShownChars);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString result;
    result.reserve(shown.size() + shown.size() / kMaxUnbrokenRun + 1);
    qsizetype run = 0;
    for (const QChar c : shown) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kMaxUnbrokenRun) {
            result += kZeroWidthSpace;
            run = 1;
        }
        result += c;
    }
    if (CommentCutForDisplay(comment)) result += QChar(0x2026);
    return result;
}
