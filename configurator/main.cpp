#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro2"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tavro2"));
    window.resize(1175, 694);
    window.show();
    return app.exec();
}
