#include "platform/unobridge/UnoOffice.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QUrl>

#include <com/sun/star/awt/SystemDependentXWindow.hpp>
#include <com/sun/star/awt/XSystemDependentWindowPeer.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XFrames.hpp>
#include <com/sun/star/lang/SystemDependent.hpp>

#include "platform/WordAutomation.h"

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

namespace {

// A fresh profile takes about two seconds, a used one a fifth of that; a busy machine more.
constexpr int kConnectMs = 60000;
constexpr int kPollMs = 100;
constexpr int kStopMs = 10000;
// The exit code by which the office asks to be started again, as after making a new profile.
constexpr int kRestartCode = 81;
constexpr int kMaxRestarts = 2;

}  // namespace

UnoOffice::UnoOffice(const QString& program, const QString& profileDir, bool headless,
                     const Reference<css::uno::XComponentContext>& local)
    : program_(program) {
    static int runs = 0;
    const QString pipe =
        QString("lumenfold-%1-%2").arg(QCoreApplication::applicationPid()).arg(++runs);
    arguments_ = {"--invisible",
                  "--nologo",
                  "--norestore",
                  "--nodefault",
                  "--nolockcheck",
                  "--accept=pipe,name=" + pipe + ";urp;",
                  "-env:UserInstallation=" + QUrl::fromLocalFile(profileDir).toString()};
    if (headless) arguments_.prepend("--headless");
#ifdef Q_OS_LINUX
    // The office ends with this program even when the program itself ends abruptly.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
#endif
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    Start();

    const Reference<css::bridge::XUnoUrlResolver> resolver =
        css::bridge::UnoUrlResolver::create(local);
    const rtl::OUString url =
        ToOUString("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext");
    const QDeadlineTimer deadline(kConnectMs);
    int restarts = 0;
    Reference<css::uno::XInterface> remote;
    while (!remote.is()) {
        try {
            remote = resolver->resolve(url);
        } catch (const css::connection::NoConnectException&) {
            if (!Running()) {
                if (process_.exitStatus() == QProcess::NormalExit &&
                    process_.exitCode() == kRestartCode && restarts++ < kMaxRestarts) {
                    Start();
                    continue;
                }
                throw AutomationError("the office ended before it answered");
            }
            if (deadline.hasExpired()) {
                Kill();
                throw AutomationError("the office did not answer in time");
            }
            // A pause that ends at once when the office dies.
            process_.waitForFinished(kPollMs);
        }
    }
    auto connection = std::make_shared<UnoConnection>();
    connection->context.set(remote, UNO_QUERY_THROW);
    connection->serviceManager.set(connection->context->getServiceManager(), UNO_QUERY_THROW);
    connection->invocation.set(connection->serviceManager->createInstanceWithContext(
                                   "com.sun.star.script.Invocation", connection->context),
                               UNO_QUERY_THROW);
    connection_ = std::move(connection);
}

UnoOffice::~UnoOffice() {
    connection_.reset();
    if (!Running()) return;
    process_.terminate();
    if (!process_.waitForFinished(kStopMs)) Kill();
}

bool UnoOffice::ShowsWindow() const {
    if (!connection_) return false;
    const Reference<css::frame::XFrames> frames =
        css::frame::Desktop::create(connection_->context)->getFrames();
    for (sal_Int32 i = 0; i < frames->getCount(); ++i) {
        const Reference<css::frame::XFrame> frame(frames->getByIndex(i), UNO_QUERY);
        if (!frame.is()) continue;
        const Reference<css::awt::XSystemDependentWindowPeer> peer(frame->getContainerWindow(),
                                                                   UNO_QUERY);
        if (!peer.is()) continue;
        // The display connection of the window's frame: none where the office draws nowhere.
        css::awt::SystemDependentXWindow window;
        if ((peer->getWindowHandle({}, css::lang::SystemDependent::SYSTEM_XWINDOW) >>= window) &&
            window.DisplayPointer != 0)
            return true;
    }
    return false;
}

void UnoOffice::Start() {
    process_.start(program_, arguments_);
    if (!process_.waitForStarted())
        throw AutomationError("the office could not be started: " +
                              process_.errorString().toStdString());
}

void UnoOffice::Kill() {
    connection_.reset();
    process_.kill();
    process_.waitForFinished(kStopMs);
}
