#pragma once

#include <QString>

#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/lang/XSingleServiceFactory.hpp>
#include <com/sun/star/script/XInvocation.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

#include <string>

// The office's side of one run: its component context, its service manager and its Invocation
// service, through which every object is called by member name.
struct UnoConnection {
    css::uno::Reference<css::uno::XComponentContext> context;
    css::uno::Reference<css::lang::XMultiComponentFactory> serviceManager;
    css::uno::Reference<css::lang::XSingleServiceFactory> invocation;

    // An invocation adapter for an object or a struct.
    css::uno::Reference<css::script::XInvocation> Wrap(const css::uno::Any& target) const;
};

QString FromOUString(const rtl::OUString& text);
rtl::OUString ToOUString(const QString& text);
// The message of a UNO exception, for AutomationError.
std::string Describe(const char* what, const rtl::OUString& message);
