#pragma once
// Contexts: named variants of a provider's item texts and states, held in context lists. A
// list announces additions and deletions to its provider; clearing it announces nothing. Before
// a context leaves its list, the provider's items are told, so that what they kept for it goes
// too.
//
// A context lives by its counted references (TWkRef): its list holds one while the context is
// in it, and a consumer that selected it holds another. A context taken out of its list while
// still referenced lives on without a list.

#include "components/data/extensible_object.h"

#include <memory>
#include <vector>

class TWkBaseDataContexts;
class TWkBaseDataContextsManager;

// The naming aspect of a context whose name can be changed.
class IWkDataContextNaming : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{530367D8-601C-4E36-B5F0-357160497C50}")};
    // Raises EWkDataContexts "A context with that name already exists" when another context of
    // the list has the name.
    virtual void SetName(const TWkDataContextID& name) = 0;
};

class TWkBaseDataContext : public TExtensibleInterfacedPersistent, public IWkDataContext {
public:
    // Raises EWkDataContexts "Cannot create a context without a context list owner" for a
    // null list.
    explicit TWkBaseDataContext(TWkBaseDataContexts* contexts);
    TWkBaseDataContext(const TWkBaseDataContext&) = delete;
    TWkBaseDataContext& operator=(const TWkBaseDataContext&) = delete;

    virtual const char* ClassName() const = 0;
    TWkDataContextID Name() const override { return ReadName(); }
    // Null once the context has left its list.
    IWkDataContexts* ContextList() const override;
    bool Deletable() const override { return true; }
    // Only contexts that cannot be deleted are stored with their provider.
    bool Streamable() const override { return !Deletable(); }

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;
    bool FreesWhenUnreferenced() const override { return true; }
    // Raises like IWkDataContextNaming::SetName, then stores the name.
    void SetName(const TWkDataContextID& name);
    virtual void StoreName(const TWkDataContextID& name) = 0;
    virtual TWkDataContextID ReadName() const = 0;

private:
    friend class TWkDataContexts;

    TWkBaseDataContexts* FContexts;
};

class TWkDataContext : public TWkBaseDataContext {
public:
    static constexpr const char* RegisteredName = "TWkDataContext";

    TWkDataContext(TWkBaseDataContexts* contexts, const TWkDataContextID& name)
        : TWkBaseDataContext(contexts), FName(name) {}
    const char* ClassName() const override { return RegisteredName; }

protected:
    void StoreName(const TWkDataContextID& name) override { FName = name; }
    TWkDataContextID ReadName() const override { return FName; }

private:
    TWkDataContextID FName;
};

class TWkManagedDataContext : public TWkDataContext, public IWkDataContextNaming {
public:
    static constexpr const char* RegisteredName = "TWkManagedDataContext";

    using TWkDataContext::TWkDataContext;
    const char* ClassName() const override { return RegisteredName; }
    void SetName(const TWkDataContextID& name) override { TWkDataContext::SetName(name); }

protected:
    void* OwnInterface(const QUuid& iid) override;
};

// A context that is never deleted.
class TWkFixedDataContext : public TWkDataContext {
public:
    static constexpr const char* RegisteredName = "TWkFixedDataContext";

    using TWkDataContext::TWkDataContext;
    const char* ClassName() const override { return RegisteredName; }
    bool Deletable() const override { return false; }
};

class TWkBaseDataContexts : public TExtensibleInterfacedPersistent, public IWkDataContexts {
public:
    // Makes the management extension of a new list.
    using ManagerClass = std::unique_ptr<TWkBaseDataContextsManager> (*)(TWkBaseDataContexts&);

    // With a manager class, the list gets a manager of that class as an extension.
    TWkBaseDataContexts(IWkDataProvider* provider, IWkDataContext* ancestor,
                        ManagerClass managerClass = nullptr);

    virtual const char* ClassName() const = 0;
    IWkDataProvider* Provider() const override { return FProvider.Get(); }
    IWkDataContext* Ancestor() const override { return FAncestor; }
    IWkDataContext* ContextByName(const QString& path) override;
    // By identity, last context first; -1 when absent.
    int IndexOf(IWkDataContext* context) const override;

    // Adds a new context, not yet referenced, announcing pcrContextAdd; the same context again
    // does nothing. Raises EWkDataContexts "A context with that name already exists" for
    // another context of that name (the context is freed then).
    virtual TWkBaseDataContext* Add(std::unique_ptr<TWkBaseDataContext> context) = 0;
    // Takes the context at index out of the list when there is one and it is deletable,
    // announcing pcrContextDelete; does nothing otherwise. The list's reference goes with it.
    virtual void Delete(int index) = 0;
    virtual void Remove(IWkDataContext* context) = 0;
    // Takes every context out without announcing it.
    virtual void Clear() = 0;

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;
    // Tells the provider's items that context is about to go.
    void ContextDestroying(IWkDataContext* context) const;

private:
    TWkRef<IWkDataProvider> FProvider;
    IWkDataContext* FAncestor;
};

class TWkDataContexts : public TWkBaseDataContexts {
public:
    static constexpr const char* RegisteredName = "TWkDataContexts";

    using TWkBaseDataContexts::TWkBaseDataContexts;
    ~TWkDataContexts() override;

    const char* ClassName() const override { return RegisteredName; }
    int Count() const override { return int(FContexts.size()); }
    // Raises EWkDataContexts "List index out of bounds (%d)" outside the list.
    IWkDataContext* Context(int index) const override;
    TWkBaseDataContext* Add(std::unique_ptr<TWkBaseDataContext> context) override;
    void Delete(int index) override;
    void Remove(IWkDataContext* context) override;
    void Clear() override;

private:
    // Tells the items, unlinks the context from this list and drops the list's reference.
    void LetGo(TWkRef<TWkBaseDataContext> context);

    std::vector<TWkRef<TWkBaseDataContext>> FContexts;
};

// Adding, deleting and clearing the contexts of a list.
class IWkDataContextsManager : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{A94D62CA-F9B4-4DAA-9091-86D01A962BB1}")};
    // Returns the context, now in the list.
    virtual TWkBaseDataContext* Add(std::unique_ptr<TWkBaseDataContext> context) = 0;
    // Makes a context of the provider's own kind and adds it.
    virtual TWkBaseDataContext* NewContext(const TWkDataContextID& name) = 0;
    virtual void Delete(IWkDataContext* context) = 0;
    virtual void Clear() = 0;
};

// The management extension of a context list; a provider supplies NewContext.
class TWkBaseDataContextsManager : public TAggregatedPersistentEx, public IWkDataContextsManager {
public:
    explicit TWkBaseDataContextsManager(TExtensibleInterfacedPersistent& list)
        : TAggregatedPersistentEx(list) {}

    TWkBaseDataContexts& Contexts() const;
    TWkBaseDataContext* Add(std::unique_ptr<TWkBaseDataContext> context) override;
    void Delete(IWkDataContext* context) override;
    void Clear() override;

protected:
    void* OwnInterface(const QUuid& iid) override;
};

// The manager class that makes managers of class M.
template <typename M> TWkBaseDataContexts::ManagerClass ContextsManagerClass() {
    return [](TWkBaseDataContexts& list) -> std::unique_ptr<TWkBaseDataContextsManager> {
        return std::make_unique<M>(list);
    };
}

// The maker of context class C, unnamed, for the context list it will join.
template <typename C> TWkClassMaker ContextMaker() {
    return [](TWkStreamable& owner) -> std::unique_ptr<TWkStreamable> {
        auto* list = dynamic_cast<TWkBaseDataContexts*>(&owner);
        return list != nullptr ? std::make_unique<C>(list, TWkDataContextID()) : nullptr;
    };
}
