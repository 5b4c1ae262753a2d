#include "configurator/window/display_check.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

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

} // namespace

DisplayEnvironment DisplayEnvironment::FromProcess(const QStringList& arguments) {
    const QString platform = PlatformArgument(arguments);
    return {platform.isEmpty() ? Variable("QT_QPA_PLATFORM") : platform, Variable("DISPLAY"),
            Variable("WAYLAND_DISPLAY")};
}

bool CanShowWindow(const DisplayEnvironment& environment) {
    // The platform may be a list of fallbacks ("wayland;xcb"), each with options after a colon.
    for (const QString& entry : environment.platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        if (PlatformsWithoutDisplay.contains(name)) {
            return true;
        }
    }
    return !environment.display.isEmpty() || !environment.waylandDisplay.isEmpty();
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
