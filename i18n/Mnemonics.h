#pragma once

#include <QStringList>

// The texts of one menu (or of the menu bar) with a keyboard letter each: "&" goes before the
// first letter or digit that no earlier text of the group has taken, the first letters of
// words before the others, compared without regard to case. A literal "&" is doubled so it
// shows as itself; a text with nothing left to take gets no letter.
QStringList WithMnemonics(const QStringList& texts);
