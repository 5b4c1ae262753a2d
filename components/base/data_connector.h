#pragma once
// Links a control to an external data source. Without a source (the usual case) every call
// returns at once, so controls may call the connector unconditionally on change, focus exit
// and Esc. A source notifies its connectors through DataEvent; each notification reaches the
// connector and then its master.

#include "components/base/data_connector_field.h"

#include <memory>
#include <vector>

class TWkDataConnector {
public:
    // Notifications a source sends.
    enum DataMessage : int {
        dmActiveChanged = 100,
        dmRecordChanged = 101, // the control re-reads its field
        dmUpdateData = 102,    // the control writes its field
        dmLayoutChanged = 103,
    };

    TWkDataConnector() = default;
    virtual ~TWkDataConnector();
    TWkDataConnector(const TWkDataConnector&) = delete;
    TWkDataConnector& operator=(const TWkDataConnector&) = delete;

    void Assign(const TWkDataConnector& source) { SetDataSource(source.DataSource()); }

    const std::shared_ptr<IWkDataSource>& DataSource() const { return FDataSource; }
    // A source that keeps no connector registration is dropped: it could not notify.
    void SetDataSource(std::shared_ptr<IWkDataSource> source);

    // A connector that receives every notification after this one; not owned.
    void SetMaster(TWkDataConnector* master) { FMaster = master; }

    QObject* GetDataLink() const;
    // The field of that name, made once per name and kept; null without a source.
    TWkDataConnectorField* FindField(const QString& name);
    TWkDataConnectorField* FieldByName(const QString& name) { return FindField(name); }

    bool Active() const { return FActive; }
    bool Modified() const { return FModified; }

    // Puts the source into edit mode when editable and not inside a notification.
    void Edit();
    // Marks the control's value changed (after Edit) while active.
    void Modify();
    // Makes the control show the source's value again, dropping its own change.
    void Reset();
    // Writes a changed value of the control to the source.
    void UpdateRecord();

    void DataEvent(int message);

protected:
    virtual bool CanEdit() const;
    virtual void ActiveChanged() {}
    virtual void RecordChanged() {}
    virtual void UpdateData() {}
    virtual void LayoutChanged() {}
    virtual void SourceChanged() {}

private:
    bool Connected() const { return FDataSource && FDataSource->IsConnected(); }
    void Dispatch(int message);
    void Disconnect();

    std::shared_ptr<IWkDataSource> FDataSource;
    std::vector<std::unique_ptr<TWkDataConnectorField>> FFields;
    bool FActive = false;
    bool FModified = false;
    int FLockRecordChange = 0;
    TWkDataConnector* FMaster = nullptr;
};

// A connector for one named field of the source.
class TWkFieldDataConnector : public TWkDataConnector {
public:
    const QString& DataField() const { return FDataField; }
    void SetDataField(const QString& name);
    // The resolved field, or null.
    TWkDataConnectorField* Field() const { return FField.get(); }

protected:
    bool CanEdit() const override;
    void ActiveChanged() override { Resolve(); }
    void LayoutChanged() override { Resolve(); }
    void SourceChanged() override { Resolve(); }

private:
    void Resolve();

    QString FDataField;
    std::unique_ptr<TWkDataConnectorField> FField;
};

// The text and read-only state a combo edit lets its connector drive.
class IWkConnectedEdit {
public:
    virtual ~IWkConnectedEdit() = default;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
};

class TWkCustomComboEditDataConnector : public TWkFieldDataConnector {
public:
    explicit TWkCustomComboEditDataConnector(IWkConnectedEdit& edit) : FEdit(edit) {}

protected:
    // The edit shows the field's text, read-only unless the field can be modified; without a
    // valid field it is empty and read-only.
    void RecordChanged() override;
    // The edit's text goes into the field and is read back as the field formats it.
    void UpdateData() override;

private:
    IWkConnectedEdit& FEdit;
};
