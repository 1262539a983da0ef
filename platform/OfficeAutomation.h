#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>

#include "platform/WordAutomation.h"

// An object of the office suite's automation, reached by member name like a late-bound
// automation object. Values are QVariants holding a bool, an int, a QString, an
// OfficeObjectPtr (an object or a named struct) or a QVariantList (an array of values).
// Every member throws AutomationError when the office refuses or cannot be reached.
class OfficeObject {
public:
    virtual ~OfficeObject() = default;

    // Calls the method; out arguments come back in their places in args.
    virtual QVariant call(const QString& member, QVariantList& args) = 0;
    virtual QVariant property(const QString& name) = 0;
    virtual void setProperty(const QString& name, const QVariant& value) = 0;

    // A call whose arguments are all in arguments.
    QVariant Call(const QString& member, QVariantList args = {}) { return call(member, args); }
};

using OfficeObjectPtr = std::shared_ptr<OfficeObject>;
Q_DECLARE_METATYPE(OfficeObjectPtr)

// The object held in a value; AutomationError when the value holds none.
inline OfficeObjectPtr ObjectOf(const QVariant& value) {
    OfficeObjectPtr object =
        value.canConvert<OfficeObjectPtr>() ? value.value<OfficeObjectPtr>() : nullptr;
    if (!object) throw AutomationError("the office returned no object");
    return object;
}

inline QVariant ValueOf(const OfficeObjectPtr& object) { return QVariant::fromValue(object); }

// The office suite's automation server. CreateObject("com.sun.star.ServiceManager") gives the
// service manager, which besides the office's own members answers Bridge_GetStruct(name) with
// a new struct of that UNO type.
class OfficeAutomation {
public:
    virtual ~OfficeAutomation() = default;

    // Starts or reaches the office; AutomationError when it is not available.
    virtual OfficeObjectPtr CreateObject(const QString& programId) = 0;
    // Ends the office's run after the objects of CreateObject were released: after a failure
    // the office is stopped at once; after success it stays only while it shows the user a
    // document. True when it stays and shows one.
    virtual bool Release(bool failed) = 0;
};
