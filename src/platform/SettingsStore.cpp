#include "platform/SettingsStore.h"

std::string MemorySettingsStore::Path(std::string_view section, std::string_view key) {
    std::string path(section);
    path += '/';
    path += key;
    return path;
}

int MemorySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                 int defaultValue) const {
    const auto it = values_.find(Path(section, key));
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    values_[Path(section, key)] = value;
    writes_.push_back({std::string(section), std::string(key), value});
}

std::string MemorySettingsStore::ReadText(std::string_view section, std::string_view key,
                                          std::string_view defaultValue) const {
    const auto it = texts_.find(Path(section, key));
    return it == texts_.end() ? std::string(defaultValue) : it->second;
}

void MemorySettingsStore::WriteText(std::string_view section, std::string_view key,
                                    std::string_view value) {
    texts_[Path(section, key)] = std::string(value);
}

int OverlaySettingsStore::ReadInt(std::string_view section, std::string_view key,
                                  int defaultValue) const {
    const auto it = ints_.find(MemorySettingsStore::Path(section, key));
    return it == ints_.end() ? base_.ReadInt(section, key, defaultValue) : it->second;
}

void OverlaySettingsStore::WriteInt(std::string_view section, std::string_view key, int value) {
    ints_[MemorySettingsStore::Path(section, key)] = value;
}

std::string OverlaySettingsStore::ReadText(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const {
    const auto it = texts_.find(MemorySettingsStore::Path(section, key));
    return it == texts_.end() ? base_.ReadText(section, key, defaultValue) : it->second;
}

void OverlaySettingsStore::WriteText(std::string_view section, std::string_view key,
                                     std::string_view value) {
    texts_[MemorySettingsStore::Path(section, key)] = std::string(value);
}
