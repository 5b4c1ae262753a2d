#pragma once
// Whether the program can open its window at all, checked before the application object is
// created: without a display, or with one that does not answer, Qt would abort with an advice
// that does not help.

#include <QString>
#include <QStringList>
#include <functional>

struct DisplayEnvironment {
    QString
        platform; // the platform asked for: "-platform" on the command line, else QT_QPA_PLATFORM
    QString display;        // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString runtimeDir;     // XDG_RUNTIME_DIR, where a relative Wayland display's socket lies

    static DisplayEnvironment FromProcess(const QStringList& arguments);
};

// Whether a named display accepts a connection.
struct DisplayProbes {
    std::function<bool(const QString& display)> xAnswers;
    std::function<bool(const QString& socketPath)> waylandAnswers;

    // Connects to the X server and to the Wayland socket for real.
    static DisplayProbes System();
};

// True when a platform asked for draws without a display (offscreen, framebuffer, VNC ...), or
// when an X or Wayland display that the platform asked for can use is named and answers.
bool CanShowWindow(const DisplayEnvironment& environment,
                   const DisplayProbes& probes = DisplayProbes::System());

// The line printed when there is no display, for the program named program.
QString NoDisplayMessage(const QString& program);

// For main: true when the window can be shown; otherwise prints NoDisplayMessage to standard
// error and returns false (the program then ends with status 1).
bool EnsureDisplay(int argc, char* argv[]);
