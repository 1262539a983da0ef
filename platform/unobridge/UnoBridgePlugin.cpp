#include "platform/unobridge/UnoBridgePlugin.h"

#include <QTemporaryDir>
#include <QUrl>

#include <com/sun/star/lang/XComponent.hpp>
#include <cppuhelper/bootstrap.hxx>

#include "platform/unobridge/UnoObject.h"
#include "platform/unobridge/UnoOffice.h"

namespace {

const QString kOfficeDir = QStringLiteral(LUMENFOLD_OFFICE_PROGRAM_DIR);

// Without a display the office must not try to open windows.
bool NoDisplay() {
#ifdef Q_OS_UNIX
    return (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) ||
           qgetenv("QT_QPA_PLATFORM") == "offscreen";
#else
    return false;
#endif
}

bool ShowsWindow(const UnoOffice& office) {
    try {
        return office.ShowsWindow();
    } catch (const css::uno::Exception&) {
        return false;
    }
}

// One private office at a time, with a profile of its own that lives as long as this object,
// so only the first start of a run pays for making the profile.
class UnoAutomation : public OfficeAutomation {
public:
    OfficeObjectPtr CreateObject(const QString& programId) override {
        if (programId != "com.sun.star.ServiceManager")
            throw AutomationError("no automation server " + programId.toStdString());
        try {
            if (!local_.is()) {
                if (qEnvironmentVariableIsEmpty("URE_BOOTSTRAP"))
                    qputenv("URE_BOOTSTRAP",
                            QUrl::fromLocalFile(kOfficeDir + "/fundamentalrc").toEncoded());
                local_ = cppu::defaultBootstrap_InitialComponentContext();
            }
            if (office_ && !office_->Running()) office_.reset();
            if (!office_) {
                if (!profile_.isValid()) throw AutomationError("no place for the office profile");
                office_ = std::make_unique<UnoOffice>(kOfficeDir + "/soffice.bin", profile_.path(),
                                                      NoDisplay(), local_);
            }
            return std::make_shared<UnoServiceManager>(office_->connection());
        } catch (const css::uno::Exception& e) {
            office_.reset();
            throw AutomationError(Describe("office", e.Message));
        } catch (const cppu::BootstrapException& e) {
            throw AutomationError(Describe("UNO", e.getMessage()));
        } catch (const AutomationError&) {
            office_.reset();
            throw;
        }
    }

    // An office that shows the document keeps it and serves the next export; one that cannot
    // show it has nothing more to do.
    bool Release(bool failed) override {
        if (!office_) return false;
        if (failed) office_->Kill();
        if (!failed && ShowsWindow(*office_)) return true;
        office_.reset();
        return false;
    }

    // The office first, then this process's own UNO context.
    ~UnoAutomation() override {
        office_.reset();
        const css::uno::Reference<css::lang::XComponent> local(local_, css::uno::UNO_QUERY);
        if (local.is()) local->dispose();
    }

private:
    css::uno::Reference<css::uno::XComponentContext> local_;
    QTemporaryDir profile_;
    std::unique_ptr<UnoOffice> office_;
};

}  // namespace

std::unique_ptr<OfficeAutomation> UnoBridgePlugin::CreateAutomation() {
    return std::make_unique<UnoAutomation>();
}
