#include "view/CoreText.h"

#include <QCoreApplication>
#include <QStringList>

namespace view {

namespace {

// The translation of text, or a null string when there is none.
QString Lookup(const QString& text) {
    const QByteArray source = text.toUtf8();
    const QString found = QCoreApplication::translate("core", source.constData());
    return found == text ? QString() : found;
}

QString LineText(const QString& line) {
    if (const QString whole = Lookup(line); !whole.isNull())
        return whole;
    const qsizetype colon = line.indexOf(QLatin1String(": "));
    if (colon <= 0)
        return line;
    if (const QString lead = Lookup(line.left(colon + 2)); !lead.isNull())
        return lead + line.mid(colon + 2);
    // "GPS: End of log.": the words after a name.
    if (const QString rest = Lookup(line.mid(colon + 2)); !rest.isNull())
        return line.left(colon + 2) + rest;
    return line;
}

} // namespace

QString CoreText(const std::string& text) {
    const QString english = QString::fromStdString(text);
    if (const QString whole = Lookup(english); !whole.isNull())
        return whole;
    QStringList lines = english.split('\n');
    for (QString& line : lines)
        line = LineText(line);
    return lines.join('\n');
}

} // namespace view
