#include "platform/QSettingsStore.h"

namespace platform {
namespace {

QString KeyPath(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "Morvellan Software Inc.", "QUILO") {}

QSettingsStore::QSettingsStore(const QString& iniPath) : settings_(iniPath, QSettings::IniFormat) {}

int QSettingsStore::ReadInt(std::string_view section, std::string_view key,
                            int defaultValue) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited file may hold anything; text that is not a 32-bit integer reads as absent.
    // QString::toInt parses in the C locale whatever the user's locale.
    bool ok = false;
    const int parsed = value.toString().trimmed().toInt(&ok);
    return ok ? parsed : defaultValue;
}

void QSettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    settings_.setValue(KeyPath(section, key), value);
}

std::string QSettingsStore::ReadText(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    const QVariant value = settings_.value(KeyPath(section, key));
    if (!value.isValid())
        return std::string(defaultValue);
    return value.toString().toStdString();
}

void QSettingsStore::WriteText(std::string_view section, std::string_view key,
                               std::string_view value) {
    settings_.setValue(KeyPath(section, key),
                       QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool QSettingsStore::Sync() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

} // namespace platform
