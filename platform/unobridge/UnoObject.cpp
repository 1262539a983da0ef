#include "platform/unobridge/UnoObject.h"

#include <com/sun/star/beans/XExactName.hpp>
#include <com/sun/star/beans/XMaterialHolder.hpp>
#include <com/sun/star/uno/Exception.hpp>

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::TypeClass;

namespace {

// Every UNO failure of one member becomes an AutomationError naming the member. The base
// class covers InvocationTargetException, UnknownPropertyException, CannotConvertException and
// the RuntimeException of a lost connection.
template <typename Action>
auto Guarded(const QString& member, Action action) {
    try {
        return action();
    } catch (const css::uno::Exception& e) {
        throw AutomationError(Describe(member.toUtf8().constData(), e.Message));
    }
}

}  // namespace

Any ToAny(const QVariant& value) {
    if (!value.isValid()) return Any();
    if (value.metaType() == QMetaType::fromType<OfficeObjectPtr>()) {
        auto* object = dynamic_cast<UnoObject*>(value.value<OfficeObjectPtr>().get());
        if (!object) throw AutomationError("an object of another automation");
        return object->Target();
    }
    switch (value.typeId()) {
        case QMetaType::Bool:
            return Any(value.toBool());
        case QMetaType::Int:
        case QMetaType::UInt:
            return Any(static_cast<sal_Int32>(value.toInt()));
        case QMetaType::LongLong:
            return Any(static_cast<sal_Int64>(value.toLongLong()));
        case QMetaType::Double:
            return Any(value.toDouble());
        case QMetaType::QString:
            return Any(ToOUString(value.toString()));
        case QMetaType::QVariantList: {
            const QVariantList list = value.toList();
            Sequence<Any> items(list.size());
            Any* item = items.getArray();
            for (const QVariant& entry : list) *item++ = ToAny(entry);
            return Any(items);
        }
        default:
            throw AutomationError("a value the office does not take: " +
                                  std::string(value.typeName()));
    }
}

QVariant FromAny(const std::shared_ptr<const UnoConnection>& connection, const Any& value) {
    switch (value.getValueTypeClass()) {
        case TypeClass::TypeClass_VOID:
            return QVariant();
        case TypeClass::TypeClass_BOOLEAN:
            return *static_cast<const sal_Bool*>(value.getValue()) != 0;
        case TypeClass::TypeClass_BYTE:
        case TypeClass::TypeClass_SHORT:
        case TypeClass::TypeClass_UNSIGNED_SHORT:
        case TypeClass::TypeClass_LONG: {
            sal_Int32 number = 0;
            value >>= number;
            return number;
        }
        case TypeClass::TypeClass_UNSIGNED_LONG:
        case TypeClass::TypeClass_HYPER: {
            sal_Int64 number = 0;
            value >>= number;
            return static_cast<qlonglong>(number);
        }
        case TypeClass::TypeClass_ENUM:
            return *static_cast<const sal_Int32*>(value.getValue());
        case TypeClass::TypeClass_FLOAT:
        case TypeClass::TypeClass_DOUBLE: {
            double number = 0;
            value >>= number;
            return number;
        }
        case TypeClass::TypeClass_STRING:
            return FromOUString(*static_cast<const rtl::OUString*>(value.getValue()));
        case TypeClass::TypeClass_INTERFACE: {
            Reference<css::uno::XInterface> object;
            value >>= object;
            if (!object.is()) return QVariant();
            return ValueOf(std::make_shared<UnoObject>(connection, value));
        }
        case TypeClass::TypeClass_STRUCT:
            return ValueOf(std::make_shared<UnoObject>(connection, value));
        case TypeClass::TypeClass_SEQUENCE: {
            Sequence<Any> items;
            if (value >>= items) {
                QVariantList list;
                for (const Any& item : items) list.append(FromAny(connection, item));
                return list;
            }
            break;
        }
        default:
            break;
    }
    throw AutomationError("a value of the office this program does not read: " +
                          Describe("type", value.getValueTypeName()));
}

UnoObject::UnoObject(std::shared_ptr<const UnoConnection> connection, Any target)
    : connection_(std::move(connection)), target_(std::move(target)) {
    invocation_ = Guarded("Invocation", [&] { return connection_->Wrap(target_); });
    if (!invocation_.is()) throw AutomationError("the office gave no invocation adapter");
}

Any UnoObject::Target() const {
    if (target_.getValueTypeClass() != TypeClass::TypeClass_STRUCT) return target_;
    return Guarded("struct", [&] {
        Reference<css::beans::XMaterialHolder> holder(invocation_, css::uno::UNO_QUERY_THROW);
        return holder->getMaterial();
    });
}

rtl::OUString UnoObject::ExactName(const QString& name) const {
    Reference<css::beans::XExactName> exact(invocation_, css::uno::UNO_QUERY);
    const rtl::OUString asked = ToOUString(name);
    if (!exact.is()) return asked;
    const rtl::OUString found = exact->getExactName(asked);
    return found.isEmpty() ? asked : found;
}

QVariant UnoObject::call(const QString& member, QVariantList& args) {
    return Guarded(member, [&] {
        const rtl::OUString name = ExactName(member);
        if (!invocation_->hasMethod(name))
            throw AutomationError("the office object has no method " + member.toStdString());
        Sequence<Any> params(args.size());
        for (int i = 0; i < args.size(); ++i) params.getArray()[i] = ToAny(args[i]);
        Sequence<sal_Int16> outIndices;
        Sequence<Any> outParams;
        const Any result = invocation_->invoke(name, params, outIndices, outParams);
        for (sal_Int32 i = 0; i < outIndices.getLength() && i < outParams.getLength(); ++i) {
            const int at = outIndices[i];
            if (at >= 0 && at < args.size()) args[at] = FromAny(connection_, outParams[i]);
        }
        return FromAny(connection_, result);
    });
}

QVariant UnoObject::property(const QString& name) {
    return Guarded(name, [&] {
        const rtl::OUString exact = ExactName(name);
        if (!invocation_->hasProperty(exact))
            throw AutomationError("the office object has no property " + name.toStdString());
        return FromAny(connection_, invocation_->getValue(exact));
    });
}

void UnoObject::setProperty(const QString& name, const QVariant& value) {
    Guarded(name, [&] {
        const rtl::OUString exact = ExactName(name);
        if (!invocation_->hasProperty(exact))
            throw AutomationError("the office object has no property " + name.toStdString());
        invocation_->setValue(exact, ToAny(value));
        return 0;
    });
}

UnoServiceManager::UnoServiceManager(std::shared_ptr<const UnoConnection> connection)
    : UnoObject(connection, Any(connection->serviceManager)) {}

QVariant UnoServiceManager::call(const QString& member, QVariantList& args) {
    if (member.compare("Bridge_GetStruct", Qt::CaseInsensitive) != 0)
        return UnoObject::call(member, args);
    if (args.size() != 1) throw AutomationError("Bridge_GetStruct takes one type name");
    // A default struct of the type, made by the office's reflection.
    const OfficeObjectPtr reflection =
        ObjectOf(Call("createInstance", {"com.sun.star.reflection.CoreReflection"}));
    const OfficeObjectPtr type = ObjectOf(reflection->Call("forName", {args[0]}));
    QVariantList result{QVariant()};
    type->call("createObject", result);
    return result[0];
}
