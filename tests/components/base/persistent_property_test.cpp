#include "components/base/persistent_property.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class TSampleOptions final : public TWkPersistentProperty {
public:
    using TWkPersistentProperty::TWkPersistentProperty;

    void Change(const QString& name) {
        DoChanging();
        DoChangingProperty(name);
        DoChangedProperty(name);
        DoChanged();
    }
};

struct Recorder {
    QStringList log;

    void Attach(TWkPersistentProperty& options) {
        options.OnChanging =
            TNotifyEvent::FromCallable([this](QObject*) { log << QStringLiteral("changing"); });
        options.OnChanged =
            TNotifyEvent::FromCallable([this](QObject*) { log << QStringLiteral("changed"); });
        options.OnChangingProperty = [this](QObject*, const QString& name) {
            log << QStringLiteral("changing ") + name;
        };
        options.OnChangedProperty = [this](QObject*, const QString& name) {
            log << QStringLiteral("changed ") + name;
        };
    }
};

TEST(PersistentPropertyNotifications, UpdateBracketsHoldBackOnlyUnnamedNotifications) {
    struct Case {
        const char* name;
        std::function<void(TSampleOptions&)> run;
        QStringList expected;
    };
    const Case cases[] = {
        {"outside a bracket",
         [](TSampleOptions& o) { o.Change(QStringLiteral("Color")); },
         {"changing", "changing Color", "changed Color", "changed"}},
        {"nested brackets",
         [](TSampleOptions& o) {
             o.BeginUpdate();
             o.BeginUpdate();
             o.Change(QStringLiteral("Color"));
             o.EndUpdate();
             o.Change(QStringLiteral("Enabled"));
             o.EndUpdate();
         },
         {"changing", "changing Color", "changed Color", "changing Enabled", "changed Enabled",
          "changed"}},
        {"empty bracket",
         [](TSampleOptions& o) {
             o.BeginUpdate();
             o.EndUpdate();
         },
         {"changing", "changed"}},
    };
    for (const auto& c : cases) {
        TSampleOptions options(nullptr);
        Recorder recorder;
        recorder.Attach(options);
        c.run(options);
        EXPECT_EQ(recorder.log, c.expected) << c.name;
        EXPECT_EQ(options.UpdateCount(), 0) << c.name;
    }
}

TEST(PersistentOwnership, NamePathAndOwner) {
    QObject form;
    form.setObjectName(QStringLiteral("MForm"));
    QObject unnamed;
    auto* options = new TWkPersistent(&form);
    options->setObjectName(QStringLiteral("HotTrack"));
    auto* nested = new TWkPersistent(options);
    nested->setObjectName(QStringLiteral("Frame"));
    TWkPersistent orphan(nullptr);
    orphan.setObjectName(QStringLiteral("Alone"));
    TWkPersistent underUnnamed(&unnamed);
    underUnnamed.setObjectName(QStringLiteral("Inner"));

    struct Case {
        const TWkPersistent* object;
        QString path;
        QObject* owner;
    };
    const Case cases[] = {
        {options, QStringLiteral("MForm.HotTrack"), &form},
        {nested, QStringLiteral("MForm.HotTrack.Frame"), options},
        {&orphan, QStringLiteral("Alone"), nullptr},
        {&underUnnamed, QStringLiteral("Inner"), &unnamed},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.object->GetNamePath(), c.path);
        EXPECT_EQ(c.object->GetOwner(), c.owner);
        EXPECT_EQ(c.object->parent(), c.owner) << "freed with its owner";
    }
    underUnnamed.setParent(nullptr);
}

} // namespace
