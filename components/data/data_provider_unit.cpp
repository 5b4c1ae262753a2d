#include "components/data/data_provider_unit.h"

#include "components/base/unit_lifetime.h"
#include "components/data/class_registry.h"
#include "components/data/data_consumer.h"
#include "components/data/data_contexts.h"
#include "components/data/item_aspects.h"

namespace {

UnitLifetime& providerUnit() {
    static UnitLifetime unit;
    return unit;
}

QString name(const char* className) {
    return QString::fromLatin1(className);
}

// The streamable classes of the framework with their ancestry, in registration order.
std::vector<TWkRegisteredClass> providerClasses() {
    const QString extensible = QStringLiteral("TExtensibleInterfacedPersistent");
    const QString aggregated = QStringLiteral("TAggregatedPersistentEx");
    const QString itemsAspect = QStringLiteral("TWkDataItemsAggregatedObject");
    const QString itemAspect = QStringLiteral("TWkDataItemAggregatedObject");
    const QString text = name(TWkDataItemTextImpl::RegisteredName);
    const QString baseText = QStringLiteral("TWkBaseDataItemTextImpl");
    const QString context = name(TWkDataContext::RegisteredName);
    const QString baseContext = QStringLiteral("TWkBaseDataContext");
    const QString service = QStringLiteral("TWkDataConsumerAggregatedObject");
    return {
        {name(TWkDataItemsList::RegisteredName), {QStringLiteral("TWkBaseDataItems"), extensible}},
        {name(TWkCustomDataItemsImages::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsImagesImpl"), itemsAspect, aggregated}},
        {name(TWkCustomDataItemsTextRenderer::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsRenderer"), itemsAspect, aggregated}},
        {name(TWkBaseDataItemsListManagement::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsManagement"), itemsAspect, aggregated}},
        {QStringLiteral("TWkBaseDataItem"), {extensible}},
        {text, {baseText, itemAspect, aggregated}},
        {name(TWkDataItemImageImpl::RegisteredName),
         {QStringLiteral("TWkBaseDataItemImageImpl"), itemAspect, aggregated}},
        {name(TWkDataItemContextTextImpl::RegisteredName),
         {text, baseText, itemAspect, aggregated}},
        {name(TWkDataItemBlockableTextImpl::RegisteredName),
         {text, baseText, itemAspect, aggregated}},
        {name(TWkDataConsumer::RegisteredName), {extensible}},
        {name(TWkDataConsumerItemSelect::RegisteredName), {service, aggregated}},
        {name(TWkDataContexts::RegisteredName),
         {QStringLiteral("TWkBaseDataContexts"), extensible}},
        {context, {baseContext, extensible}},
        {name(TWkManagedDataContext::RegisteredName), {context, baseContext, extensible}},
        {name(TWkFixedDataContext::RegisteredName), {context, baseContext, extensible}},
    };
}

} // namespace

void WkDataProviderInitialization() {
    providerUnit().Initialize([] { RegisterClasses(providerClasses()); });
}

void WkDataProviderFinalization() {
    providerUnit().Finalize([] {
        std::vector<QString> names;
        for (const TWkRegisteredClass& c : providerClasses())
            names.push_back(c.name);
        UnregisterClasses(names);
    });
}
