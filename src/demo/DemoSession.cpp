#include "demo/DemoSession.h"

#include "demo/DemoMap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

QStringList DemoMapFiles(const QString& dir) {
    const QString image = demo::DemoMapImagePath(dir);
    const QString base = image.left(image.size() - 4);
    return {image, base + ".mcd", base + ".pts"};
}

bool HasDemoMap(const QString& dir) {
    const QStringList files = DemoMapFiles(dir);
    return std::all_of(files.begin(), files.end(),
                       [](const QString& file) { return QFileInfo::exists(file); });
}

// The map saves its calibration and points after every change: the copies must be writable
// even when the installed files are not.
bool CopyDemoMap(const QString& from, const QString& to, QString* error) {
    for (const QString& source : DemoMapFiles(from)) {
        const QString target = QDir(to).filePath(QFileInfo(source).fileName());
        if (!QFile::copy(source, target) ||
            !QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadGroup | QFileDevice::ReadOther)) {
            if (error)
                *error = "cannot copy " + source + " into " + to;
            return false;
        }
    }
    return true;
}

} // namespace

QString DemoSession::BuiltMapDir() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("demo");
}

QString DemoSession::FindMapDir(const QString& programDir) {
    const QDir program(programDir);
    for (const QString& dir :
         {QDir::cleanPath(program.filePath("../share/quilo/demo")), program.filePath("demo")}) {
        if (HasDemoMap(dir))
            return dir;
    }
    return {};
}

bool DemoSession::Start(QString* error) {
    QString dir = FindMapDir(QCoreApplication::applicationDirPath());
    if (dir.isEmpty()) {
        // A program moved away from both its build folder and its installed data: draw the
        // map once into the cache.
        dir =
            QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath("demo");
        if (!HasDemoMap(dir) && !demo::WriteDemoMap(dir, error))
            return false;
        if (!QFileInfo::exists(demo::DemoTilesPath(dir)) && !demo::WriteDemoTiles(dir, error))
            return false;
    }

    // A fresh folder each run: the demo starts as a first run would, writes only its own
    // copies and leaves nothing behind.
    sessionDir_ = std::make_unique<QTemporaryDir>();
    if (!sessionDir_->isValid()) {
        if (error)
            *error = "cannot create a folder for the demo's map and settings";
        return false;
    }
    if (!CopyDemoMap(dir, sessionDir_->path(), error))
        return false;
    mapPath_ = demo::DemoMapImagePath(sessionDir_->path());
    // Copied like the map: points added on it are saved beside it.
    const QString tiles = demo::DemoTilesPath(sessionDir_->path());
    if (QFile::copy(demo::DemoTilesPath(dir), tiles))
        tilesPath_ = tiles;
    settingsPath_ = sessionDir_->filePath("QUILO-demo.ini");
    return true;
}

std::string DemoSession::JournalPath() const {
    return sessionDir_ ? sessionDir_->filePath("trail.qjr").toStdString() : std::string();
}
