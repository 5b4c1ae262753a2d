#include "components/data/data_consumer.h"

#include "components/data/data_errors.h"

#include <algorithm>
#include <utility>

TWkDataConsumer::TWkDataConsumer(QObject* owner, std::initializer_list<int> attributes)
    : FOwner(owner) {
    for (const int attribute : attributes) {
        if (!HasAttribute(attribute))
            FAttrList.push_back(attribute);
    }
}

TWkDataConsumer::~TWkDataConsumer() {
    for (TWkDataConsumer* master : std::vector(FMasters))
        master->RemoveServer(this);
    for (IWkDataConsumerServer* server : std::vector(FServerList))
        RemoveServer(server);
    if (FProvider != nullptr)
        FProvider->UnregisterNotify(this);
    ClearExtensions();
}

bool TWkDataConsumer::HasAttribute(int attribute) const {
    return std::find(FAttrList.begin(), FAttrList.end(), attribute) != FAttrList.end();
}

void* TWkDataConsumer::OwnInterface(const QUuid& iid) {
    return iid == IWkDataConsumer::IID ? static_cast<IWkDataConsumer*>(this) : nullptr;
}

std::vector<TWkDataConsumerAggregatedObject*> TWkDataConsumer::Services() const {
    std::vector<TWkDataConsumerAggregatedObject*> services;
    for (int i = 0; i < ExtensionCount(); ++i) {
        if (auto* service = dynamic_cast<TWkDataConsumerAggregatedObject*>(Extension(i)))
            services.push_back(service);
    }
    return services;
}

void TWkDataConsumer::CreateSubSvc(TWkDataConsumerServiceClass subSvcClass) {
    if (BeforeCreateSubSvc)
        BeforeCreateSubSvc(*this, subSvcClass);
    if (!subSvcClass)
        return;
    auto* service =
        static_cast<TWkDataConsumerAggregatedObject*>(AddExtension(subSvcClass.Make(*this)));
    if (AfterCreateSubSvc)
        AfterCreateSubSvc(*this, *service);
}

void TWkDataConsumer::MakeServices() {
    if (FProvider == nullptr)
        return;
    if ((HasAttribute(caOneItem) || HasAttribute(caSelectItem)) && ItemSelect() == nullptr)
        CreateSubSvc(ServiceClassOf<TWkDataConsumerItemSelect>());
    if (HasAttribute(caItemList) && ViewList() == nullptr) {
        CreateSubSvc(ServiceClassOf<TWkDataConsumerViewList>());
        if (TWkCustomDataConsumerViewList* view = ViewList())
            view->Rebuild(false);
    }
}

void TWkDataConsumer::KeepServices(bool providerChange) {
    for (TWkDataConsumerAggregatedObject* service : Services()) {
        const bool stays = providerChange ? service->StaysAcrossProviderChange()
                                          : service->StaysAcrossContextChange();
        if (!stays && !service->StreamedInWithoutProvider()) {
            RemoveExtension(service);
            continue;
        }
        if (providerChange)
            service->ProviderChanged();
        else
            service->ContextChanged();
    }
    MakeServices();
}

void TWkDataConsumer::ResolveFixups() {
    if (!FNeedFixups || FProvider == nullptr)
        return;
    FNeedFixups = false;
    for (TWkDataConsumerAggregatedObject* service : Services()) {
        if (service->StreamedInWithoutProvider())
            service->Fixup();
    }
}

void TWkDataConsumer::Changing(TWkDataConsumerChangeReason reason) {
    if (OnChanging)
        OnChanging(*this, reason);
}

void TWkDataConsumer::Changed(TWkDataConsumerChangeReason reason) {
    if (OnChanged)
        OnChanged(*this, reason);
}

void TWkDataConsumer::SetProvider(IWkDataProvider* provider) {
    if (provider == FProvider)
        return;
    Changing(ccrProviderSelect);
    if (FProvider != nullptr)
        FProvider->UnregisterNotify(this);
    // Services waiting for a fix-up have nothing to let go of yet.
    if (!FNeedFixups) {
        for (TWkDataConsumerAggregatedObject* service : Services())
            service->ProviderChanging();
    }
    FProvider = provider;
    FContext.Reset();
    FItemSourceID.clear();
    if (FProvider != nullptr)
        FProvider->RegisterNotify(this);

    IWkDataContexts* contexts = FProvider != nullptr ? FProvider->Contexts() : nullptr;
    if (FProvider != nullptr && !FFixupContext.isEmpty()) {
        const QString pending = std::exchange(FFixupContext, QString());
        FContext = contexts != nullptr ? contexts->ContextByName(pending) : nullptr;
    } else if (contexts != nullptr && contexts->Count() > 0) {
        FContext = contexts->Context(0);
    }

    KeepServices(true);
    for (IWkDataConsumerServer* server : std::vector(FServerList))
        server->MasterProviderSelected(*this);
    ResolveFixups();
    ViewChanged();
    Changed(ccrProviderSelect);
}

QString TWkDataConsumer::Context() const {
    return FContext ? FContext->Name() : FFixupContext;
}

void TWkDataConsumer::SetContext(const QString& name) {
    if (name == Context())
        return;
    if (FProvider == nullptr) {
        if (!FLoading)
            throw EWkDataConsumer(
                QStringLiteral("You must specify a provider before setting the context"));
        FFixupContext = name;
        return;
    }
    if (name.isEmpty()) {
        SetContextIntf(nullptr);
        return;
    }
    IWkDataContexts* contexts = FProvider->Contexts();
    if (contexts == nullptr)
        throw EWkDataConsumer(QStringLiteral("Provider does not support contexts"));
    IWkDataContext* context = contexts->ContextByName(name);
    if (context == nullptr)
        throw EWkDataConsumer(QStringLiteral("Provider has no context named \"%1\"").arg(name));
    SetContextIntf(context);
}

void TWkDataConsumer::SetContextIntf(IWkDataContext* context) {
    if (context == FContext.Get())
        return;
    Changing(ccrContextChange);
    for (TWkDataConsumerAggregatedObject* service : Services())
        service->ContextChanging();
    FContext = context;
    KeepServices(false);
    Changed(ccrContextChange);
}

bool TWkDataConsumer::IsContextStored() const {
    IWkDataContexts* contexts = FProvider != nullptr ? FProvider->Contexts() : nullptr;
    return contexts != nullptr && contexts->Count() > 0 && FContext.Get() != contexts->Context(0);
}

void TWkDataConsumer::Loaded() {
    FLoading = false;
}

void TWkDataConsumer::Enter() {
    if (FProvider == nullptr)
        throw EWkDataConsumer(QStringLiteral("You must specify a provider before using it"));
    FProvider->SelectConsumer(this);
    try {
        FProvider->SelectContext(FContext.Get());
    } catch (...) {
        FProvider->ReleaseConsumer();
        throw;
    }
}

void TWkDataConsumer::Leave() {
    if (FProvider == nullptr)
        return;
    FProvider->ReleaseContext();
    FProvider->ReleaseConsumer();
}

void TWkDataConsumer::ItemSelected(IWkDataItem* item) {
    for (TWkDataConsumerAggregatedObject* service : Services())
        service->ItemSelected(item);
    if (auto* action = Supports<IWkDataItemAction>(item))
        action->Execute(FOwner);
}

IWkDataItems* TWkDataConsumer::ItemSource() const {
    if (FProvider == nullptr || FItemSourceID.isEmpty())
        return nullptr;
    return Supports<IWkDataItems>(FindItemBelow(FProvider->RootItems(), FItemSourceID));
}

void TWkDataConsumer::AddServer(IWkDataConsumerServer* server) {
    if (server == nullptr ||
        std::find(FServerList.begin(), FServerList.end(), server) != FServerList.end())
        return;
    FServerList.push_back(server);
    server->ServerAttached(*this);
}

void TWkDataConsumer::RemoveServer(IWkDataConsumerServer* server) {
    const auto at = std::find(FServerList.begin(), FServerList.end(), server);
    if (at == FServerList.end())
        return;
    FServerList.erase(at);
    server->ServerDetached(*this);
}

void TWkDataConsumer::SelectedItemChanged(IWkDataItem* item) {
    for (IWkDataConsumerServer* server : std::vector(FServerList))
        server->MasterItemChanged(*this, item);
}

void TWkDataConsumer::MasterProviderSelected(TWkDataConsumer& master) {
    SetProvider(master.Provider());
}

void TWkDataConsumer::MasterItemChanged(TWkDataConsumer&, IWkDataItem* item) {
    FItemSourceID = item != nullptr ? item->ID() : TWkDataItemID();
    for (TWkDataConsumerAggregatedObject* service : Services())
        service->ServerItemChanged(item);
}

void TWkDataConsumer::ServerAttached(TWkDataConsumer& master) {
    FMasters.push_back(&master);
}

void TWkDataConsumer::ServerDetached(TWkDataConsumer& master) {
    std::erase(FMasters, &master);
}

void TWkDataConsumer::ViewChanged(TWkDataConsumerAggregatedObject* cause) {
    try {
        for (TWkDataConsumerAggregatedObject* service : Services()) {
            if (service != cause)
                service->ViewChanged();
        }
    } catch (...) {
        Changed(ccrViewChange);
        throw;
    }
    Changed(ccrViewChange);
}

void TWkDataConsumer::ProviderChanging(IWkDataProvider* provider, TDataProviderChangeReason reason,
                                       IWkInterface* source) {
    if (OnProviderChanging)
        OnProviderChanging(provider, reason, source);
    for (TWkDataConsumerAggregatedObject* service : Services())
        service->ProviderNotifyChanging(reason, source);
    if (reason == pcrDestroy)
        SetProvider(nullptr);
}

void TWkDataConsumer::ProviderChanged(IWkDataProvider* provider, TDataProviderChangeReason reason,
                                      IWkInterface* source) {
    if (OnProviderChanged)
        OnProviderChanged(provider, reason, source);
    for (TWkDataConsumerAggregatedObject* service : Services())
        service->ProviderNotifyChanged(reason, source);
    if (reason == pcrFullRefresh)
        ViewChanged();
    else
        Changed(ccrProviderChange);
}
