#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

// Everything "quilo --demo" needs besides the program itself: the demo map (installed under
// share/quilo/demo, drawn by the build beside the program, or drawn now into the cache folder)
// copied into a temporary folder with a settings file of its own, so neither the shipped map
// nor the user's settings are ever written, and the GPS source it connects to.
class DemoSession {
public:
    // The simulated receiver inside the program: no device to open, none that can be missing.
    static constexpr char kGpsSource[] = "sim:";

    // False with *error set when the map cannot be found, drawn or copied or the temporary
    // folder cannot be made.
    bool Start(QString* error);

    [[nodiscard]] const QString& MapPath() const { return mapPath_; }
    // The demo town as a tile set, the map the demo starts on; empty when none was shipped.
    [[nodiscard]] const QString& TilesPath() const { return tilesPath_; }
    [[nodiscard]] const QString& SettingsPath() const { return settingsPath_; }
    // The demo's own trail journal, in its temporary folder: one demo's walk never shows in
    // the next.
    [[nodiscard]] std::string JournalPath() const;

    // The folder the build draws the demo map into, beside the program.
    [[nodiscard]] static QString BuiltMapDir();

    // The first folder holding the whole demo map for a program in programDir: the installed
    // PREFIX/share/quilo/demo beside PREFIX/bin, then the build's folder; empty when neither.
    [[nodiscard]] static QString FindMapDir(const QString& programDir);

private:
    std::unique_ptr<QTemporaryDir> sessionDir_;
    QString mapPath_;
    QString tilesPath_;
    QString settingsPath_;
};
