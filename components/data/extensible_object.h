#pragma once
// Objects that implement several interfaces by aggregation: an extensible object keeps a list
// of extensions (aggregated implementation objects) and answers an interface query from its own
// interfaces first, then from its extensions, the most recently added first, skipping hidden
// ones. Extensions are owned by their object and freed with it, last added first.

#include "components/data/data_interfaces.h"

#include <memory>
#include <vector>

class TExtensibleInterfacedPersistent;

// Frees owned objects last first, each taken out before it goes, so that none of them sees a
// half-freed vector from its destructor.
template <typename T> void FreeLastFirst(std::vector<std::unique_ptr<T>>& owned) {
    while (!owned.empty()) {
        std::unique_ptr<T> last = std::move(owned.back());
        owned.pop_back();
    }
}

class TAggregatedPersistentEx : public virtual IWkInterface {
public:
    virtual ~TAggregatedPersistentEx() = default;

    // The object this extension belongs to.
    TExtensibleInterfacedPersistent* Controller() const { return FController; }
    // A hidden extension is not asked by its controller's queries.
    virtual bool Hidden() const { return false; }
    // The registered class name the extension streams under.
    virtual const char* ClassName() const = 0;

    // This extension's own interfaces; the controller's query goes through every extension.
    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

    explicit TAggregatedPersistentEx(TExtensibleInterfacedPersistent& controller)
        : FController(&controller) {}

protected:
    virtual void* OwnInterface(const QUuid& iid) = 0;

private:
    TExtensibleInterfacedPersistent* FController;
};

class TExtensibleInterfacedPersistent : public virtual IWkInterface {
public:
    TExtensibleInterfacedPersistent() = default;
    virtual ~TExtensibleInterfacedPersistent();
    TExtensibleInterfacedPersistent(const TExtensibleInterfacedPersistent&) = delete;
    TExtensibleInterfacedPersistent& operator=(const TExtensibleInterfacedPersistent&) = delete;

    void* QueryInterface(const QUuid& iid) override;

    // Takes ownership; returns the extension.
    template <typename Extension, typename... Args> Extension* AddExtension(Args&&... args) {
        auto extension = std::make_unique<Extension>(*this, std::forward<Args>(args)...);
        Extension* added = extension.get();
        FExtensions.push_back(std::move(extension));
        return added;
    }
    // Frees the extension; false when it is not one of this object's.
    bool RemoveExtension(TAggregatedPersistentEx* extension);
    void ClearExtensions();
    int ExtensionCount() const { return int(FExtensions.size()); }
    TAggregatedPersistentEx* Extension(int index) const { return FExtensions.at(index).get(); }
    // The first extension of class E, or null.
    template <typename E> E* FindExtension() const {
        for (const auto& extension : FExtensions) {
            if (auto* found = dynamic_cast<E*>(extension.get()))
                return found;
        }
        return nullptr;
    }

protected:
    // The object's own interfaces, asked before the extensions.
    virtual void* OwnInterface(const QUuid& iid) = 0;

private:
    std::vector<std::unique_ptr<TAggregatedPersistentEx>> FExtensions;
};
