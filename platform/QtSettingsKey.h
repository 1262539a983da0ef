#pragma once

#include <memory>

#include <QHash>

#include "platform/SettingsKey.h"

class QSettings;

// The user's settings key "Morvantek/Reruv" in the platform's native store
// (the registry on Windows, ~/.config/Morvantek/Reruv.conf here).
class QtSettingsKey : public SettingsKey {
public:
    QtSettingsKey();
    ~QtSettingsKey() override;

    std::optional<QString> readText(const QString& name) const override;
    std::optional<int> readInteger(const QString& name) const override;
    void writeText(const QString& name, const QString& value) override;
    void writeInteger(const QString& name, int value) override;
    bool flush() override;

private:
    std::unique_ptr<QSettings> settings_;
    QHash<QString, QString> written_;  // every value written, as text, to check the store
};
