#include "spreads/SpreadCatalogue.h"

#include <algorithm>

#include <QCollator>
#include <QDir>
#include <QLocale>

namespace {

struct BuiltinSpread {
    const char* name;
    const char* russianName;
};

constexpr BuiltinSpread kBuiltinSpreads[] = {
    {"Seven Cards Ellipse", "Семикарточный эллипс"},
    {"Relationship", "Отношения"},
    {"Question", "Вопрос"},
};

constexpr int kExtensionLength = 7;  // ".spread"

}  // namespace

QStringList ArrangeSpreads(QStringList names) {
    names.removeIf([](const QString& name) { return name.isEmpty() || name == " "; });
    QStringList result;
    for (const BuiltinSpread& builtin : kBuiltinSpreads) {
        const QString name = QString::fromUtf8(builtin.name);
        const QString russian = QString::fromUtf8(builtin.russianName);
        for (const QString& entry : names)
            if (entry == name || entry == russian) result.append(entry);
        names.removeIf([&](const QString& entry) { return entry == name || entry == russian; });
    }
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), collator);
    return result + names;
}

QStringList SpreadNamesIn(const QString& folder) {
    QStringList names;
    // Matched by hand: a name filter would compile a regular expression at every start.
    for (const QString& file : QDir(folder).entryList(QDir::Files, QDir::Unsorted))
        if (file.endsWith(QLatin1String(".spread"), Qt::CaseInsensitive))
            names.append(file.left(file.size() - kExtensionLength));
    return names;
}

QString MatchSpreadName(const QStringList& names, const QString& name) {
    if (names.contains(name)) return name;
    for (const QString& entry : names)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

QStringList BuildSpreadCatalogue(const QString& userDir, const QString& appDir) {
    QStringList names = SpreadNamesIn(userDir + "/Spreads");
    for (const QString& name : SpreadNamesIn(appDir + "/Spreads"))
        if (!names.contains(name, Qt::CaseInsensitive)) names.append(name);
    return ArrangeSpreads(names);
}
