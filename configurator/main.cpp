#include "configurator/program_process.h"
#include "configurator/window/display_check.h"
#include "configurator/window/main_form.h"

int main(int argc, char* argv[]) {
    if (!EnsureDisplay(argc, argv)) {
        return 1;
    }
    const ProgramProcess process(argc, argv);
    TMForm form(QCoreApplication::applicationDirPath());
    form.show();
    return QApplication::exec();
}
