#include "platform/QtHelpViewer.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "platform/Interface.h"
#include "platform/WholeFile.h"

namespace {

// The largest help page or picture that is read.
constexpr qint64 kMaxHelpFileBytes = 16 * 1024 * 1024;

// A text browser that reads the pages and pictures on disk as bounded regular files, so a
// FIFO or a device put among the help files cannot stop the program.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (!url.isLocalFile()) return QTextBrowser::loadResource(type, name);
        const std::optional<QByteArray> bytes =
            ReadRegularFile(url.toLocalFile(), kMaxHelpFileBytes);
        return bytes ? QVariant(*bytes) : QVariant();
    }

protected:
    // Esc closes the help window, as it closes the program's dialogs.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
};

// A help file the window can show: a readable regular file of bounded size.
bool Showable(const QFileInfo& file) {
    return file.isFile() && file.isReadable() && file.size() <= kMaxHelpFileBytes;
}

}  // namespace

bool QtHelpViewer::showContents(QWidget* owner, const QString& helpFile) {
    const QFileInfo file(helpFile);
    if (!Showable(file)) return false;
    // The window belongs to the owner, so it closes with it and never outlives the program.
    if (!browser_ || browser_->parentWidget() != owner) {
        delete browser_;
        browser_ = new HelpBrowser(owner);
        // A dialog's window stays above its owner, so a click on the full-screen main window
        // does not bury it; it is not modal.
        browser_->setWindowFlags(Qt::Dialog | Qt::WindowMaximizeButtonHint |
                                 Qt::WindowCloseButtonHint);
        browser_->setAttribute(Qt::WA_DeleteOnClose);
        browser_->setOpenExternalLinks(true);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        browser_->resize(qMin(760, screen.width()), qMin(640, screen.height()));
        browser_->move(screen.center() - browser_->rect().center());
        // The caption is the page's own title, which names the program already.
        QObject::connect(browser_, &QTextBrowser::sourceChanged, browser_, [browser = browser_] {
            const QString page = browser->documentTitle();
            browser->setWindowTitle(page.isEmpty() ? ProgramTitle() : page);
        });
    }
    browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
    return true;
}

void QtHelpViewer::followLanguage(const QString& helpFile) {
    const QFileInfo file(helpFile);
    if (browser_ && browser_->isVisible() && Showable(file))
        browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
}
