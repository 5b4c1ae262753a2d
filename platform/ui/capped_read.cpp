#include "platform/ui/capped_read.h"

#include <algorithm>

QByteArray ReadAtMost(QIODevice& device, qint64 cap) {
    constexpr qint64 PieceBytes = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= cap) {
        const QByteArray piece = device.read(std::min(PieceBytes, cap + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes;
}
