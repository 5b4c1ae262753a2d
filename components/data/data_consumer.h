#pragma once
// The consumer side of the data provider framework: a control owns one TWkDataConsumer and
// routes its items, drawing and clicks through it while a provider is set. Without a provider
// the control shows its own items and must not call Enter or Leave.
//
// A control attaches like this: make the consumer with the control as owner, set OnChanged to
// repaint (or re-read items), and around every use of the provider's items call Enter and
// Leave (EnterScope does both).

#include "components/data/data_consumer_services.h"

#include <functional>
#include <initializer_list>
#include <vector>

class TWkDataConsumer : public TExtensibleInterfacedPersistent,
                        public IWkDataConsumer,
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

    TWkDataConsumer(QObject* owner, std::initializer_list<int> attributes);
    ~TWkDataConsumer() override;

    ChangeEvent OnChanging;
    ChangeEvent OnChanged;
    ProviderChangeEvent OnProviderChanging;
    ProviderChangeEvent OnProviderChanged;

    QObject* Owner() const override { return FOwner; }
    bool HasAttribute(int attribute) const override;

    IWkDataProvider* Provider() const { return FProvider; }
    // Registers with the new provider, selects its first context and makes the services the
    // attributes call for; the provider must outlive the consumer or announce pcrDestroy.
    void SetProvider(IWkDataProvider* provider);

    // The selected context's name; empty when none.
    QString Context() const;
    // Raises EWkDataConsumer: without a provider (unless loading: then kept until the provider
    // comes), for a provider without contexts, or a name it does not hold.
    void SetContext(const QString& name);
    IWkDataContext* ContextIntf() const { return FContext; }
    void SetContextIntf(IWkDataContext* context);

    // While loading, the context and the selected item are kept by name until Loaded.
    bool IsLoading() const { return FLoading; }
    void SetLoading(bool loading) { FLoading = loading; }
    void Loaded();

    // Asks the provider to read for this consumer and its context. Both need a provider.
    void Enter();
    void Leave();

    // Tells the services, and runs the item's action aspect when it has one.
    void ItemSelected(IWkDataItem* item);

    TWkDataConsumerItemSelect* ItemSelect() const {
        return FindExtension<TWkDataConsumerItemSelect>();
    }
    TWkDataConsumerViewList* ViewList() const { return FindExtension<TWkDataConsumerViewList>(); }

    // Tells every service except cause, then raises OnChanged with ccrViewChange.
    void ViewChanged(TWkDataConsumerAggregatedObject* cause = nullptr);
    void Changed(TWkDataConsumerChangeReason reason);

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    void ProviderChanging(IWkDataProvider* provider, TDataProviderChangeReason reason,
                          IWkInterface* source) override;
    void ProviderChanged(IWkDataProvider* provider, TDataProviderChangeReason reason,
                         IWkInterface* source) override;
    std::vector<TWkDataConsumerAggregatedObject*> Services() const;
    void MakeServices();
    void Changing(TWkDataConsumerChangeReason reason);

    QObject* FOwner;
    std::vector<int> FAttrList;
    IWkDataProvider* FProvider = nullptr;
    IWkDataContext* FContext = nullptr;
    bool FLoading = false;
    QString FFixupContext;
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
