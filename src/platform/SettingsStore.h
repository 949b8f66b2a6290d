#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The application's profile as the core sees it: integers under a section and a key. The Qt
// implementation lives in platform/QSettingsStore.h; MemorySettingsStore serves tests.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Returns the stored value, or defaultValue when the key is absent or does not hold an
    // integer. Failures of the store are not reported: they read as the default.
    [[nodiscard]] virtual int ReadInt(std::string_view section, std::string_view key,
                                      int defaultValue) const = 0;
    // Stores value; a failed write is ignored (the next read then yields the default).
    virtual void WriteInt(std::string_view section, std::string_view key, int value) = 0;

    // Text values (the "GPSDevice" path); the same rules as the integers.
    [[nodiscard]] virtual std::string ReadText(std::string_view section, std::string_view key,
                                               std::string_view defaultValue) const = 0;
    virtual void WriteText(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

// A store held in memory. Remembers every write in order, so a caller can check what was
// written and when.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Write {
        std::string section;
        std::string key;
        int value = 0;
        friend bool operator==(const Write&, const Write&) = default;
    };

    [[nodiscard]] int ReadInt(std::string_view section, std::string_view key,
                              int defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    [[nodiscard]] std::string ReadText(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;

    [[nodiscard]] const std::map<std::string, int>& Values() const { return values_; }
    [[nodiscard]] const std::vector<Write>& Writes() const { return writes_; }
    void ClearWrites() { writes_.clear(); }

    // "section/key", the name a value is held under.
    static std::string Path(std::string_view section, std::string_view key);

private:
    std::map<std::string, int> values_; // "section/key" -> value
    std::vector<Write> writes_;
    std::map<std::string, std::string> texts_;
};

// Reads through to another store and keeps its own writes in memory, so that a run can change
// settings for itself without writing the user's (a screenshot).
class OverlaySettingsStore final : public SettingsStore {
public:
    // base must outlive the overlay.
    explicit OverlaySettingsStore(const SettingsStore& base) : base_(base) {}

    [[nodiscard]] int ReadInt(std::string_view section, std::string_view key,
                              int defaultValue) const override;
    void WriteInt(std::string_view section, std::string_view key, int value) override;
    [[nodiscard]] std::string ReadText(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;

private:
    const SettingsStore& base_;
    std::map<std::string, int> ints_; // "section/key" -> value
    std::map<std::string, std::string> texts_;
};
