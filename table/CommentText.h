#pragma once

#include <QString>

// A reading's comment keeps its characters exactly as its file holds them: line breaks typed
// in the program are stored as CR LF, and whatever else the file carries (a lone CR or LF)
// stays as it is, so a reading saved again gives the same bytes.

// Typed text (line breaks as "\n", as text boxes give them) as a comment.
QString CommentFromTyped(const QString& typed);

// A comment for a small text box: line breaks as "\n", and bounded so that laying it out stays
// quick whatever the file held. A comment longer than the box can take is cut with "…";
// an unbroken run of characters gets invisible break opportunities, which text boxes wrap at
// far more cheaply than inside a word.
QString CommentForDisplay(const QString& comment);

// True when CommentForDisplay shows less than the whole comment.
bool CommentCutForDisplay(const QString& comment);
