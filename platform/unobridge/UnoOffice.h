#pragma once

#include <QProcess>
#include <QString>

#include <com/sun/star/uno/XComponentContext.hpp>

#include <memory>

#include "platform/unobridge/UnoConnection.h"

// A private office process of this program: started with its own profile and a pipe of its
// own, reached over that pipe, and stopped with this object.
class UnoOffice {
public:
    // Starts the office and connects; AutomationError when it does not answer in time or ends.
    UnoOffice(const QString& program, const QString& profileDir, bool headless,
              const css::uno::Reference<css::uno::XComponentContext>& local);
    // Ends the office gently, or at once after Kill.
    ~UnoOffice();

    std::shared_ptr<const UnoConnection> connection() const { return connection_; }
    bool Running() const { return process_.state() != QProcess::NotRunning; }
    // Whether one of the office's windows lies on a real display. A windowless office (started
    // headless, or one built without any window system) keeps its documents out of sight.
    bool ShowsWindow() const;
    void Kill();

private:
    void Start();

    QString program_;
    QStringList arguments_;
    QProcess process_;
    std::shared_ptr<const UnoConnection> connection_;
};
