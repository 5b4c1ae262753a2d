#pragma once
// Comparing interface identifiers.

#include <QUuid>

// True when both identifiers have the same 16 bytes.
inline bool SameGuid(const QUuid& a, const QUuid& b) {
    return a == b;
}
