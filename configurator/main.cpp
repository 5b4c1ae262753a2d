#include "configurator/window/main_form.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro2"));
    TMForm form(QCoreApplication::applicationDirPath());
    form.show();
    return app.exec();
}
