#pragma once
// The conversion error of the whole program is the utility library's; this adds the message of
// an object asked to copy the settings of an object of an unrelated class.

#include "util/errors.h"

#include <QObject>

// "Cannot assign a <source class> to a <target class>"; a missing source reads "nil".
inline EConvertError CannotAssignError(const QObject* source, const QObject& target) {
    const QString sourceClass = source != nullptr
                                    ? QString::fromLatin1(source->metaObject()->className())
                                    : QStringLiteral("nil");
    return EConvertError(
        QStringLiteral("Cannot assign a %1 to a %2")
            .arg(sourceClass, QString::fromLatin1(target.metaObject()->className())));
}
