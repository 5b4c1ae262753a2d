#include "components/base/data_connector.h"

#include <utility>

namespace {

// Holds a connector's lock for one notification or write, also when it raises.
class RecordLock {
public:
    explicit RecordLock(int& count) : count(count) { ++count; }
    ~RecordLock() { --count; }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    int& count;
};

IWkConnectorRegistration* registration(const std::shared_ptr<IWkDataSource>& source) {
    return dynamic_cast<IWkConnectorRegistration*>(source.get());
}

} // namespace

TWkDataConnector::~TWkDataConnector() {
    if (auto* list = registration(FDataSource))
        list->UnregisterConnector(this);
}

void TWkDataConnector::SetDataSource(std::shared_ptr<IWkDataSource> source) {
    if (source == FDataSource)
        return;
    if (FDataSource)
        Disconnect();
    auto* list = registration(source);
    if (list == nullptr)
        return;
    FDataSource = std::move(source);
    list->RegisterConnector(this);
    FModified = false;
    FActive = true;
    SourceChanged();
    DataEvent(dmRecordChanged);
}

void TWkDataConnector::Disconnect() {
    if (auto* list = registration(FDataSource))
        list->UnregisterConnector(this);
    FDataSource.reset();
    SourceChanged();
    DataEvent(dmRecordChanged);
    FActive = false;
    FModified = false;
    FFields.clear();
}

QObject* TWkDataConnector::GetDataLink() const {
    return FDataSource ? FDataSource->DataLink() : nullptr;
}

TWkDataConnectorField* TWkDataConnector::FindField(const QString& name) {
    if (!FDataSource)
        return nullptr;
    for (const auto& field : FFields) {
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    }
    if (FDataSource->FindField(name) == NoField)
        return nullptr;
    FFields.push_back(std::make_unique<TWkDataConnectorField>(FDataSource, name));
    return FFields.back().get();
}

bool TWkDataConnector::CanEdit() const {
    return Connected() && FDataSource->CanEdit();
}

void TWkDataConnector::Edit() {
    if (!CanEdit() || FLockRecordChange > 0)
        return;
    const RecordLock lock(FLockRecordChange);
    FDataSource->Edit();
}

void TWkDataConnector::Modify() {
    if (!FActive || FLockRecordChange > 0)
        return;
    Edit();
    FModified = true;
}

void TWkDataConnector::Reset() {
    if (!Connected() || !FActive)
        return;
    FActive = false;
    try {
        DataEvent(dmRecordChanged);
    } catch (...) {
        FActive = true;
        throw;
    }
    FActive = true;
    FModified = false;
}

void TWkDataConnector::UpdateRecord() {
    if (!Connected() || !FModified || !FActive)
        return;
    {
        const RecordLock lock(FLockRecordChange);
        UpdateData();
    }
    FModified = false;
}

void TWkDataConnector::DataEvent(int message) {
    Dispatch(message);
    if (FMaster != nullptr)
        FMaster->Dispatch(message);
}

void TWkDataConnector::Dispatch(int message) {
    switch (message) {
    case dmActiveChanged:
        ActiveChanged();
        break;
    case dmRecordChanged: {
        const RecordLock lock(FLockRecordChange);
        RecordChanged();
        break;
    }
    case dmUpdateData:
        if (FActive) {
            const RecordLock lock(FLockRecordChange);
            UpdateData();
        }
        break;
    case dmLayoutChanged:
        FFields.clear();
        LayoutChanged();
        break;
    default:
        return;
    }
    FModified = false;
}

void TWkFieldDataConnector::SetDataField(const QString& name) {
    FDataField = name;
    Resolve();
    // Without a source there is nothing to show: the control keeps its own text.
    if (DataSource())
        DataEvent(dmRecordChanged);
}

bool TWkFieldDataConnector::CanEdit() const {
    return TWkDataConnector::CanEdit() && FField && FField->CanModify();
}

void TWkFieldDataConnector::Resolve() {
    FField.reset();
    if (DataSource() && !FDataField.isEmpty())
        FField = std::make_unique<TWkDataConnectorField>(DataSource(), FDataField);
}

void TWkCustomComboEditDataConnector::RecordChanged() {
    const TWkDataConnectorField* field = Field();
    if (field != nullptr && field->IsValid()) {
        FEdit.SetReadOnly(!field->CanModify());
        FEdit.SetText(field->AsString());
    } else {
        FEdit.SetText(QString());
        FEdit.SetReadOnly(true);
    }
}

void TWkCustomComboEditDataConnector::UpdateData() {
    TWkDataConnectorField* field = Field();
    if (field == nullptr)
        return;
    field->SetAsString(FEdit.Text());
    FEdit.SetText(field->AsString());
}
