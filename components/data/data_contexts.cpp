#include "components/data/data_contexts.h"

#include "components/data/data_errors.h"
#include "components/data/data_paths.h"

TWkBaseDataContext::TWkBaseDataContext(TWkBaseDataContexts* contexts) : FContexts(contexts) {
    if (contexts == nullptr)
        throw EWkDataContexts(
            QStringLiteral("Cannot create a context without a context list owner"));
}

IWkDataContexts* TWkBaseDataContext::ContextList() const {
    return FContexts;
}

void TWkBaseDataContext::SetName(const TWkDataContextID& name) {
    IWkDataContext* holder = FContexts != nullptr ? FContexts->ContextByName(name) : nullptr;
    if (holder != nullptr && holder != static_cast<IWkDataContext*>(this))
        throw EWkDataContexts(QStringLiteral("A context with that name already exists"));
    StoreName(name);
}

void* TWkBaseDataContext::OwnInterface(const QUuid& iid) {
    return iid == IWkDataContext::IID ? static_cast<IWkDataContext*>(this) : nullptr;
}

void* TWkManagedDataContext::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataContextNaming::IID)
        return static_cast<IWkDataContextNaming*>(this);
    return TWkDataContext::OwnInterface(iid);
}

TWkBaseDataContexts::TWkBaseDataContexts(IWkDataProvider* provider, IWkDataContext* ancestor,
                                         ManagerClass managerClass)
    : FProvider(provider), FAncestor(ancestor) {
    if (managerClass != nullptr)
        AddExtension(managerClass(*this));
}

IWkDataContext* TWkBaseDataContexts::ContextByName(const QString& path) {
    return ContextByPath(this, path);
}

int TWkBaseDataContexts::IndexOf(IWkDataContext* context) const {
    for (int i = Count() - 1; i >= 0; --i) {
        if (Context(i) == context)
            return i;
    }
    return -1;
}

void* TWkBaseDataContexts::OwnInterface(const QUuid& iid) {
    return iid == IWkDataContexts::IID ? static_cast<IWkDataContexts*>(this) : nullptr;
}

void TWkBaseDataContexts::ContextDestroying(IWkDataContext* context) const {
    IWkDataProvider* provider = Provider();
    if (provider == nullptr)
        return;
    if (auto* items = Supports<IWkDataContextDestroying>(provider->RootItems()))
        items->ContextDestroying(context);
}

TWkDataContexts::~TWkDataContexts() {
    Clear();
}

IWkDataContext* TWkDataContexts::Context(int index) const {
    if (index < 0 || index >= Count())
        throw EWkDataContexts(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FContexts[index].Get();
}

TWkBaseDataContext* TWkDataContexts::Add(std::unique_ptr<TWkBaseDataContext> context) {
    IWkDataContext* named = ContextByName(context->Name());
    if (named == static_cast<IWkDataContext*>(context.get()))
        return context.release();
    if (named != nullptr)
        throw EWkDataContexts(QStringLiteral("A context with that name already exists"));
    IWkDataProvider* provider = Provider();
    if (provider != nullptr)
        provider->NotifyChanging(pcrContextAdd, Ancestor());
    TWkBaseDataContext* added = context.release();
    FContexts.emplace_back(added);
    if (provider != nullptr)
        provider->NotifyChanged(pcrContextAdd, &static_cast<IWkDataContext&>(*added));
    return added;
}

void TWkDataContexts::Delete(int index) {
    if (index < 0 || index >= Count() || !FContexts[index]->Deletable())
        return;
    IWkDataContext* ancestor = Ancestor();
    IWkDataProvider* provider = Provider();
    if (provider != nullptr)
        provider->NotifyChanging(pcrContextDelete, FContexts[index].Get());
    TWkRef<TWkBaseDataContext> removed = std::move(FContexts[index]);
    FContexts.erase(FContexts.begin() + index);
    LetGo(std::move(removed));
    if (provider != nullptr)
        provider->NotifyChanged(pcrContextDelete, ancestor);
}

void TWkDataContexts::Remove(IWkDataContext* context) {
    const int index = IndexOf(context);
    if (index >= 0)
        Delete(index);
}

void TWkDataContexts::Clear() {
    while (!FContexts.empty()) {
        TWkRef<TWkBaseDataContext> last = std::move(FContexts.back());
        FContexts.pop_back();
        LetGo(std::move(last));
    }
}

void TWkDataContexts::LetGo(TWkRef<TWkBaseDataContext> context) {
    ContextDestroying(context.Get());
    context->FContexts = nullptr;
}

TWkBaseDataContexts& TWkBaseDataContextsManager::Contexts() const {
    return dynamic_cast<TWkBaseDataContexts&>(*Controller());
}

TWkBaseDataContext* TWkBaseDataContextsManager::Add(std::unique_ptr<TWkBaseDataContext> context) {
    return Contexts().Add(std::move(context));
}

void TWkBaseDataContextsManager::Delete(IWkDataContext* context) {
    Contexts().Remove(context);
}

void TWkBaseDataContextsManager::Clear() {
    Contexts().Clear();
}

void* TWkBaseDataContextsManager::OwnInterface(const QUuid& iid) {
    return iid == IWkDataContextsManager::IID ? static_cast<IWkDataContextsManager*>(this)
                                              : nullptr;
}
