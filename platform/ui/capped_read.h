#pragma once
// Reading untrusted input (files, pictures) no further than a size cap.

#include <QByteArray>
#include <QIODevice>

// The device's bytes, but no more than cap + 1 of them: a result longer than cap says the input
// is over the cap. Reads in pieces, so a small input never sets aside the whole cap.
QByteArray ReadAtMost(QIODevice& device, qint64 cap);
