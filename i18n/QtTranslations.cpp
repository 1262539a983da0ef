#include "i18n/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>

namespace {

constexpr char kTranslatorName[] = "QtTranslations";

// The language whose English name is the directory name; C when none is.
QLocale::Language LanguageNamed(const QString& name) {
    for (int language = QLocale::AnyLanguage + 1; language <= QLocale::LastLanguage; ++language)
        if (QLocale::languageToString(QLocale::Language(language)) == name)
            return QLocale::Language(language);
    return QLocale::C;
}

}  // namespace

void UseQtTranslations(QObject* owner, const QString& languageName) {
    // A translator leaves the application when it is destroyed.
    delete owner->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    const QLocale::Language language = LanguageNamed(languageName);
    if (language == QLocale::C || language == QLocale::English) return;
    auto* translator = new QTranslator(owner);
    translator->setObjectName(kTranslatorName);
    if (translator->load(QLocale(language), "qt", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QString QtButtonText(QDialogButtonBox::StandardButton button) {
    const QDialogButtonBox box(button);
    return box.button(button)->text();
}
