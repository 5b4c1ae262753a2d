#include "components/data/data_contexts.h"

#include "components/data/data_errors.h"

TWkDataContext::TWkDataContext(TWkDataContexts* contexts, const TWkDataContextID& name)
    : FContexts(contexts), FName(name) {
    if (contexts == nullptr)
        throw EWkDataContexts(
            QStringLiteral("Cannot create a context without a context list owner"));
}

IWkDataContexts* TWkDataContext::ContextList() const {
    return FContexts;
}

void TWkDataContext::SetName(const TWkDataContextID& name) {
    IWkDataContext* holder = FContexts->ContextByName(name);
    if (holder != nullptr && holder != static_cast<IWkDataContext*>(this))
        throw EWkDataContexts(QStringLiteral("A context with that name already exists"));
    FName = name;
}

void* TWkDataContext::OwnInterface(const QUuid& iid) {
    return iid == IWkDataContext::IID ? static_cast<IWkDataContext*>(this) : nullptr;
}

void* TWkManagedDataContext::OwnInterface(const QUuid& iid) {
    if (iid == NamingIID)
        return this;
    return TWkDataContext::OwnInterface(iid);
}

TWkDataContexts::TWkDataContexts(IWkDataProvider* provider, IWkDataContext* ancestor)
    : FProvider(provider), FAncestor(ancestor) {}

TWkDataContexts::~TWkDataContexts() {
    Clear();
}

IWkDataContext* TWkDataContexts::Context(int index) const {
    if (index < 0 || index >= Count())
        throw EWkDataContexts(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FContexts[index].get();
}

IWkDataContext* TWkDataContexts::ContextByName(const QString& path) {
    return ContextByPath(this, path);
}

int TWkDataContexts::IndexOf(IWkDataContext* context) const {
    for (int i = Count() - 1; i >= 0; --i) {
        if (static_cast<IWkDataContext*>(FContexts[i].get()) == context)
            return i;
    }
    return -1;
}

TWkDataContext* TWkDataContexts::Add(std::unique_ptr<TWkDataContext> context) {
    if (ContextByName(context->Name()) != nullptr)
        throw EWkDataContexts(QStringLiteral("A context with that name already exists"));
    if (FProvider != nullptr)
        FProvider->NotifyChanging(pcrContextAdd, FAncestor);
    TWkDataContext* added = context.get();
    FContexts.push_back(std::move(context));
    if (FProvider != nullptr)
        FProvider->NotifyChanged(pcrContextAdd, static_cast<IWkDataContext*>(added));
    return added;
}

void TWkDataContexts::Delete(int index) {
    if (index < 0 || index >= Count() || !FContexts[index]->Deletable())
        return;
    IWkDataContext* ancestor = FAncestor;
    if (FProvider != nullptr)
        FProvider->NotifyChanging(pcrContextDelete,
                                  static_cast<IWkDataContext*>(FContexts[index].get()));
    std::unique_ptr<TWkDataContext> removed = std::move(FContexts[index]);
    FContexts.erase(FContexts.begin() + index);
    removed.reset();
    if (FProvider != nullptr)
        FProvider->NotifyChanged(pcrContextDelete, ancestor);
}

void TWkDataContexts::Remove(IWkDataContext* context) {
    const int index = IndexOf(context);
    if (index >= 0)
        Delete(index);
}

void TWkDataContexts::Clear() {
    FreeLastFirst(FContexts);
}

void* TWkDataContexts::OwnInterface(const QUuid& iid) {
    return iid == IWkDataContexts::IID ? static_cast<IWkDataContexts*>(this) : nullptr;
}

IWkDataContext* ContextByPath(IWkDataContexts* list, const QString& path) {
    if (list == nullptr)
        return nullptr;
    qsizetype pos = 0;
    if (path.startsWith(u'\\') || path.startsWith(u'/')) {
        list = list->Provider() != nullptr ? list->Provider()->Contexts() : list;
        pos = 1;
    }
    IWkDataContext* context = nullptr;
    while (pos <= path.size()) {
        qsizetype end = pos;
        while (end < path.size() && path[end] != u'\\' && path[end] != u'/')
            ++end;
        const QStringView name = QStringView(path).mid(pos, end - pos);
        pos = end + 1;
        if (list == nullptr)
            return nullptr;
        if (name == u"..") {
            IWkDataContext* ancestor = list->Ancestor();
            if (ancestor == nullptr)
                return nullptr;
            context = ancestor;
            list = ancestor->ContextList();
            continue;
        }
        context = nullptr;
        for (int i = list->Count() - 1; i >= 0; --i) {
            IWkDataContext* candidate = list->Context(i);
            if (name.compare(candidate->Name(), Qt::CaseInsensitive) == 0) {
                context = candidate;
                break;
            }
        }
        if (context == nullptr)
            return nullptr;
        list = Supports<IWkDataContexts>(context);
    }
    return context;
}
