#include "components/data/extensible_object.h"

void* TAggregatedPersistent::QueryInterface(const QUuid& iid) {
    return FController->QueryInterface(iid);
}

int TAggregatedPersistent::AddRef() {
    return FController->AddRef();
}

int TAggregatedPersistent::Release() {
    return FController->Release();
}

void* TAggregatedPersistentEx::QueryInterface(const QUuid& iid) {
    if (void* own = OwnInterface(iid))
        return own;
    return TAggregatedPersistent::QueryInterface(iid);
}

TExtensibleInterfacedPersistent::~TExtensibleInterfacedPersistent() {
    ClearExtensions();
}

void* TExtensibleInterfacedPersistent::QueryInterface(const QUuid& iid) {
    if (void* own = OwnInterface(iid))
        return own;
    for (auto it = FExtensions.rbegin(); it != FExtensions.rend(); ++it) {
        if ((*it)->Hidden())
            continue;
        if (void* found = (*it)->GetInterface(iid))
            return found;
    }
    return nullptr;
}

int TExtensibleInterfacedPersistent::AddRef() {
    return ++FRefCount;
}

int TExtensibleInterfacedPersistent::Release() {
    const int count = --FRefCount;
    if (count == 0 && FreesWhenUnreferenced())
        delete this;
    return count;
}

TAggregatedPersistentEx*
TExtensibleInterfacedPersistent::AddExtension(std::unique_ptr<TAggregatedPersistentEx> extension) {
    TAggregatedPersistentEx* added = extension.get();
    FExtensions.push_back(std::move(extension));
    return added;
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
