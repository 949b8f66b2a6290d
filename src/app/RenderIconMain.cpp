// quilo-render-icon SVG SIZE OUT.png: draws the program's SVG icon into a SIZE x SIZE PNG. The
// build runs it, so the icon's bitmaps come from the one drawing in res/ and nothing binary
// is committed.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <charconv>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    int size = 0;
    if (argc == 4) {
        const std::string_view text = argv[2];
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), size);
        if (ec != std::errc() || end != text.data() + text.size() || size < 1 || size > 1024)
            size = 0;
    }
    if (size == 0) {
        std::fputs("usage: quilo-render-icon SVG SIZE OUT.png (SIZE 1..1024)\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "quilo-render-icon: %s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "quilo-render-icon: %s: cannot write\n", argv[3]);
        return 1;
    }
    return 0;
}
