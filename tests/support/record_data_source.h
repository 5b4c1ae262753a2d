#pragma once
// A data source of the tests' own: one record of named text fields, "Id" read-only. Written
// values are kept in upper case, so a test can see a control re-read the field it wrote.

#include "components/base/data_source.h"

#include <iterator>
#include <map>
#include <set>

class RecordDataSource final : public IWkDataSource, public IWkConnectorRegistration {
public:
    std::map<QString, QString> fields{{"Name", "stick"}, {"Id", "7"}};
    std::set<TWkDataConnector*> connectors;
    int edits = 0;

    QObject* DataLink() const override { return nullptr; }
    bool IsConnected() const override { return true; }
    bool CanEdit() const override { return true; }
    void Edit() override { ++edits; }
    TWkFieldHandle FindField(const QString& name) const override {
        const auto at = fields.find(name);
        return at == fields.end() ? NoField : int(std::distance(fields.begin(), at));
    }
    TWkFieldAttributes Attributes(TWkFieldHandle field) const override {
        TWkFieldAttributes attributes;
        attributes.CanModify = Name(field) != QStringLiteral("Id");
        return attributes;
    }
    void SetDisplayWidth(TWkFieldHandle, int) override {}
    QVariant Value(TWkFieldHandle field) const override { return fields.at(Name(field)); }
    QVariant OldValue(TWkFieldHandle field) const override { return Value(field); }
    void SetValue(TWkFieldHandle field, const QVariant& value) override {
        fields[Name(field)] = value.toString().toUpper();
    }
    void Clear(TWkFieldHandle field) override { fields[Name(field)].clear(); }
    void RegisterConnector(TWkDataConnector* connector) override { connectors.insert(connector); }
    void UnregisterConnector(TWkDataConnector* connector) override { connectors.erase(connector); }

private:
    QString Name(TWkFieldHandle field) const { return std::next(fields.begin(), field)->first; }
};
