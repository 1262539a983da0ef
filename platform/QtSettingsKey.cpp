#include "platform/QtSettingsKey.h"

#include <QSettings>

QtSettingsKey::QtSettingsKey()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "Morvantek", "Reruv")) {}

QtSettingsKey::~QtSettingsKey() = default;

std::optional<QString> QtSettingsKey::readText(const QString& name) const {
    const QVariant value = settings_->value(name);
    // A list or other structured value is not a text value: treat it as missing.
    if (!value.isValid() || value.typeId() == QMetaType::QStringList ||
        value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QVariantMap)
        return std::nullopt;
    return value.toString();
}

std::optional<int> QtSettingsKey::readInteger(const QString& name) const {
    const std::optional<QString> text = readText(name);
    if (!text) return std::nullopt;
    bool ok = false;
    const int number = text->toInt(&ok);
    if (!ok) return std::nullopt;
    return number;
}

void QtSettingsKey::writeText(const QString& name, const QString& value) {
    settings_->setValue(name, value);
}

void QtSettingsKey::writeInteger(const QString& name, int value) {
    settings_->setValue(name, value);
}

bool QtSettingsKey::flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
