#pragma once
// The window's status lamps as GIF streams (made by make_status_pictures.sh, built into the
// program as resources).

#include <QByteArray>

QByteArray RedLampGif();
QByteArray GreenLampGif();
