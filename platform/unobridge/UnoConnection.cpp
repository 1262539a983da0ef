#include "platform/unobridge/UnoConnection.h"

#include <rtl/ustring.hxx>

css::uno::Reference<css::script::XInvocation> UnoConnection::Wrap(
    const css::uno::Any& target) const {
    const css::uno::Sequence<css::uno::Any> arguments(&target, 1);
    return css::uno::Reference<css::script::XInvocation>(
        serviceManager->createInstanceWithArgumentsAndContext("com.sun.star.script.Invocation",
                                                              arguments, context),
        css::uno::UNO_QUERY);
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
