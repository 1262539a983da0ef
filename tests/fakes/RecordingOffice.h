#pragma once

#include <QGuiApplication>
#include <QStringList>

#include "platform/OfficeAutomation.h"

// Records every call, property read and property write of the office automation as one line
// ('SM.createInstance("com.sun.star.frame.Desktop")', 'Graphic.GraphicURL = "file:///a"').
// Objects are named by what made them: the last part of the service or struct name given to
// createInstance or Bridge_GetStruct, "Type" from forName, "PropertyValue" from createObject
// (through its out argument), "Doc", "Text" and "Cursor" from the document's calls.
class RecordingOffice : public OfficeAutomation {
public:
    QStringList calls;
    bool available = true;
    bool busyWhenCreated = false;
    bool showsDocument = true;  // what Release answers after success

    OfficeObjectPtr CreateObject(const QString& programId) override {
        calls.append("Create " + programId);
        busyWhenCreated = QGuiApplication::overrideCursor() != nullptr;
        if (!available) throw AutomationError("no office");
        return std::make_shared<Object>(*this, "SM");
    }
    bool Release(bool failed) override {
        calls.append(failed ? "Release failed" : "Release");
        return !failed && showsDocument;
    }

    static QString Render(const QVariant& value) {
        if (value.metaType() == QMetaType::fromType<OfficeObjectPtr>())
            return dynamic_cast<Object&>(*value.value<OfficeObjectPtr>()).name;
        if (value.typeId() == QMetaType::QString) {
            QString text = value.toString();
            return '"' + text.replace("\r", "\\r").replace("\n", "\\n") + '"';
        }
        if (value.typeId() == QMetaType::Bool) return value.toBool() ? "true" : "false";
        if (value.typeId() == QMetaType::QVariantList) return "[" + Render(value.toList()) + "]";
        return value.isValid() ? value.toString() : "?";
    }
    static QString Render(const QVariantList& values) {
        QStringList parts;
        for (const QVariant& value : values) parts.append(Render(value));
        return parts.join(", ");
    }

private:
    class Object : public OfficeObject {
    public:
        Object(RecordingOffice& office, QString objectName)
            : name(std::move(objectName)), office_(office) {}
        QVariant call(const QString& member, QVariantList& args) override {
            office_.calls.append(name + "." + member + "(" + Render(args) + ")");
            if (member == "createObject") {
                args[0] = ValueOf(std::make_shared<Object>(office_, "PropertyValue"));
                return {};
            }
            const QString made = MadeName(member, args);
            if (made.isEmpty()) return {};
            return ValueOf(std::make_shared<Object>(office_, made));
        }
        QVariant property(const QString& property) override {
            office_.calls.append(name + "." + property);
            return {};
        }
        void setProperty(const QString& property, const QVariant& value) override {
            office_.calls.append(name + "." + property + " = " + Render(value));
        }

        const QString name;

    private:
        static QString MadeName(const QString& member, const QVariantList& args) {
            if (member == "forName") return "Type";
            if (member == "createInstance" || member == "Bridge_GetStruct")
                return args.value(0).toString().section('.', -1);
            if (member == "LoadComponentFromURL") return "Doc";
            if (member == "GetText") return "Text";
            if (member == "CreateTextCursor") return "Cursor";
            return {};
        }

        RecordingOffice& office_;
    };
};
