#include "pictures/status/status_pictures.h"

#include <QFile>

// Outside any namespace, as Qt's resource initialiser requires. A static library's resources
// are registered only when something asks for them.
static QByteArray StatusResource(const QString& path) {
    Q_INIT_RESOURCE(status_pictures);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray RedLampGif() {
    return StatusResource(QStringLiteral(":/status/red_lamp.gif"));
}

QByteArray GreenLampGif() {
    return StatusResource(QStringLiteral(":/status/green_lamp.gif"));
}
