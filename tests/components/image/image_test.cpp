#include "components/image/image.h"
#include "platform/ui/icon.h"
#include "platform/ui/metafile.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TBitmap> Filled(QColor color) {
    auto bitmap = std::make_unique<TBitmap>(8, 8);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(color);
    bitmap->SetImage(image);
    return bitmap;
}

class ImageTest : public testing::Test {
protected:
    void SetUp() override {
        image.resize(8, 8);
        image.Picture().SetGraphic(plain.get());
        image.OnStateChanged = TNotifyEvent::FromCallable([this](QObject*) { ++stateChanges; });
        image.OnClick = TNotifyEvent::FromCallable([this](QObject*) { ++clicks; });
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QMouseEvent event(type, at, image.mapToGlobal(at), button,
                          type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&image, &event);
    }
    void Click(QPoint at = {3, 3}) {
        Mouse(QEvent::MouseButtonPress, at);
        Mouse(QEvent::MouseButtonRelease, at);
    }
    void Enter() {
        QEnterEvent event(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
        QCoreApplication::sendEvent(&image, &event);
    }
    void Leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(&image, &event);
    }
    QRgb Shown() const {
        return static_cast<const TBitmap*>(image.Displayed().Graphic())->Image().pixel(0, 0);
    }

    std::unique_ptr<TBitmap> plain = Filled(Qt::gray);
    std::unique_ptr<TBitmap> entered = Filled(Qt::yellow);
    std::unique_ptr<TBitmap> down = Filled(Qt::blue);
    std::unique_ptr<TBitmap> clicked1 = Filled(Qt::red);
    std::unique_ptr<TBitmap> clicked2 = Filled(Qt::green);
    TWkImage image;
    int stateChanges = 0;
    int clicks = 0;
};

void Set(TPicture& picture, const std::unique_ptr<TBitmap>& bitmap) {
    picture.SetGraphic(bitmap.get());
}

TEST_F(ImageTest, WithoutStatePicturesNothingButEnablingChangesTheState) {
    Enter();
    Click();
    Click();
    Leave();
    EXPECT_EQ(image.State(), stDefault);
    EXPECT_EQ(Shown(), QColor(Qt::gray).rgb());
    EXPECT_EQ(stateChanges, 0);
    EXPECT_EQ(clicks, 2);
    image.SetEnabled(false);
    image.SetEnabled(true);
    EXPECT_EQ(stateChanges, 2);
}

TEST_F(ImageTest, ClicksCycleThroughTheClickedStates) {
    Set(image.Pictures().PicEnter(), entered);
    Set(image.Pictures().PicDown(), down);
    Set(image.Pictures().PicClicked1(), clicked1);
    Set(image.Pictures().PicClicked2(), clicked2);
    Enter();
    EXPECT_EQ(image.State(), stEntered);
    Mouse(QEvent::MouseButtonPress, {3, 3});
    EXPECT_EQ(image.State(), stDown);
    EXPECT_EQ(Shown(), QColor(Qt::blue).rgb());
    Mouse(QEvent::MouseButtonRelease, {3, 3});
    EXPECT_EQ(image.State(), stClicked1);
    Click();
    EXPECT_EQ(image.State(), stClicked2);
    EXPECT_EQ(Shown(), QColor(Qt::green).rgb());
    Click();
    EXPECT_EQ(image.State(), stEntered);
    Leave();
    EXPECT_EQ(image.State(), stDefault);
    EXPECT_EQ(Shown(), QColor(Qt::gray).rgb());
}

TEST_F(ImageTest, AMissingSecondClickPictureFallsBackToDefault) {
    Set(image.Pictures().PicClicked1(), clicked1);
    Click();
    EXPECT_EQ(image.State(), stClicked1);
    Click();
    EXPECT_EQ(image.State(), stDefault);
    Click();
    EXPECT_EQ(image.State(), stClicked1);
}

TEST_F(ImageTest, AMouseUpOnTheEdgeCountsAsOutside) {
    Set(image.Pictures().PicEnter(), entered);
    Set(image.Pictures().PicDown(), down);
    Mouse(QEvent::MouseButtonPress, {3, 3});
    Mouse(QEvent::MouseButtonRelease, {0, 3});
    EXPECT_EQ(image.State(), stDefault);
    Mouse(QEvent::MouseButtonPress, {3, 3});
    Mouse(QEvent::MouseButtonRelease, {4, 4});
    EXPECT_EQ(image.State(), stEntered);
}

TEST_F(ImageTest, EveryButtonPressesAndReleasesButOnlyTheLeftOneClicks) {
    Set(image.Pictures().PicEnter(), entered);
    Set(image.Pictures().PicDown(), down);
    Set(image.Pictures().PicClicked1(), clicked1);
    const struct {
        Qt::MouseButton button;
        QPoint releasedAt;
        TPicState afterRelease;
        int clicks;
    } cases[] = {
        {Qt::LeftButton, {3, 3}, stClicked1, 1},  {Qt::RightButton, {3, 3}, stEntered, 0},
        {Qt::MiddleButton, {3, 3}, stEntered, 0}, {Qt::BackButton, {3, 3}, stEntered, 0},
        {Qt::RightButton, {8, 3}, stDefault, 0},  {Qt::MiddleButton, {3, 0}, stDefault, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " released at "
                                        << c.releasedAt.x() << "," << c.releasedAt.y());
        image.SetState(stDefault);
        clicks = 0;
        Mouse(QEvent::MouseButtonPress, {3, 3}, c.button);
        EXPECT_EQ(image.State(), stDown);
        EXPECT_EQ(Shown(), QColor(Qt::blue).rgb());
        Mouse(QEvent::MouseButtonRelease, c.releasedAt, c.button);
        EXPECT_EQ(image.State(), c.afterRelease);
        EXPECT_EQ(clicks, c.clicks);
        // A left click leaves the first clicked state counted; the next case starts afresh.
        if (c.clicks > 0)
            Click();
    }
}

TEST_F(ImageTest, DisablingShowsTheDisabledPicture) {
    QWidget parent;
    image.setParent(&parent);
    Set(image.Pictures().PicDisabled(), down);
    const struct {
        const char* name;
        std::function<void(bool)> enable;
    } ways[] = {
        {"SetEnabled",
         [this](bool on) {
             image.SetEnabled(on);
         }},
        {"setEnabled",
         [this](bool on) {
             image.setEnabled(on);
         }},
        {"the parent",
         [&parent](bool on) {
             parent.setEnabled(on);
         }},
    };
    for (const auto& way : ways) {
        stateChanges = 0;
        way.enable(false);
        EXPECT_EQ(image.State(), stDisabled) << way.name;
        EXPECT_EQ(Shown(), QColor(Qt::blue).rgb()) << way.name;
        way.enable(true);
        EXPECT_EQ(image.State(), stDefault) << way.name;
        EXPECT_EQ(Shown(), QColor(Qt::gray).rgb()) << way.name;
        EXPECT_EQ(stateChanges, 2) << way.name;
    }
    image.setParent(nullptr);
}

TEST_F(ImageTest, TransparentPixelsOfAPlainBitmapAreNoHit) {
    const auto spotted = Filled(Qt::white);
    spotted->SetPixel(2, 2, clRed);
    spotted->SetTransparentColor(clWhite);
    image.Picture().SetGraphic(spotted.get());
    EXPECT_TRUE(image.HitTestAt(1, 1));
    image.SetTransparent(true);
    EXPECT_FALSE(image.HitTestAt(1, 1));
    EXPECT_TRUE(image.HitTestAt(2, 2));
    EXPECT_FALSE(image.HitTestAt(9, 9));
}

TEST_F(ImageTest, TransparentReachesEveryPictureButIconsAndMetafiles) {
    struct Case {
        const char* name;
        std::unique_ptr<TGraphic> graphic;
        bool follows;
    };
    Case cases[] = {{"bitmap", Filled(Qt::gray), true},
                    {"icon", std::make_unique<TIcon>(), false},
                    {"metafile", std::make_unique<TMetafile>(), false}};
    for (const bool transparent : {true, false}) {
        image.SetTransparent(transparent);
        for (Case& c : cases) {
            const bool own = c.graphic->Transparent();
            image.Picture().SetGraphic(c.graphic.get());
            EXPECT_EQ(image.Picture().Graphic()->Transparent(), c.follows ? transparent : own)
                << c.name << " with the image transparent: " << transparent;
        }
    }
}

} // namespace
