#pragma once
// The error a grid raises when a stream or file it loads or saves fails.

#include "components/base/exception.h"

#include <QIODevice>

// "<operation> failed: <the device's error text>".
inline EWkException GridIoError(const char* operation, const QIODevice& device) {
    return EWkException(
        QStringLiteral("%1 failed: %2").arg(QLatin1String(operation), device.errorString()));
}
