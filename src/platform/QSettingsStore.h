#pragma once

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QString>

namespace platform {

// The application's profile: an INI file, by default the user's
// ~/.config/Morvellan Software Inc./QUILO.ini. Sections are INI groups ("Settings").
// QSettings writes the file through a temporary file renamed over it, so a crash or a full
// disk never leaves a truncated profile behind.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    // An explicit INI file, for tests and the demo.
    explicit QSettingsStore(const QString& iniPath);

    [[nodiscard]] int ReadInt(std::string_view section, std::string_view key,
                              int defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    [[nodiscard]] std::string ReadText(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;

    // Writes pending changes to the file now; false when the file cannot be written.
    bool Sync();

private:
    mutable QSettings settings_;
};

} // namespace platform
