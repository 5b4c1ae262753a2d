#pragma once
// Whether the program can open its window at all, checked before the application object is
// created: without a display Qt would abort with an advice that does not help.

#include <QString>
#include <QStringList>

struct DisplayEnvironment {
    QString
        platform; // the platform asked for: "-platform" on the command line, else QT_QPA_PLATFORM
    QString display;        // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY

    static DisplayEnvironment FromProcess(const QStringList& arguments);
};

// True when a platform asked for draws without a display (offscreen, framebuffer, VNC ...), or
// when an X or Wayland display is named.
bool CanShowWindow(const DisplayEnvironment& environment);

// The line printed when there is no display, for the program named program.
QString NoDisplayMessage(const QString& program);

// For main: true when the window can be shown; otherwise prints NoDisplayMessage to standard
// error and returns false (the program then ends with status 1).
bool EnsureDisplay(int argc, char* argv[]);
