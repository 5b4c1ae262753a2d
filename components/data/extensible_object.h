#pragma once
// Objects that implement several interfaces by aggregation: an extensible object keeps a list
// of extensions (aggregated implementation objects) and answers an interface query from its own
// interfaces first, then from its extensions, the most recently added first, skipping hidden
// ones. Extensions are owned by their object and freed with it, last added first; they count
// references and answer queries for their object.

#include "components/data/class_registry.h"
#include "components/data/data_interfaces.h"
#include "components/data/streamable.h"

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

// An implementation object inside a controller: its references and queries are the
// controller's.
class TAggregatedPersistent : public virtual IWkInterface, public TWkStreamable {
public:
    explicit TAggregatedPersistent(TExtensibleInterfacedPersistent& controller)
        : FController(&controller) {}
    virtual ~TAggregatedPersistent() = default;
    TAggregatedPersistent(const TAggregatedPersistent&) = delete;
    TAggregatedPersistent& operator=(const TAggregatedPersistent&) = delete;

    // The object this implementation belongs to.
    TExtensibleInterfacedPersistent* Controller() const { return FController; }

    void* QueryInterface(const QUuid& iid) override;
    int AddRef() override;
    int Release() override;

private:
    TExtensibleInterfacedPersistent* FController;
};

// An extension: answers its own interfaces first, then its controller's.
class TAggregatedPersistentEx : public TAggregatedPersistent {
public:
    using TAggregatedPersistent::TAggregatedPersistent;

    // A hidden extension is not asked by its controller's queries.
    virtual bool Hidden() const { return false; }
    // The registered class name the extension streams under.
    virtual const char* ClassName() const = 0;

    // What the controller asks of it: only the extension's own interfaces.
    void* GetInterface(const QUuid& iid) { return OwnInterface(iid); }
    void* QueryInterface(const QUuid& iid) override;

protected:
    virtual void* OwnInterface(const QUuid& iid) = 0;
};

class TExtensibleInterfacedPersistent : public virtual IWkInterface, public TWkStreamable {
public:
    TExtensibleInterfacedPersistent() = default;
    virtual ~TExtensibleInterfacedPersistent();
    TExtensibleInterfacedPersistent(const TExtensibleInterfacedPersistent&) = delete;
    TExtensibleInterfacedPersistent& operator=(const TExtensibleInterfacedPersistent&) = delete;

    void* QueryInterface(const QUuid& iid) override;
    // Counts; an object whose class frees it when unreferenced goes with its last reference.
    int AddRef() override;
    int Release() override;
    int RefCount() const { return FRefCount; }
    // While suspended, a reference dropped along the way frees nothing; resuming frees nothing
    // either. Pairs nest.
    void SuspendCounting() { ++FRefCount; }
    void ResumeCounting() { --FRefCount; }

    // Takes ownership; returns the extension.
    template <typename Extension, typename... Args> Extension* AddExtension(Args&&... args) {
        auto extension = std::make_unique<Extension>(*this, std::forward<Args>(args)...);
        Extension* added = extension.get();
        FExtensions.push_back(std::move(extension));
        return added;
    }
    // Takes ownership of an extension made for this object.
    TAggregatedPersistentEx* AddExtension(std::unique_ptr<TAggregatedPersistentEx> extension);
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
    // Each extension's own answer for I, in the order they were added.
    template <typename I> std::vector<I*> ExtensionsSupporting() const {
        std::vector<I*> found;
        for (const auto& extension : FExtensions) {
            if (auto* answer = static_cast<I*>(extension->GetInterface(I::IID)))
                found.push_back(answer);
        }
        return found;
    }

protected:
    // The object's own interfaces, asked before the extensions.
    virtual void* OwnInterface(const QUuid& iid) = 0;
    // True for classes whose objects live by their references (made with new, never owned).
    virtual bool FreesWhenUnreferenced() const { return false; }

    int FRefCount = 0;

private:
    std::vector<std::unique_ptr<TAggregatedPersistentEx>> FExtensions;
};

// The maker of extension class E for objects of kind Owner.
template <typename E, typename Owner = TExtensibleInterfacedPersistent>
TWkClassMaker ExtensionMaker() {
    return [](TWkStreamable& owner) -> std::unique_ptr<TWkStreamable> {
        auto* served = dynamic_cast<Owner*>(&owner);
        return served != nullptr ? std::make_unique<E>(*served) : nullptr;
    };
}

// Suspends an object's counting for a scope.
class TWkCountingSuspension {
public:
    explicit TWkCountingSuspension(TExtensibleInterfacedPersistent& object) : object(object) {
        object.SuspendCounting();
    }
    ~TWkCountingSuspension() { object.ResumeCounting(); }
    TWkCountingSuspension(const TWkCountingSuspension&) = delete;
    TWkCountingSuspension& operator=(const TWkCountingSuspension&) = delete;

private:
    TExtensibleInterfacedPersistent& object;
};
