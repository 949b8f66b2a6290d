// quilo: the moving-map GPS viewer.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("QUILO");
    QApplication::setOrganizationName("Morvellan Software Inc.");
    QMainWindow window;
    window.setWindowTitle("QUILO");
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
