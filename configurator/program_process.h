#pragma once
// What the program, the demo and the start-up bench set up before they make the window: the
// application object titled "Tavro2", the libraries' start-up and the standard modules. The
// display must have been checked before (EnsureDisplay).

#include "configurator/library_startup.h"
#include "platform/modules/standard_modules.h"

#include <QApplication>
#include <optional>

class ProgramProcess {
public:
    ProgramProcess(int& argc, char* argv[]) : application(argc, argv) {
        QApplication::setApplicationName(QStringLiteral("Tavro2"));
        libraries.emplace();
        RegisterStandardModules();
    }

private:
    QApplication application;
    // Started once the application is titled, and shut down before the application goes.
    std::optional<LibraryStartup> libraries;
};
