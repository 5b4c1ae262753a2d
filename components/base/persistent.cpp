#include "components/base/persistent.h"

TWkPersistent::TWkPersistent(QObject* owner) : QObject(owner), owner(owner) {}

QString TWkPersistent::GetNamePath() const {
    const QString own = objectName();
    if (owner == nullptr)
        return own;
    const auto* persistentOwner = qobject_cast<const TWkPersistent*>(owner);
    const QString ownerPath =
        persistentOwner != nullptr ? persistentOwner->GetNamePath() : owner->objectName();
    if (ownerPath.isEmpty())
        return own;
    return ownerPath + QLatin1Char('.') + own;
}
