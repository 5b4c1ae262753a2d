#include "components/base/data_connector.h"
#include "tests/support/record_data_source.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A source without a connector registration.
class SilentSource final : public IWkDataSource {
public:
    QObject* DataLink() const override { return nullptr; }
    bool IsConnected() const override { return true; }
    bool CanEdit() const override { return true; }
    void Edit() override {}
    TWkFieldHandle FindField(const QString&) const override { return 0; }
    TWkFieldAttributes Attributes(TWkFieldHandle) const override { return {}; }
    void SetDisplayWidth(TWkFieldHandle, int) override {}
    QVariant Value(TWkFieldHandle) const override { return {}; }
    QVariant OldValue(TWkFieldHandle) const override { return {}; }
    void SetValue(TWkFieldHandle, const QVariant&) override {}
    void Clear(TWkFieldHandle) override {}
};

struct FakeEdit final : IWkConnectedEdit {
    QString text = QStringLiteral("typed");
    bool readOnly = false;
    QString Text() const override { return text; }
    void SetText(const QString& value) override { text = value; }
    void SetReadOnly(bool value) override { readOnly = value; }
};

class CountingConnector final : public TWkDataConnector {
public:
    QStringList heard;

protected:
    void RecordChanged() override { heard << QStringLiteral("record"); }
    void LayoutChanged() override { heard << QStringLiteral("layout"); }
};

} // namespace

TEST(DataConnector, WithoutASourceEveryCallIsHarmless) {
    FakeEdit edit;
    TWkCustomComboEditDataConnector connector(edit);
    connector.SetDataField(QStringLiteral("Name"));
    connector.Modify();
    connector.UpdateRecord();
    connector.Reset();
    connector.Edit();
    EXPECT_FALSE(connector.Modified());
    EXPECT_FALSE(connector.Active());
    EXPECT_EQ(connector.FindField(QStringLiteral("Name")), nullptr);
    EXPECT_EQ(connector.GetDataLink(), nullptr);
    EXPECT_EQ(edit.text, QStringLiteral("typed"));
    EXPECT_FALSE(edit.readOnly) << "a field name without a source leaves the edit alone";
}

TEST(DataConnector, ASourceThatCannotRegisterIsDropped) {
    TWkDataConnector connector;
    connector.SetDataSource(std::make_shared<SilentSource>());
    EXPECT_EQ(connector.DataSource(), nullptr);
    EXPECT_FALSE(connector.Active());
}

TEST(DataConnector, AnEditShowsChangesAndWritesItsField) {
    auto source = std::make_shared<RecordDataSource>();
    FakeEdit edit;
    TWkCustomComboEditDataConnector connector(edit);
    connector.SetDataField(QStringLiteral("Name"));
    connector.SetDataSource(source);
    EXPECT_EQ(source->connectors.count(&connector), 1u);
    EXPECT_TRUE(connector.Active());
    EXPECT_EQ(edit.text, QStringLiteral("stick"));
    EXPECT_FALSE(edit.readOnly);

    edit.text = QStringLiteral("throttle");
    connector.Modify();
    EXPECT_EQ(source->edits, 1);
    EXPECT_TRUE(connector.Modified());
    connector.UpdateRecord();
    EXPECT_EQ(source->fields["Name"], QStringLiteral("THROTTLE"));
    EXPECT_EQ(edit.text, QStringLiteral("THROTTLE")) << "the edit re-reads the written field";
    EXPECT_FALSE(connector.Modified());

    edit.text = QStringLiteral("rudder");
    connector.Modify();
    connector.Reset();
    EXPECT_EQ(edit.text, QStringLiteral("THROTTLE"));
    EXPECT_FALSE(connector.Modified());
    connector.UpdateRecord();
    EXPECT_EQ(source->fields["Name"], QStringLiteral("THROTTLE"))
        << "a reset change stays unwritten";
}

TEST(DataConnector, ReadOnlyAndMissingFieldsLockTheEdit) {
    auto source = std::make_shared<RecordDataSource>();
    FakeEdit edit;
    TWkCustomComboEditDataConnector connector(edit);
    connector.SetDataSource(source);
    connector.SetDataField(QStringLiteral("Id"));
    EXPECT_EQ(edit.text, QStringLiteral("7"));
    EXPECT_TRUE(edit.readOnly);
    connector.Modify();
    EXPECT_EQ(source->edits, 0) << "a field that cannot be modified is not edited";

    connector.SetDataField(QStringLiteral("Serial"));
    EXPECT_EQ(edit.text, QString());
    EXPECT_TRUE(edit.readOnly);
}

TEST(DataConnector, NotificationsReachTheMasterAndSourcesLetGo) {
    auto source = std::make_shared<RecordDataSource>();
    CountingConnector master;
    {
        TWkDataConnector connector;
        connector.SetMaster(&master);
        connector.SetDataSource(source);
        ASSERT_NE(connector.FindField(QStringLiteral("Name")), nullptr);
        EXPECT_EQ(connector.FindField(QStringLiteral("Name")),
                  connector.FieldByName(QStringLiteral("Name")))
            << "one field object per name";
        EXPECT_EQ(connector.FindField(QStringLiteral("Serial")), nullptr);
        connector.DataEvent(TWkDataConnector::dmLayoutChanged);
        EXPECT_EQ(master.heard, QStringList({"record", "layout"}));

        auto other = std::make_shared<RecordDataSource>();
        connector.SetDataSource(other);
        EXPECT_TRUE(source->connectors.empty()) << "the old source is left";
        EXPECT_EQ(other->connectors.size(), 1u);
        connector.SetDataSource(source);
    }
    EXPECT_TRUE(source->connectors.empty()) << "a destroyed connector unregisters";
}
