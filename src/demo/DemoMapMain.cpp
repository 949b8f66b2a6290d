// quilo-demo-map DIR: draws the demo town's map and writes it with its calibration and points
// files into DIR. The build runs it, so the demo ships with a map of our own.
#include "demo/DemoMap.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quilo-demo-map DIR\n", stderr);
        return 2;
    }
    QString error;
    if (!demo::WriteDemoMap(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "quilo-demo-map: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
