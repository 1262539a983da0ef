#include "platform/unobridge/UnoConnection.h"

#include <rtl/ustring.hxx>

css::uno::Reference<css::script::XInvocation> UnoConnection::Wrap(
    const css::uno::Any& target) const {
    const css::uno::Sequence<css::uno::Any> arguments(&target, 1);
    // The Invocation service is a factory of adapters; its interface is marked deprecated but
    // is the only way to ask it for one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return css::uno::Reference<css::script::XInvocation>(
        invocation->createInstanceWithArguments(arguments), css::uno::UNO_QUERY);
#pragma GCC diagnostic pop
}

QString FromOUString(const rtl::OUString& text) {
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getStr()), text.getLength());
}

rtl::OUString ToOUString(const QString& text) {
    return rtl::OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()),
                         static_cast<sal_Int32>(text.size()));
}

std::string Describe(const char* what, const rtl::OUString& message) {
    return std::string(what) + ": " + FromOUString(message).toStdString();
}
