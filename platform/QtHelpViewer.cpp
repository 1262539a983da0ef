#include "platform/QtHelpViewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "platform/Interface.h"

bool QtHelpViewer::showContents(QWidget* owner, const QString& helpFile) {
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable()) return false;
    // The window belongs to the owner, so it closes with it and never outlives the program.
    if (!browser_ || browser_->parentWidget() != owner) {
        delete browser_;
        browser_ = new QTextBrowser(owner);
        browser_->setWindowFlag(Qt::Window);
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setOpenExternalLinks(true);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        browser_->resize(qMin(760, screen.width()), qMin(640, screen.height()));
        browser_->move(screen.center() - browser_->rect().center());
        QObject::connect(browser_, &QTextBrowser::sourceChanged, browser_, [browser = browser_] {
            const QString page = browser->documentTitle();
            const QString program = ProgramTitle();
            browser->setWindowTitle(page.isEmpty() ? program : program + " - " + page);
        });
    }
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
    return true;
}
