#pragma once
// Raised when an object is asked to copy the settings of an object of an unrelated class.

#include "components/base/exception.h"

#include <QObject>

class EConvertError : public EWkException {
public:
    using EWkException::EWkException;

    // "Cannot assign a <source class> to a <target class>"; a missing source reads "nil".
    static EConvertError CannotAssign(const QObject* source, const QObject& target) {
        const QString sourceClass = source != nullptr
                                        ? QString::fromLatin1(source->metaObject()->className())
                                        : QStringLiteral("nil");
        return EConvertError(
            QStringLiteral("Cannot assign a %1 to a %2")
                .arg(sourceClass, QString::fromLatin1(target.metaObject()->className())));
    }
};
