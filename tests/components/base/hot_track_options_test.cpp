#include "components/base/convert_error.h"
#include "components/base/hot_track_options.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class HotTrackOptions : public ::testing::Test {
protected:
    HotTrackOptions() {
        target.OnChanging =
            TNotifyEvent::FromCallable([this](QObject*) { log << QStringLiteral("changing"); });
        target.OnChanged =
            TNotifyEvent::FromCallable([this](QObject*) { log << QStringLiteral("changed"); });
        target.OnChangingProperty = [this](QObject*, const QString& name) {
            log << QStringLiteral("changing ") + name;
        };
        target.OnChangedProperty = [this](QObject*, const QString& name) {
            log << QStringLiteral("changed ") + name;
        };
    }

    TWkHotTrackOptions target{nullptr};
    TWkHotTrackOptions source{nullptr};
    QStringList log;
};

} // namespace

TEST_F(HotTrackOptions, StartWithTheLibraryDefaults) {
    EXPECT_FALSE(target.Enabled());
    EXPECT_EQ(target.Color(), 13811126);
    EXPECT_FALSE(target.FrameVisible());
    EXPECT_EQ(target.FrameColor(), 6956042);
}

TEST_F(HotTrackOptions, AssigningNewValuesAnnouncesEachPropertyAndOneChange) {
    source.SetEnabled(true);
    source.SetColor(clRed);
    source.SetFrameVisible(true);
    source.SetFrameColor(clBlue);
    target.Assign(&source);
    EXPECT_EQ(log, QStringList({"changing", "changing Enabled", "changed Enabled", "changing Color",
                                "changed Color", "changing FrameVisible", "changed FrameVisible",
                                "changing FrameColor", "changed FrameColor", "changed"}));
    EXPECT_TRUE(target.Enabled());
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_TRUE(target.FrameVisible());
    EXPECT_EQ(target.FrameColor(), clBlue);
    EXPECT_EQ(target.UpdateCount(), 0);
}

TEST_F(HotTrackOptions, AssigningEqualValuesOnlyOpensAndClosesTheBracket) {
    target.Assign(&source);
    EXPECT_EQ(log, QStringList({"changing", "changed"}));
}

TEST_F(HotTrackOptions, ASetterAnnouncesOnlyARealChange) {
    target.SetFrameVisible(false);
    EXPECT_TRUE(log.isEmpty());
    target.SetFrameVisible(true);
    EXPECT_EQ(
        log, QStringList({"changing", "changing FrameVisible", "changed FrameVisible", "changed"}));
}

TEST_F(HotTrackOptions, RefusesToCopyAnUnrelatedObject) {
    QObject stranger;
    try {
        target.Assign(&stranger);
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("Cannot assign a QObject to a TWkHotTrackOptions"));
    }
    EXPECT_THROW(target.Assign(nullptr), EConvertError);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(target.UpdateCount(), 0);
}
