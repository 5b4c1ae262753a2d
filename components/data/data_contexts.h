#pragma once
// Contexts: named variants of a provider's item texts and states, held in context lists. A
// list announces additions and deletions to its provider; clearing it announces nothing.

#include "components/data/extensible_object.h"

#include <memory>
#include <vector>

class TWkDataContexts;

class TWkDataContext : public TExtensibleInterfacedPersistent, public IWkDataContext {
public:
    static constexpr const char* RegisteredName = "TWkDataContext";

    // Raises EWkDataContexts "Cannot create a context without a context list owner" for a
    // null list.
    TWkDataContext(TWkDataContexts* contexts, const TWkDataContextID& name);

    virtual const char* ClassName() const { return RegisteredName; }
    TWkDataContextID Name() const override { return FName; }
    IWkDataContexts* ContextList() const override;
    bool Deletable() const override { return true; }
    // Only contexts that cannot be deleted are stored with their provider.
    bool Streamable() const override { return !Deletable(); }

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;
    // Raises EWkDataContexts "A context with that name already exists" when another context
    // of the list has the name.
    void SetName(const TWkDataContextID& name);

private:
    TWkDataContexts* FContexts;
    TWkDataContextID FName;
};

// A context whose name can be changed.
class TWkManagedDataContext : public TWkDataContext {
public:
    static constexpr const char* RegisteredName = "TWkManagedDataContext";
    static inline const QUuid NamingIID{QStringLiteral("{530367D8-601C-4E36-B5F0-357160497C50}")};

    using TWkDataContext::TWkDataContext;
    const char* ClassName() const override { return RegisteredName; }
    using TWkDataContext::SetName;

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

class TWkDataContexts : public TExtensibleInterfacedPersistent, public IWkDataContexts {
public:
    static constexpr const char* RegisteredName = "TWkDataContexts";

    TWkDataContexts(IWkDataProvider* provider, IWkDataContext* ancestor);
    ~TWkDataContexts() override;

    IWkDataProvider* Provider() const override { return FProvider; }
    IWkDataContext* Ancestor() const override { return FAncestor; }
    int Count() const override { return int(FContexts.size()); }
    IWkDataContext* Context(int index) const override;
    IWkDataContext* ContextByName(const QString& path) override;
    int IndexOf(IWkDataContext* context) const override;

    // Adds the context, announcing pcrContextAdd. Raises EWkDataContexts "A context with that name
    // already exists" for another context of that name (the context is freed then).
    TWkDataContext* Add(std::unique_ptr<TWkDataContext> context);
    // Frees the context at index when there is one and it is deletable, announcing
    // pcrContextDelete; does nothing otherwise.
    void Delete(int index);
    void Remove(IWkDataContext* context);
    // Frees every context without announcing it.
    void Clear();

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    IWkDataProvider* FProvider;
    IWkDataContext* FAncestor;
    std::vector<std::unique_ptr<TWkDataContext>> FContexts;
};

// The context a path of names separated by "\" or "/" leads to from list: ".." steps to the
// ancestor context's list, a leading separator starts at the provider's root list, other names
// match without regard to case, last context first, and continue in that context's sub-list
// (the context's IWkDataContexts aspect). Null when the path leads nowhere.
IWkDataContext* ContextByPath(IWkDataContexts* list, const QString& path);
