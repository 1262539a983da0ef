#pragma once

#include <QStringList>

// Orders spread names: the three built-in spreads first (each under its English or Russian name,
// in the order met), then the rest alphabetically, case-insensitively, in the user's locale.
// Empty names and a single space are dropped.
QStringList ArrangeSpreads(QStringList names);

// The names of the "*.spread" files of a folder without their extension, in the order the
// directory search returns them.
QStringList SpreadNamesIn(const QString& folder);

// The entry of `names` that is `name` itself, else the first that differs from it only in letter
// case; empty when there is none. Names that differ only in case name the same spread.
QString MatchSpreadName(const QStringList& names, const QString& name);

// The spread names of userDir/Spreads and appDir/Spreads together (every "*.spread" file
// without its extension), arranged; the user's name wins where both folders hold one, compared
// without regard to case. The two folders may be one.
QStringList BuildSpreadCatalogue(const QString& userDir, const QString& appDir);
