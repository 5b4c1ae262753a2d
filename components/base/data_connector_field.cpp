#include "components/base/data_connector_field.h"

#include <utility>

TWkDataConnectorField::TWkDataConnectorField(std::shared_ptr<IWkDataSource> source,
                                             QString fieldName)
    : FSource(std::move(source)), FFieldName(std::move(fieldName)),
      FField(FSource ? FSource->FindField(FFieldName) : NoField) {}

bool TWkDataConnectorField::IsValid() const {
    return Resolved() && FSource->IsConnected();
}

qint64 TWkDataConnectorField::AsInt64() const {
    bool ok = false;
    const qint64 value = AsString().trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

QVariant TWkDataConnectorField::Value() const {
    return Resolved() ? FSource->Value(FField) : QVariant();
}

void TWkDataConnectorField::SetValue(const QVariant& value) {
    if (Resolved())
        FSource->SetValue(FField, value);
}

QVariant TWkDataConnectorField::OldValue() const {
    return Resolved() ? FSource->OldValue(FField) : QVariant();
}

bool TWkDataConnectorField::CanModify() const {
    return IsValid() && Attributes().CanModify;
}

void TWkDataConnectorField::SetDisplayWidth(int width) {
    if (Resolved())
        FSource->SetDisplayWidth(FField, width);
}

void TWkDataConnectorField::Clear() {
    if (Resolved())
        FSource->Clear(FField);
}

TWkFieldAttributes TWkDataConnectorField::Attributes() const {
    return Resolved() ? FSource->Attributes(FField) : TWkFieldAttributes{};
}
