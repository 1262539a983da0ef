#pragma once

#include <optional>

#include <QString>

// One key of named values, like a registry key: text values and 32-bit integer values.
// A value that is missing or cannot be read as the asked type reads as nullopt.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;

    virtual std::optional<QString> readText(const QString& name) const = 0;
    virtual std::optional<int> readInteger(const QString& name) const = 0;
    virtual void writeText(const QString& name, const QString& value) = 0;
    virtual void writeInteger(const QString& name, int value) = 0;
    // Puts the written values in permanent storage; false when that failed.
    virtual bool flush() = 0;
};
