#pragma once
// The consumer side of the data provider framework: a control owns one TWkDataConsumer and
// routes its items, drawing and clicks through it while a provider is set. Without a provider
// the control shows its own items and must not call Enter or Leave.
//
// A control attaches like this: make the consumer with the control as owner, set OnChanged to
// repaint (or re-read items), and around every use of the provider's items call Enter and
// Leave (EnterScope does both).

#include "components/data/consumer_view_list.h"
#include "components/data/data_consumer_services.h"

#include <functional>
#include <initializer_list>
#include <vector>

class TWkDataConsumer;

// An object that follows a consumer (its master): it hears when the master selects a provider
// or an item. A server is told when it is added to or removed from a master's server list.
class IWkDataConsumerServer {
public:
    virtual ~IWkDataConsumerServer() = default;
    virtual void ServerAttached(TWkDataConsumer&) {}
    virtual void ServerDetached(TWkDataConsumer&) {}
    virtual void MasterProviderSelected(TWkDataConsumer& master) = 0;
    virtual void MasterItemChanged(TWkDataConsumer& master, IWkDataItem* item) = 0;
};

class TWkDataConsumer : public TExtensibleInterfacedPersistent,
                        public IWkDataConsumer,
                        public IWkDataConsumerServer,
                        private IWkDataProviderNotify {
public:
    static constexpr const char* RegisteredName = "TWkDataConsumer";

    // Attributes of a control: what it shows of a provider.
    enum Attribute : int {
        caItemList = 1,   // a list of items (a combo box): gets a view list
        caOneItem = 2,    // one item (a label): gets an item selection
        caSelectItem = 3, // lets the user pick an item: gets an item selection
    };

    using ChangeEvent =
        std::function<void(TWkDataConsumer& sender, TWkDataConsumerChangeReason reason)>;
    using ProviderChangeEvent = std::function<void(
        IWkDataProvider* provider, TDataProviderChangeReason reason, IWkInterface* source)>;
    using AfterCreateSubSvcEvent =
        std::function<void(TWkDataConsumer& sender, TWkDataConsumerAggregatedObject& subSvc)>;
    // May change the class of the service about to be made; an empty class makes none.
    using BeforeCreateSubSvcEvent =
        std::function<void(TWkDataConsumer& sender, TWkDataConsumerServiceClass& subSvcClass)>;

    TWkDataConsumer(QObject* owner, std::initializer_list<int> attributes);
    ~TWkDataConsumer() override;

    ChangeEvent OnChanging;
    ChangeEvent OnChanged;
    ProviderChangeEvent OnProviderChanging;
    ProviderChangeEvent OnProviderChanged;
    AfterCreateSubSvcEvent AfterCreateSubSvc;
    BeforeCreateSubSvcEvent BeforeCreateSubSvc;

    QObject* Owner() const override { return FOwner; }
    bool HasAttribute(int attribute) const override;

    IWkDataProvider* Provider() const { return FProvider; }
    // Registers with the new provider, selects its first context, keeps the services that stay
    // and makes those the attributes call for, then tells the servers. The provider must
    // outlive the consumer or announce pcrDestroy.
    void SetProvider(IWkDataProvider* provider);

    // The selected context's name; empty when none.
    QString Context() const;
    // Raises EWkDataConsumer: without a provider (unless loading: then kept until the provider
    // comes), for a provider without contexts, or a name it does not hold.
    void SetContext(const QString& name);
    // Held by a counted reference: a context that its list lets go of stays alive while
    // selected here.
    IWkDataContext* ContextIntf() const { return FContext.Get(); }
    void SetContextIntf(IWkDataContext* context);
    // Whether Context is stored: a provider with contexts is set and the selected context is
    // not its first.
    bool IsContextStored() const;

    // While loading, the context and the selected item are kept by name until the provider
    // comes.
    bool IsLoading() const { return FLoading; }
    void SetLoading(bool loading) { FLoading = loading; }
    void Loaded();
    bool NeedFixups() const { return FNeedFixups; }
    void SetNeedFixups() { FNeedFixups = true; }

    // Asks the provider to read for this consumer and its context. Both need a provider.
    void Enter();
    void Leave();

    // Tells the services, and runs the item's action aspect when it has one.
    void ItemSelected(IWkDataItem* item);

    // The item whose sub-items the consumer shows; null: the provider's root items.
    IWkDataItems* ItemSource() const;
    TWkDataItemID ItemSourceID() const { return FItemSourceID; }

    // The objects that follow this consumer. A server is not owned; it leaves the list before
    // it goes (a consumer does so itself).
    void AddServer(IWkDataConsumerServer* server);
    void RemoveServer(IWkDataConsumerServer* server);
    int ServerCount() const { return int(FServerList.size()); }
    // Tells the servers that the selected item changed.
    void SelectedItemChanged(IWkDataItem* item);

    // Following a master: takes its provider, and shows the sub-items of its item.
    void MasterProviderSelected(TWkDataConsumer& master) override;
    void MasterItemChanged(TWkDataConsumer& master, IWkDataItem* item) override;
    void ServerAttached(TWkDataConsumer& master) override;
    void ServerDetached(TWkDataConsumer& master) override;

    TWkDataConsumerItemSelect* ItemSelect() const {
        return FindExtension<TWkDataConsumerItemSelect>();
    }
    TWkCustomDataConsumerViewList* ViewList() const {
        return FindExtension<TWkCustomDataConsumerViewList>();
    }

    // Tells every service except cause, then raises OnChanged with ccrViewChange.
    void ViewChanged(TWkDataConsumerAggregatedObject* cause = nullptr);
    void Changed(TWkDataConsumerChangeReason reason);

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;
    // Makes the services the attributes call for that are missing.
    virtual void MakeServices();
    void CreateSubSvc(TWkDataConsumerServiceClass subSvcClass);

private:
    void ProviderChanging(IWkDataProvider* provider, TDataProviderChangeReason reason,
                          IWkInterface* source) override;
    void ProviderChanged(IWkDataProvider* provider, TDataProviderChangeReason reason,
                         IWkInterface* source) override;
    std::vector<TWkDataConsumerAggregatedObject*> Services() const;
    // Keeps the services that stay (or wait for a fix-up) and tells them; removes the others.
    void KeepServices(bool providerChange);
    void ResolveFixups();
    void Changing(TWkDataConsumerChangeReason reason);

    QObject* FOwner;
    std::vector<int> FAttrList;
    IWkDataProvider* FProvider = nullptr;
    TWkRef<IWkDataContext> FContext;
    bool FNeedFixups = false;
    QString FFixupContext;
    bool FLoading = false;
    TWkDataItemID FItemSourceID;
    std::vector<IWkDataConsumerServer*> FServerList;
    std::vector<TWkDataConsumer*> FMasters;
};

// Enter on construction, Leave on destruction (also when the use raises).
class EnterScope {
public:
    explicit EnterScope(TWkDataConsumer& consumer) : consumer(consumer) { consumer.Enter(); }
    ~EnterScope() { consumer.Leave(); }
    EnterScope(const EnterScope&) = delete;
    EnterScope& operator=(const EnterScope&) = delete;

private:
    TWkDataConsumer& consumer;
};
