#pragma once

#include <memory>

#include "platform/OfficeAutomation.h"
#include "platform/unobridge/UnoConnection.h"

// An object or struct of the office, called by member name through its invocation adapter.
// Names are matched without regard to case, as late-bound automation does, and are checked
// before a call: an unknown member would otherwise end the whole connection.
class UnoObject : public OfficeObject {
public:
    UnoObject(std::shared_ptr<const UnoConnection> connection, css::uno::Any target);

    QVariant call(const QString& member, QVariantList& args) override;
    QVariant property(const QString& name) override;
    void setProperty(const QString& name, const QVariant& value) override;

    // The object, or the struct with every field set so far, to pass as an argument.
    css::uno::Any Target() const;

protected:
    const std::shared_ptr<const UnoConnection>& connection() const { return connection_; }

private:
    rtl::OUString ExactName(const QString& name) const;

    std::shared_ptr<const UnoConnection> connection_;
    css::uno::Any target_;
    css::uno::Reference<css::script::XInvocation> invocation_;
};

// The service manager: the office's own members and Bridge_GetStruct(name), a new struct of
// the named UNO type.
class UnoServiceManager : public UnoObject {
public:
    explicit UnoServiceManager(std::shared_ptr<const UnoConnection> connection);

    QVariant call(const QString& member, QVariantList& args) override;
};

// Values between the automation's QVariants and UNO's Any.
css::uno::Any ToAny(const QVariant& value);
QVariant FromAny(const std::shared_ptr<const UnoConnection>& connection,
                 const css::uno::Any& value);
