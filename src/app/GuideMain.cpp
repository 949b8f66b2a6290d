// quilo-guide README.md OUT.html: writes the user guide the Help menu opens, from the README's
// sections for users (from "Install" up to the first section on how the program is built), so
// the guide and the README never disagree.
#include <QFile>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstdio>

namespace {

// The README's sections from "## Install" to the one before "## Layout".
QString UserSections(const QString& readme) {
    const qsizetype from = readme.indexOf(QLatin1String("\n## Install"));
    const qsizetype to = readme.indexOf(QLatin1String("\n## Layout"));
    if (from < 0 || to <= from)
        return {};
    return QStringLiteral("# QUILO User Guide\n") + readme.mid(from, to - from);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: quilo-guide README.md OUT.html\n", stderr);
        return 2;
    }
    QGuiApplication app(argc, argv);
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quilo-guide: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString guide = UserSections(QString::fromUtf8(in.readAll()));
    if (guide.isEmpty()) {
        std::fprintf(stderr, "quilo-guide: %s has no Install ... Layout sections\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(guide);
    document.setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("QUILO User Guide"));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(document.toHtml().toUtf8()) < 0 || !out.flush()) {
        std::fprintf(stderr, "quilo-guide: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
