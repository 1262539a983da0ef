#include "i18n/HelpFiles.h"

#include <QFileInfo>

#include "platform/FileNames.h"
#include "platform/HelpViewer.h"
#include "platform/Shell.h"

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

bool ShowHelp(QWidget* owner, Shell& shell, HelpViewer& viewer, const QString& appDir,
              const QString& language, const QString& helpFile) {
    if (!OpensRussianHelpBook(language)) return viewer.showContents(owner, helpFile);
    const QString book = RussianHelpBook(appDir);
    return shell.openFile(book) || viewer.showContents(owner, book);
}
