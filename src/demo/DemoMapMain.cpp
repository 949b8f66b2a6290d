// quilo-demo-map DIR [--sheets]: draws the demo town's map and writes it with its calibration
// and points files, and as a small MBTiles tile set, into DIR. The build runs it, so the demo ships
// with a map of our own. With
// --sheets it writes the map cut into adjoining calibrated sheets instead, a map folder.
#include "demo/DemoMap.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool sheets = argc == 3 && QByteArray(argv[2]) == "--sheets";
    if (argc != 2 && !sheets) {
        std::fputs("usage: quilo-demo-map DIR [--sheets]\n", stderr);
        return 2;
    }
    QString error;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!(sheets ? demo::WriteDemoSheets(dir, &error)
                 : demo::WriteDemoMap(dir, &error) && demo::WriteDemoTiles(dir, &error))) {
        std::fprintf(stderr, "quilo-demo-map: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
