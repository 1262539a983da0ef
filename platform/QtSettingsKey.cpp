#include "platform/QtSettingsKey.h"

#include <QSettings>

namespace {

std::unique_ptr<QSettings> OpenStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Morvantek",
                                       "Reruv");
}

}  // namespace

QtSettingsKey::QtSettingsKey() : settings_(OpenStore()) {}

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
    written_.insert(name, value);
}

void QtSettingsKey::writeInteger(const QString& name, int value) {
    settings_->setValue(name, value);
    written_.insert(name, QString::number(value));
}

bool QtSettingsKey::flush() {
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return true;
    // The status keeps an error met while loading too (a damaged file that this write has just
    // replaced), and then hides later ones: whether the write worked shows in a fresh read.
    const std::unique_ptr<QSettings> stored = OpenStore();
    if (stored->status() != QSettings::NoError) return false;
    for (auto value = written_.cbegin(); value != written_.cend(); ++value)
        if (stored->value(value.key()).toString() != value.value()) return false;
    return true;
}
