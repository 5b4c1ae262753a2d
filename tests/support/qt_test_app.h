#pragma once
// Tests that create widgets, fonts or pixmaps need one application object per process; the
// first caller makes it and it lives until the process ends.

#include <QApplication>

inline void EnsureQtApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tavro-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
