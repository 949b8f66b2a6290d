#include "app/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace app {

QString TranslationsFolder() {
    const QString installed =
        QCoreApplication::applicationDirPath() + "/../share/quilo/translations";
    if (QFileInfo(installed).isDir())
        return QFileInfo(installed).canonicalFilePath();
    return QStringLiteral(QUILO_TRANSLATIONS_IN_BUILD);
}

Translations::Translations(const QLocale& locale) {
    const QString folder = TranslationsFolder();
    // The languages in the user's order (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG); English
    // ends the search, so "en:de" stays English.
    for (QString language : locale.uiLanguages()) {
        language.replace('-', '_');
        if (language == "C" || language.startsWith("en"))
            break;
        // "quilo_de_DE" falls back to "quilo_de".
        if (quilo_.load("quilo_" + language, folder)) {
            language_ = language.section('_', 0, 0);
            break;
        }
    }
    if (language_.isEmpty())
        return;
    QCoreApplication::installTranslator(&quilo_);
    if (qt_.load("qtbase_" + language_, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&quilo_);
}

} // namespace app
