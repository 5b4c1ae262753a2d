#include "components/data/data_consumer.h"
#include "components/draw/themed_background.h"
#include "components/label/label.h"
#include "tests/components/data/test_provider.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QColor Paper(0, 0, 128);

// Where a label drew: the box around every pixel that differs from the paper.
struct Ink {
    QRect box;
    int pixels = 0;
};

Ink InkOf(const QImage& image, const QRect& area) {
    Ink ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != Paper) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.pixels;
            }
    return ink;
}

// Runs of ink columns: one per line of an upright caption.
int ColumnBands(const QImage& image, const QRect& area) {
    int bands = 0;
    bool inBand = false;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool ink = false;
        for (int y = area.top(); y <= area.bottom() && !ink; ++y)
            ink = image.pixelColor(x, y) != Paper;
        bands += ink && !inBand;
        inBand = ink;
    }
    return bands;
}

// A label on a dark page, the way the window places its captions.
class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.resize(240, 200);
        QPalette colors = page.palette();
        colors.setColor(QPalette::Window, Paper);
        page.setPalette(colors);
        page.setAutoFillBackground(true);
        label = new TWkLabel(&page);
        label->SetFont(TFont{QString(), -12, clWhite});
    }

    void Upright(const QString& caption, QRect box) {
        label->SetAutoSize(false);
        label->setGeometry(box);
        label->SetAngle(90);
        label->SetAlignment(taCenter);
        label->SetTransparent(true);
        label->SetWordWrap(true);
        label->SetCaption(caption);
    }

    QImage Shot() { return page.grab().toImage(); }
    int TextWidth(const QString& text) {
        QImage image(1, 1, QImage::Format_RGB32);
        TCanvas canvas(&image);
        canvas.Font = label->Font();
        return canvas.TextWidth(text);
    }

    QWidget page;
    TWkLabel* label = nullptr;
};

TEST_F(LabelTest, SettersKeepTheirValuesInRange) {
    label->SetAngle(-90);
    EXPECT_EQ(label->Angle(), 270);
    label->SetMargin(-3);
    EXPECT_EQ(label->Margin(), 0);
    label->SetAutoSize(false);
    label->resize(60, 20);
    label->SetRoundedFrame(10);
    EXPECT_EQ(label->RoundedFrame(), 0);
    label->SetRoundedFrame(9);
    EXPECT_EQ(label->RoundedFrame(), 9);
}

TEST_F(LabelTest, UprightCaptionRunsUpCentredInItsBox) {
    const QString caption = QStringLiteral("Calibration");
    Upright(caption, QRect(50, 20, 40, 120));
    const Ink ink = InkOf(Shot(), label->geometry());
    ASSERT_GT(ink.pixels, 0);
    EXPECT_GT(ink.box.height(), ink.box.width());
    EXPECT_NEAR(ink.box.height(), TextWidth(caption), 3);
    EXPECT_NEAR(ink.box.center().x(), label->geometry().center().x(), 2);
    EXPECT_NEAR(ink.box.center().y(), label->geometry().center().y(), 3);
}

// A caption longer than its box wraps into lines side by side and stays inside; on one line
// it would run out of the box at both ends.
TEST_F(LabelTest, LongUprightCaptionWrapsInsideItsBox) {
    const QString caption = QStringLiteral("Centre dead zone");
    const QRect box(50, 20, 50, TextWidth(caption) * 2 / 3);
    Upright(caption, box);
    const QImage wrapped = Shot();
    const QRect inside = box.adjusted(1, 1, -1, -1);
    EXPECT_EQ(InkOf(wrapped, box).pixels, InkOf(wrapped, inside).pixels);
    EXPECT_GE(ColumnBands(wrapped, box), 2);

    label->SetWordWrap(false);
    label->update();
    const Ink single = InkOf(Shot(), box);
    EXPECT_EQ(ColumnBands(Shot(), box), 1);
    EXPECT_LE(single.box.top(), box.top() + 1);
    EXPECT_GE(single.box.bottom(), box.bottom() - 1);
}

TEST_F(LabelTest, WordEllipsisShortensOnlyAWordLongerThanTheBox) {
    const QString word = QStringLiteral("Autocalibration");
    const QRect box(50, 20, 40, TextWidth(word) - 10);
    Upright(word, box);
    label->SetTextEllipsis(teWordEllipsis);
    const Ink ink = InkOf(Shot(), box);
    EXPECT_EQ(ink.pixels, InkOf(Shot(), box.adjusted(1, 1, -1, -1)).pixels);
    EXPECT_LE(ink.box.height(), box.height() - 2);
}

TEST_F(LabelTest, DisabledLabelHasAHighlightShadowBelowRightOfGreyText) {
    QFont sharp = QApplication::font();
    sharp.setStyleStrategy(QFont::NoAntialias);
    const QFont previous = QApplication::font();
    QApplication::setFont(sharp);
    label->SetFont(TFont{QString(), -14, clWhite});
    label->setGeometry(10, 10, 120, 30);
    label->SetCaption(QStringLiteral("MIM"));
    label->setEnabled(false);
    const QImage image = Shot();
    QApplication::setFont(previous);
    QRect grey;
    QRect highlight;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color == ToQColor(clGrayText))
                grey |= QRect(x, y, 1, 1);
            if (color == ToQColor(clBtnHighlight))
                highlight |= QRect(x, y, 1, 1);
        }
    ASSERT_FALSE(grey.isEmpty());
    ASSERT_FALSE(highlight.isEmpty());
    EXPECT_EQ(highlight.topLeft(), grey.topLeft() + QPoint(1, 1));
}

TEST_F(LabelTest, TransparentLabelLeavesThePageShowing) {
    label->setGeometry(10, 10, 60, 20);
    label->SetFrameColor(clRed);
    label->SetTransparent(true);
    EXPECT_TRUE(label->Transparent());
    EXPECT_FALSE(label->testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage image = Shot();
    EXPECT_EQ(image.pixelColor(40, 20), Paper);
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
    label->SetTransparent(false);
    EXPECT_EQ(label->Transparent(), ThemesEnabled());
}

TEST_F(LabelTest, EmptyAutoSizedLabelKeepsTheHeightOfOneLine) {
    label->SetCaption(QString());
    label->Loaded();
    QImage image(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&image);
    canvas.Font = label->Font();
    EXPECT_EQ(label->height(), canvas.TextHeight(QStringLiteral(" ")) + 2);
    EXPECT_EQ(label->width(), canvas.TextWidth(QStringLiteral(" ")) + 2);
}

// The label keeps no pointer of its own to its image list: a list freed first leaves the label
// without images, and the next paint and the next list it takes work as for a fresh label.
TEST_F(LabelTest, ImageListFreedBeforeTheLabelIsDropped) {
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 80, 24);
    label->SetCaption(QStringLiteral("Ok"));
    const QImage plain = Shot();
    auto images = std::make_unique<TImageList>(12, 12);
    QImage red(12, 12, QImage::Format_ARGB32);
    red.fill(Qt::red);
    images->AddImage(red);
    label->SetImages(images.get());
    label->SetImageIndex(0);
    EXPECT_EQ(Shot().pixelColor(12, 12), QColor(Qt::red));

    images.reset();
    EXPECT_EQ(label->Images(), nullptr);
    EXPECT_EQ(Shot(), plain);

    TImageList next(12, 12);
    QImage green(12, 12, QImage::Format_ARGB32);
    green.fill(Qt::green);
    next.AddImage(green);
    label->SetImages(&next);
    EXPECT_EQ(label->Images(), &next);
    EXPECT_EQ(Shot().pixelColor(12, 12), QColor(Qt::green));
}

void ClickAt(QWidget* widget, QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

TEST_F(LabelTest, ClickOpensTheUrlAfterOnClick) {
    RecordingUiHost host;
    ScopedUiHost guard(host);
    label->setGeometry(10, 10, 60, 20);
    label->SetURL(QStringLiteral("https://example.org/tavro"));
    label->OnClick = TNotifyEvent::FromCallable([&](QObject*) { host.log << "click"; });
    ClickAt(label, {5, 5});
    EXPECT_EQ(host.log,
              QStringList({QStringLiteral("click"),
                           QStringLiteral("shellOpen: https://example.org/tavro |  | ")}));
    host.log.clear();
    label->SetAutoOpenURL(false);
    ClickAt(label, {5, 5});
    EXPECT_EQ(host.log, QStringList({QStringLiteral("click")}));
}

TEST_F(LabelTest, AltWithTheAcceleratorFocusesTheFocusControl) {
    auto* first = new QLineEdit(&page);
    auto* target = new QLineEdit(&page);
    target->move(0, 100);
    label->SetCaption(QStringLiteral("&Name"));
    label->SetFocusControl(target);
    page.show();
    QApplication::setActiveWindow(&page);
    first->setFocus();
    const auto press = [&](Qt::KeyboardModifiers modifiers) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_N, modifiers, QStringLiteral("n"));
        QApplication::sendEvent(label, &key);
    };
    label->SetShowAccelChar(false);
    press(Qt::AltModifier);
    EXPECT_FALSE(page.focusWidget() == target);
    label->SetShowAccelChar(true);
    press(Qt::NoModifier);
    EXPECT_FALSE(page.focusWidget() == target);
    press(Qt::AltModifier);
    EXPECT_TRUE(page.focusWidget() == target);
    delete target;
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(LabelTest, HotTrackFillsTheLabelWhileTheMouseIsOver) {
    label->setGeometry(10, 10, 60, 20);
    label->SetHotTrack(true);
    label->HotTrackOptions().SetEnabled(true);
    label->HotTrackOptions().SetColor(clLime);
    page.show();
    page.activateWindow();
    QApplication::setActiveWindow(&page);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    EXPECT_TRUE(label->MouseOver());
    EXPECT_EQ(Shot().pixelColor(12, 12), QColor(Qt::green));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->MouseOver());
    EXPECT_EQ(Shot().pixelColor(12, 12), Paper);
}

// Draws a solid block over its rectangle and records what it was given; records being picked.
class RecordingItemAspect : public TAggregatedPersistentEx,
                            public IWkDataItemDraw,
                            public IWkDataItemAction {
public:
    RecordingItemAspect(TExtensibleInterfacedPersistent& item, QStringList& log)
        : TAggregatedPersistentEx(item), log(log) {}
    const char* ClassName() const override { return "RecordingItemAspect"; }
    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

    void Draw(TCanvas& canvas, const TRect& rect, TProviderDrawStates state) override {
        log << QStringLiteral("draw %1,%2,%3,%4 state %5")
                   .arg(rect.Left)
                   .arg(rect.Top)
                   .arg(rect.Right)
                   .arg(rect.Bottom)
                   .arg(state);
        canvas.Brush = TBrush{clBlack, bsSolid};
        canvas.FillRect(rect);
    }
    TSize Measure(TCanvas&) override { return {30, 12}; }
    void Execute(QObject*) override { log << QStringLiteral("execute"); }

protected:
    void* OwnInterface(const QUuid& iid) override {
        if (iid == IWkDataItemDraw::IID)
            return static_cast<IWkDataItemDraw*>(this);
        if (iid == IWkDataItemAction::IID)
            return static_cast<IWkDataItemAction*>(this);
        return nullptr;
    }

private:
    QStringList& log;
};

// The window binds no provider: its labels show their own captions. A bound provider's item
// takes the caption's place until the caption changes.
class LabelProviderTest : public LabelTest {
protected:
    TestProvider provider;
};

TEST_F(LabelProviderTest, WithoutProviderTheLabelShowsItsCaption) {
    const QString caption = QStringLiteral("Own caption");
    Upright(caption, QRect(50, 20, 40, 120));
    EXPECT_EQ(label->Provider(), nullptr);
    const Ink ink = InkOf(Shot(), label->geometry());
    EXPECT_NEAR(ink.box.height(), TextWidth(caption), 3);
}

TEST_F(LabelProviderTest, BoundItemTextReplacesTheCaption) {
    provider.AddItem(QStringLiteral("A"), QStringLiteral("From the provider, longer"));
    Upright(QStringLiteral("Own"), QRect(50, 20, 40, 170));
    const QImage own = Shot();
    label->SetProvider(&provider);
    label->DataConsumer().ItemSelect()->SetItem(QStringLiteral("A"));
    const QImage bound = Shot();
    EXPECT_EQ(provider.entered, 0);
    EXPECT_NEAR(InkOf(bound, label->geometry()).box.height(),
                TextWidth(QStringLiteral("From the provider, longer")), 3);

    label->SetCaption(QStringLiteral("Own!"));
    EXPECT_EQ(label->Provider(), nullptr);
    label->SetCaption(QStringLiteral("Own"));
    EXPECT_EQ(InkOf(Shot(), label->geometry()).box, InkOf(own, label->geometry()).box);
}

TEST_F(LabelProviderTest, BoundItemDrawsItselfAndTakesTheClick) {
    QStringList log;
    TWkBaseDataItem* item = provider.AddItem(QStringLiteral("B"), QStringLiteral("Item"));
    item->AddExtension<RecordingItemAspect>(log);
    label->SetAutoSize(false);
    label->setGeometry(10, 10, 60, 20);
    label->SetCaption(QStringLiteral("Own"));
    label->SetProvider(&provider);
    label->DataConsumer().ItemSelect()->SetItem(QStringLiteral("B"));
    int clicks = 0;
    label->OnClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });

    const QImage image = Shot();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.last(), QStringLiteral("draw 1,1,59,19 state 0"));
    EXPECT_NE(image.pixelColor(30, 20), Paper);
    ClickAt(label, {5, 5});
    EXPECT_EQ(log.last(), QStringLiteral("execute"));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(provider.entered, 0);
}

} // namespace
