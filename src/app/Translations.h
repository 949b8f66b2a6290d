#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace app {

// The window's texts in the first of the locale's languages that has them, and Qt's own texts
// (its dialogs' buttons) in the same language; installed for the object's life. English, or a
// language without a translation, leaves the English texts.
class Translations {
public:
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The language whose translation was found ("de"), or empty.
    [[nodiscard]] QString Language() const { return language_; }

private:
    QTranslator quilo_;
    QTranslator qt_;
    QString language_;
};

// Where the .qm files are: beside the installed program, else in the build tree.
QString TranslationsFolder();

} // namespace app
