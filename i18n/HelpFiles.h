#pragma once

#include <QString>

class HelpViewer;
class QWidget;
class Shell;

// The help file in use before any language brings its own: AppDir/Reruv.html.
QString StartHelpFile(const QString& appDir);

// The Russian help book, opened through the desktop: AppDir/Langs/Russian/ReruvBook.html.
QString RussianHelpBook(const QString& appDir);

// True when the help command opens the Russian help book instead of the help window
// (exact comparison of the language name).
bool OpensRussianHelpBook(const QString& language);

// The help file after loading a language: the language's own Reruv.html when it has one,
// then the Russian help book when the language is "Russian" and the book exists; otherwise the
// help file in use stays.
QString HelpFileForLanguage(const QString& appDir, const QString& language, const QString& current);

// Shows the help of the language: the Russian help book through the desktop, or in the help
// window when the desktop cannot open it; for any other language the help file in the help
// window. False when nothing could be shown.
bool ShowHelp(QWidget* owner, Shell& shell, HelpViewer& viewer, const QString& appDir,
              const QString& language, const QString& helpFile);
