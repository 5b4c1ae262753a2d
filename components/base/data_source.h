#pragma once
// What a control needs of an external data source to show and edit one of its fields, without
// depending on a database library. The source drives its connectors through DataEvent.

#include <QObject>
#include <QString>
#include <QUuid>
#include <QVariant>

class TWkDataConnector;

// The source's handle for one of its fields; NoField when a name does not resolve.
using TWkFieldHandle = int;
constexpr TWkFieldHandle NoField = -1;

// What a source says about one field.
struct TWkFieldAttributes {
    bool CanModify = false;
    int DataType = 0;
    QString DisplayLabel;
    int DisplayWidth = 0;
    QString EditMask;
    bool IsBlob = false;
    bool ReadOnly = false;
    bool Required = false;
    int Size = 0;
    bool Visible = true;
};

class IWkDataSource {
public:
    virtual ~IWkDataSource() = default;

    // The source's data link object, or null.
    virtual QObject* DataLink() const = 0;
    // True while the source has a connected data set.
    virtual bool IsConnected() const = 0;
    virtual bool CanEdit() const = 0;
    // Puts the current record into edit mode.
    virtual void Edit() = 0;

    virtual TWkFieldHandle FindField(const QString& name) const = 0;
    virtual TWkFieldAttributes Attributes(TWkFieldHandle field) const = 0;
    virtual void SetDisplayWidth(TWkFieldHandle field, int width) = 0;
    // Null for a null field.
    virtual QVariant Value(TWkFieldHandle field) const = 0;
    virtual QVariant OldValue(TWkFieldHandle field) const = 0;
    virtual void SetValue(TWkFieldHandle field, const QVariant& value) = 0;
    virtual void Clear(TWkFieldHandle field) = 0;
};

// Offered by sources that keep a list of their connectors to notify.
class IWkConnectorRegistration {
public:
    static inline const QUuid IID{QStringLiteral("{CCAB936A-6CB4-4047-95C8-7EBFC5DC4B9F}")};

    virtual ~IWkConnectorRegistration() = default;
    virtual void RegisterConnector(TWkDataConnector* connector) = 0;
    virtual void UnregisterConnector(TWkDataConnector* connector) = 0;
};
