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

// The streamable classes of the framework with their ancestry, in registration order.
std::vector<TWkRegisteredClass> providerClasses() {
    const QString aggregatedEx = QStringLiteral("TAggregatedPersistentEx");
    const QString itemsAspect = QStringLiteral("TWkDataItemsAggregatedObject");
    const QString itemAspect = QStringLiteral("TWkDataItemAggregatedObject");
    const QString text = name(TWkDataItemTextImpl::RegisteredName);
    const QString baseText = QStringLiteral("TWkBaseDataItemTextImpl");
    const QString context = name(TWkDataContext::RegisteredName);
    const QString baseContext = QStringLiteral("TWkBaseDataContext");
    const QString service = QStringLiteral("TWkDataConsumerAggregatedObject");
    return {
        {name(TWkDataItemsList::RegisteredName), {QStringLiteral("TWkBaseDataItems"), Extensible}},
        {name(TWkCustomDataItemsImages::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsImagesImpl"), itemsAspect, aggregatedEx, Aggregated}},
        {name(TWkCustomDataItemsTextRenderer::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsRenderer"), itemsAspect, aggregatedEx, Aggregated}},
        {name(TWkBaseDataItemsListManagement::RegisteredName),
         {QStringLiteral("TWkBaseDataItemsManagement"), itemsAspect, aggregatedEx, Aggregated}},
        {QStringLiteral("TWkBaseDataItem"), {Extensible}},
        {text, {baseText, itemAspect, aggregatedEx, Aggregated}},
        {name(TWkDataItemImageImpl::RegisteredName),
         {QStringLiteral("TWkBaseDataItemImageImpl"), itemAspect, aggregatedEx, Aggregated}},
        {name(TWkDataItemContextTextImpl::RegisteredName),
         {text, baseText, itemAspect, aggregatedEx, Aggregated}},
        {name(TWkDataItemBlockableTextImpl::RegisteredName),
         {text, baseText, itemAspect, aggregatedEx, Aggregated}},
        {name(TWkDataConsumer::RegisteredName), {Extensible}},
        {name(TWkDataConsumerItemSelect::RegisteredName), {service, aggregatedEx, Aggregated}},
        {name(TWkDataContexts::RegisteredName),
         {QStringLiteral("TWkBaseDataContexts"), Extensible}},
        {context, {baseContext, Extensible}},
        {name(TWkManagedDataContext::RegisteredName), {context, baseContext, Extensible}},
        {name(TWkFixedDataContext::RegisteredName), {context, baseContext, Extensible}},
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
