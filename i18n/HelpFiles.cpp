#include "i18n/HelpFiles.h"

#include <QFileInfo>

#include "platform/FileNames.h"

QString StartHelpFile(const QString& appDir) { return appDir + "/Reruv.html"; }

QString RussianHelpBook(const QString& appDir) { return appDir + "/Langs/Russian/ReruvBook.html"; }

bool OpensRussianHelpBook(const QString& language) { return language == "Russian"; }

QString HelpFileForLanguage(const QString& appDir, const QString& language,
                            const QString& current) {
    QString help = current;
    if (IsSafeFileName(language)) {
        const QString own = appDir + "/Langs/" + language + "/Reruv.html";
        if (QFileInfo(own).isFile()) help = own;
    }
    if (OpensRussianHelpBook(language) && QFileInfo(RussianHelpBook(appDir)).isFile())
        help = RussianHelpBook(appDir);
    return help;
}
