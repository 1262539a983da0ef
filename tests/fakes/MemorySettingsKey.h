#pragma once

#include <QMap>
#include <QVariant>

#include "platform/SettingsKey.h"

// A settings key in memory. Values keep their type, so a value stored with the wrong type can be
// planted; like the native store, an integer read parses text.
class MemorySettingsKey : public SettingsKey {
public:
    QMap<QString, QVariant> values;
    QStringList writeOrder;
    bool failFlush = false;

    std::optional<QString> readText(const QString& name) const override {
        const QVariant value = values.value(name);
        if (value.typeId() != QMetaType::QString) return std::nullopt;
        return value.toString();
    }
    std::optional<int> readInteger(const QString& name) const override {
        const QVariant value = values.value(name);
        bool ok = false;
        const int number = value.toString().toInt(&ok);
        if (!value.isValid() || !ok) return std::nullopt;
        return number;
    }
    void writeText(const QString& name, const QString& value) override {
        values[name] = value;
        writeOrder.append(name);
    }
    void writeInteger(const QString& name, int value) override {
        values[name] = value;
        writeOrder.append(name);
    }
    bool flush() override { return !failFlush; }
};
