#include "configurator/window/display_check.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// Platform plugins of Qt that draw into memory, a framebuffer or a remote viewer.
const QStringList PlatformsWithoutDisplay = {
    QStringLiteral("offscreen"),   QStringLiteral("minimal"), QStringLiteral("minimalegl"),
    QStringLiteral("eglfs"),       QStringLiteral("linuxfb"), QStringLiteral("vnc"),
    QStringLiteral("vkkhrdisplay")};

QString Variable(const char* name) {
    return QString::fromLocal8Bit(std::getenv(name));
}

// "-platform name" (or "--platform name") on the command line overrides the variable.
QString PlatformArgument(const QStringList& arguments) {
    for (int i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform")) {
            return arguments[i + 1];
        }
    }
    return {};
}

bool XServerAnswers(const QString& display) {
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

bool WaylandSocketAnswers(const QString& socketPath) {
    const QByteArray path = QFile::encodeName(socketPath);
    sockaddr_un address{};
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

// A Wayland display name is a socket in the runtime folder unless it is a path of its own.
QString WaylandSocketPath(const DisplayEnvironment& environment) {
    if (QDir::isAbsolutePath(environment.waylandDisplay)) {
        return environment.waylandDisplay;
    }
    return environment.runtimeDir.isEmpty()
               ? QString()
               : environment.runtimeDir + QLatin1Char('/') + environment.waylandDisplay;
}

} // namespace

DisplayEnvironment DisplayEnvironment::FromProcess(const QStringList& arguments) {
    const QString platform = PlatformArgument(arguments);
    return {platform.isEmpty() ? Variable("QT_QPA_PLATFORM") : platform, Variable("DISPLAY"),
            Variable("WAYLAND_DISPLAY"), Variable("XDG_RUNTIME_DIR")};
}

DisplayProbes DisplayProbes::System() {
    return {XServerAnswers, WaylandSocketAnswers};
}

bool CanShowWindow(const DisplayEnvironment& environment, const DisplayProbes& probes) {
    const auto xAnswers = [&] {
        return !environment.display.isEmpty() && probes.xAnswers(environment.display);
    };
    const auto waylandAnswers = [&] {
        return !environment.waylandDisplay.isEmpty() &&
               probes.waylandAnswers(WaylandSocketPath(environment));
    };
    // The platform may be a list of fallbacks ("wayland;xcb"), each with options after a colon.
    const QStringList entries = environment.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (entries.isEmpty()) {
        return xAnswers() || waylandAnswers();
    }
    for (const QString& entry : entries) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (PlatformsWithoutDisplay.contains(name)) {
            return true;
        }
        if (name == QLatin1String("xcb")                ? xAnswers()
            : name.startsWith(QLatin1String("wayland")) ? waylandAnswers()
                                                        : xAnswers() || waylandAnswers()) {
            return true;
        }
    }
    return false;
}

QString NoDisplayMessage(const QString& program) {
    return QStringLiteral("%1: no display; set DISPLAY or start from a desktop session")
        .arg(program);
}

bool EnsureDisplay(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (CanShowWindow(DisplayEnvironment::FromProcess(arguments))) {
        return true;
    }
    const QString program =
        arguments.isEmpty() ? QStringLiteral("tavro2") : QFileInfo(arguments.first()).fileName();
    std::fprintf(stderr, "%s\n", NoDisplayMessage(program).toLocal8Bit().constData());
    return false;
}
