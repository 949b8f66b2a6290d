#include "app/DemoSession.h"

#include "app/DemoMap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool HasDemoMap(const QString& dir) {
    const QString image = demo::DemoMapImagePath(dir);
    const QString base = image.left(image.size() - 4);
    return QFileInfo::exists(image) && QFileInfo::exists(base + ".mcd") &&
           QFileInfo::exists(base + ".pts");
}

} // namespace

QString DemoSession::BuiltMapDir() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("demo");
}

bool DemoSession::Start(QString* error) {
    QString dir = BuiltMapDir();
    if (!HasDemoMap(dir)) {
        // An installed program has no build folder beside it: draw the map once into the cache.
        dir =
            QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).filePath("demo");
        if (!HasDemoMap(dir) && !demo::WriteDemoMap(dir, error))
            return false;
    }
    mapPath_ = demo::DemoMapImagePath(dir);

    // A fresh profile each run: the demo starts as a first run would and leaves nothing behind.
    settingsDir_ = std::make_unique<QTemporaryDir>();
    if (!settingsDir_->isValid()) {
        if (error)
            *error = "cannot create a folder for the demo's settings";
        return false;
    }
    settingsPath_ = settingsDir_->filePath("QUILO-demo.ini");

    std::string why;
    if (!receiver_.Start(&why)) {
        if (error)
            *error = QString::fromStdString(why);
        return false;
    }
    return true;
}
