#include "configurator/library_startup.h"
#include "configurator/window/display_check.h"
#include "configurator/window/main_form.h"
#include "platform/modules/standard_modules.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (!EnsureDisplay(argc, argv)) {
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro2"));
    const LibraryStartup libraries;
    RegisterStandardModules();
    TMForm form(QCoreApplication::applicationDirPath());
    form.show();
    return app.exec();
}
