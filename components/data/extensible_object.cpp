#include "components/data/extensible_object.h"

TExtensibleInterfacedPersistent::~TExtensibleInterfacedPersistent() {
    ClearExtensions();
}

void* TExtensibleInterfacedPersistent::QueryInterface(const QUuid& iid) {
    if (void* own = OwnInterface(iid))
        return own;
    for (auto it = FExtensions.rbegin(); it != FExtensions.rend(); ++it) {
        if ((*it)->Hidden())
            continue;
        if (void* found = (*it)->QueryInterface(iid))
            return found;
    }
    return nullptr;
}

bool TExtensibleInterfacedPersistent::RemoveExtension(TAggregatedPersistentEx* extension) {
    for (auto it = FExtensions.begin(); it != FExtensions.end(); ++it) {
        if (it->get() == extension) {
            // Taken out first: its destructor may look at this object's extensions.
            std::unique_ptr<TAggregatedPersistentEx> removed = std::move(*it);
            FExtensions.erase(it);
            return true;
        }
    }
    return false;
}

void TExtensibleInterfacedPersistent::ClearExtensions() {
    FreeLastFirst(FExtensions);
}
