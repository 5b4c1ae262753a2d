#pragma once
// One field of a data source as a connector sees it: typed access passed on to the source.

#include "components/base/data_source.h"

#include <QDateTime>
#include <memory>

class TWkDataConnectorField {
public:
    TWkDataConnectorField(std::shared_ptr<IWkDataSource> source, QString fieldName);

    const QString& FieldName() const { return FFieldName; }
    // A resolved field on a connected source.
    bool IsValid() const;

    bool AsBoolean() const { return Value().toBool(); }
    void SetAsBoolean(bool value) { SetValue(value); }
    QDateTime AsDateTime() const { return Value().toDateTime(); }
    void SetAsDateTime(const QDateTime& value) { SetValue(value); }
    double AsFloat() const { return Value().toDouble(); }
    void SetAsFloat(double value) { SetValue(value); }
    // Read as text and converted, 0 when the text is no whole number.
    qint64 AsInt64() const;
    void SetAsInt64(qint64 value) { SetValue(value); }
    int AsInteger() const { return Value().toInt(); }
    void SetAsInteger(int value) { SetValue(value); }
    QString AsString() const { return Value().toString(); }
    void SetAsString(const QString& value) { SetValue(value); }
    QString AsWideString() const { return AsString(); }
    void SetAsWideString(const QString& value) { SetValue(value); }
    // Null for an unresolved field.
    QVariant Value() const;
    void SetValue(const QVariant& value);
    QVariant OldValue() const;

    bool CanModify() const;
    int DataType() const { return Attributes().DataType; }
    QString DisplayLabel() const { return Attributes().DisplayLabel; }
    int DisplayWidth() const { return Attributes().DisplayWidth; }
    void SetDisplayWidth(int width);
    QString EditMask() const { return Attributes().EditMask; }
    bool IsBlob() const { return Attributes().IsBlob; }
    bool IsNull() const { return Value().isNull(); }
    bool ReadOnly() const { return Attributes().ReadOnly; }
    bool Required() const { return Attributes().Required; }
    int Size() const { return Attributes().Size; }
    bool Visible() const { return Attributes().Visible; }
    void Clear();

private:
    bool Resolved() const { return FSource && FField != NoField; }
    TWkFieldAttributes Attributes() const;

    std::shared_ptr<IWkDataSource> FSource;
    QString FFieldName;
    TWkFieldHandle FField;
};
