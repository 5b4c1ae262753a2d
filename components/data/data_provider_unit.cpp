#include "components/data/data_provider_unit.h"

#include "components/base/unit_lifetime.h"
#include "components/data/class_registry.h"
#include "components/data/data_consumer.h"
#include "components/data/data_contexts.h"
#include "components/data/item_aspects.h"
#include "components/data/list_aspects.h"

namespace {

UnitLifetime& providerUnit() {
    static UnitLifetime unit;
    return unit;
}

const QString Extensible = QStringLiteral("TExtensibleInterfacedPersistent");
const QString Aggregated = QStringLiteral("TAggregatedPersistent");

QString name(const char* className) {
    return QString::fromLatin1(className);
}

template <typename E> TWkClassMaker itemAspect() {
    return ExtensionMaker<E, TWkBaseDataItem>();
}

template <typename E> TWkClassMaker listAspect() {
    return ExtensionMaker<E, TWkBaseDataItems>();
}

// The streamable classes of the framework with their ancestry and makers, in registration
// order. Consumers and context lists belong to controls and providers, which make them.
std::vector<TWkRegisteredClass> providerClasses() {
    const QString aggregatedEx = QStringLiteral("TAggregatedPersistentEx");
    const QString itemsAspect = QStringLiteral("TWkDataItemsAggregatedObject");
    const QString itemAspectBase = QStringLiteral("TWkDataItemAggregatedObject");
    const QString text = name(TWkDataItemTextImpl::RegisteredName);
    const QString baseText = QStringLiteral("TWkBaseDataItemTextImpl");
    const QString context = name(TWkDataContext::RegisteredName);
    const QString baseContext = QStringLiteral("TWkBaseDataContext");
    const QString service = QStringLiteral("TWkDataConsumerAggregatedObject");
    return {
        {name(TWkDataItemsList::RegisteredName),
         {QStringLiteral("TWkBaseDataItems"), Extensible},
         SubItemsMaker<TWkDataItemsList>()},
        {name(TWkCustomDataItemsImages::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsImagesImpl"), itemsAspect, aggregatedEx, Aggregated},
         listAspect<TWkCustomDataItemsImages>()},
        {name(TWkCustomDataItemsTextRenderer::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsRenderer"), itemsAspect, aggregatedEx, Aggregated},
         listAspect<TWkCustomDataItemsTextRenderer>()},
        {name(TWkBaseDataItemsListManagement::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsManagement"), itemsAspect, aggregatedEx, Aggregated},
         listAspect<TWkBaseDataItemsListManagement>()},
        {name(TWkBaseDataItem::RegisteredName), {Extensible}, ItemMaker<TWkBaseDataItem>()},
        {text,
         {baseText, itemAspectBase, aggregatedEx, Aggregated},
         itemAspect<TWkDataItemTextImpl>()},
        {name(TWkDataItemImageImpl::RegisteredName),
         {QStringLiteral("TWkBaseDataItemImageImpl"), itemAspectBase, aggregatedEx, Aggregated},
         itemAspect<TWkDataItemImageImpl>()},
        {name(TWkDataItemContextTextImpl::RegisteredName),
         {text, baseText, itemAspectBase, aggregatedEx, Aggregated},
         itemAspect<TWkDataItemContextTextImpl>()},
        {name(TWkDataItemBlockableTextImpl::RegisteredName),
         {text, baseText, itemAspectBase, aggregatedEx, Aggregated},
         itemAspect<TWkDataItemBlockableTextImpl>()},
        {name(TWkDataConsumer::RegisteredName), {Extensible}},
        {name(TWkDataConsumerItemSelect::RegisteredName),
         {service, aggregatedEx, Aggregated},
         ExtensionMaker<TWkDataConsumerItemSelect, TWkDataConsumer>()},
        {name(TWkDataContexts::RegisteredName),
         {QStringLiteral("TWkBaseDataContexts"), Extensible}},
        {context, {baseContext, Extensible}, ContextMaker<TWkDataContext>()},
        {name(TWkManagedDataContext::RegisteredName),
         {context, baseContext, Extensible},
         ContextMaker<TWkManagedDataContext>()},
        {name(TWkFixedDataContext::RegisteredName),
         {context, baseContext, Extensible},
         ContextMaker<TWkFixedDataContext>()},
    };
}

} // namespace

void WkDataProviderInitialization() {
    providerUnit().Initialize([] {
        GroupDescendentsWith(Extensible, ControlGroup);
        GroupDescendentsWith(Aggregated, ControlGroup);
        RegisterClasses(providerClasses());
    });
}

void WkDataProviderFinalization() {
    providerUnit().Finalize([] {
        std::vector<QString> names;
        for (const TWkRegisteredClass& c : providerClasses())
            names.push_back(c.name);
        UnregisterClasses(names);
    });
}
