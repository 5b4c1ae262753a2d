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

const QString Extensible = QStringLiteral("TExtensibleInterfacedPersistent");
const QString Aggregated = QStringLiteral("TAggregatedPersistentEx");

QString name(const char* className) {
    return QString::fromLatin1(className);
}

} // namespace

void WkDataProviderInitialization() {
    providerUnit().Initialize([] {
        const QString itemsAspect = QStringLiteral("TWkDataItemsAggregatedObject");
        const QString itemAspect = QStringLiteral("TWkDataItemAggregatedObject");
        const QString text = name(TWkDataItemTextImpl::RegisteredName);
        const QString baseText = QStringLiteral("TWkBaseDataItemTextImpl");
        const QString context = name(TWkDataContext::RegisteredName);
        const QString baseContext = QStringLiteral("TWkBaseDataContext");
        const QString service = QStringLiteral("TWkDataConsumerAggregatedObject");
        RegisterClasses({
            {name(TWkDataItemsList::RegisteredName),
             {QStringLiteral("TWkBaseDataItems"), Extensible}},
            {name(TWkCustomDataItemsImages::RegisteredName),
             {QStringLiteral("TWkBaseDataItemsImagesImpl"), itemsAspect, Aggregated}},
            {name(TWkCustomDataItemsTextRenderer::RegisteredName),
             {QStringLiteral("TWkBaseDataItemsRenderer"), itemsAspect, Aggregated}},
            {name(TWkBaseDataItemsListManagement::RegisteredName),
             {QStringLiteral("TWkBaseDataItemsManagement"), itemsAspect, Aggregated}},
            {QStringLiteral("TWkBaseDataItem"), {Extensible}},
            {text, {baseText, itemAspect, Aggregated}},
            {name(TWkDataItemImageImpl::RegisteredName),
             {QStringLiteral("TWkBaseDataItemImageImpl"), itemAspect, Aggregated}},
            {name(TWkDataItemContextTextImpl::RegisteredName),
             {text, baseText, itemAspect, Aggregated}},
            {name(TWkDataItemBlockableTextImpl::RegisteredName),
             {text, baseText, itemAspect, Aggregated}},
            {name(TWkDataConsumer::RegisteredName), {Extensible}},
            {name(TWkDataConsumerItemSelect::RegisteredName), {service, Aggregated}},
            {name(TWkDataContexts::RegisteredName),
             {QStringLiteral("TWkBaseDataContexts"), Extensible}},
            {context, {baseContext, Extensible}},
            {name(TWkManagedDataContext::RegisteredName), {context, baseContext, Extensible}},
            {name(TWkFixedDataContext::RegisteredName), {context, baseContext, Extensible}},
        });
    });
}

void WkDataProviderFinalization() {
    providerUnit().Finalize([] {
        UnregisterClasses({
            name(TWkDataItemsList::RegisteredName),
            name(TWkCustomDataItemsImages::RegisteredName),
            name(TWkCustomDataItemsTextRenderer::RegisteredName),
            name(TWkBaseDataItemsListManagement::RegisteredName),
            QStringLiteral("TWkBaseDataItem"),
            name(TWkDataItemTextImpl::RegisteredName),
            name(TWkDataItemImageImpl::RegisteredName),
            name(TWkDataItemContextTextImpl::RegisteredName),
            name(TWkDataItemBlockableTextImpl::RegisteredName),
            name(TWkDataConsumer::RegisteredName),
            name(TWkDataConsumerItemSelect::RegisteredName),
            name(TWkDataContexts::RegisteredName),
            name(TWkDataContext::RegisteredName),
            name(TWkManagedDataContext::RegisteredName),
            name(TWkFixedDataContext::RegisteredName),
        });
    });
}
