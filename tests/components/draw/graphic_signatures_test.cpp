#include "components/base/exception.h"
#include "components/draw/graphic_signatures.h"
#include "components/draw/parent_background.h"
#include "components/draw/screen_cursors.h"
#include "components/draw/utils_unit.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/screen_cursors.h"

#include <QBuffer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class TMarkerGraphic : public TBitmap {
public:
    static constexpr const char* ClassName = "TMarkerGraphic";
    TGraphicClass ClassType() const override { return GraphicClassOf<TMarkerGraphic>(); }
    void LoadFromStream(QIODevice& stream) override { loaded = stream.readAll(); }
    QByteArray loaded;
};

} // namespace

TEST(GraphicSignatureList, AddedSignaturesComeAfterTheBuiltIns) {
    const std::uint8_t bytes[] = {'W', 'k', 'M', 'K'};
    AddGraphicSignatureBytes(bytes, 2, GraphicClassOf<TMarkerGraphic>());
    AddGraphicSignature("BM", 0, GraphicClassOf<TMarkerGraphic>());

    QByteArray marker("xxWkMK rest");
    QBuffer stream(&marker);
    stream.open(QIODevice::ReadOnly);
    auto graphic = LoadGraphicFromStream(stream);
    ASSERT_NE(dynamic_cast<TMarkerGraphic*>(graphic.get()), nullptr);
    EXPECT_EQ(static_cast<TMarkerGraphic&>(*graphic).loaded, marker);

    QByteArray bmp("BM");
    QBuffer bmpStream(&bmp);
    bmpStream.open(QIODevice::ReadOnly);
    EXPECT_EQ(FindGraphicClass(bmpStream), GraphicClassOf<TBitmap>());
}

TEST(GraphicSignatureList, BadEntriesRaise) {
    const struct {
        const char* name;
        QByteArray signature;
        qint64 offset;
        TGraphicClass graphicClass;
    } cases[] = {
        {"empty signature", QByteArray(), 0, GraphicClassOf<TBitmap>()},
        {"no class", "AB", 0, nullptr},
        {"negative offset", "AB", -1, GraphicClassOf<TBitmap>()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            AddGraphicSignature(c.signature, c.offset, c.graphicClass);
            FAIL() << "no error";
        } catch (const EWkException& e) {
            EXPECT_EQ(e.Message(), "Bad Graphic Signature");
        }
    }
}

TEST(GraphicSignatureList, HookReplacesTheClassOfMemoryStreamsOnly) {
    QByteArray unknown("nothing known here");
    QBuffer stream(&unknown);
    stream.open(QIODevice::ReadOnly);
    EXPECT_EQ(LoadGraphicFromStream(stream), nullptr);
    EXPECT_EQ(stream.pos(), 0);
    auto graphic = LoadGraphicFromStream(stream, [](TGraphicClass found, QIODevice&) {
        EXPECT_EQ(found, nullptr);
        return GraphicClassOf<TMarkerGraphic>();
    });
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->ClassType(), GraphicClassOf<TMarkerGraphic>());
}

TEST(ScreenCursors, DragSlotsHoldQtDragShapes) {
    InstallScreenCursors();
    EXPECT_EQ(ScreenCursor(crWkMultiDrag1).shape(), Qt::DragCopyCursor);
    EXPECT_EQ(ScreenCursor(crWkDrag).shape(), Qt::DragMoveCursor);
    EXPECT_EQ(ScreenCursor(crWkMultiDrag2).shape(), Qt::DragCopyCursor);
    EXPECT_EQ(ScreenCursor(crWkMultiDrag3).shape(), Qt::DragCopyCursor);
    EXPECT_EQ(ScreenCursor(372).shape(), Qt::ArrowCursor);
}

TEST(UtilsUnit, OnlyTheFirstStartUpAndTheLastShutDownWork) {
    const QByteArray marker("xxWkMK");
    const auto markerClass = [&marker] {
        QByteArray bytes = marker;
        QBuffer stream(&bytes);
        stream.open(QIODevice::ReadOnly);
        return FindGraphicClass(stream);
    };
    const auto tryDragSlot = [] {
        const bool installed = ScreenCursor(crWkDrag).shape() == Qt::DragMoveCursor;
        SetScreenCursor(crWkDrag, QCursor(Qt::ArrowCursor));
        return installed;
    };
    tryDragSlot();
    WkUtilsInitialization();
    EXPECT_TRUE(tryDragSlot());
    WkUtilsInitialization();
    EXPECT_FALSE(tryDragSlot()) << "installed again by a second start-up";
    EXPECT_EQ(WkUtilsCounter(), -2);

    AddGraphicSignature("WkMK", 2, GraphicClassOf<TMarkerGraphic>());
    WkUtilsFinalization();
    EXPECT_EQ(WkUtilsCounter(), -1);
    EXPECT_EQ(markerClass(), GraphicClassOf<TMarkerGraphic>()) << "one start-up is still open";
    WkUtilsFinalization();
    EXPECT_EQ(WkUtilsCounter(), 0);
    EXPECT_EQ(markerClass(), nullptr);
    QByteArray bmp("BMxx");
    QBuffer bmpStream(&bmp);
    bmpStream.open(QIODevice::ReadOnly);
    EXPECT_EQ(FindGraphicClass(bmpStream), GraphicClassOf<TBitmap>()) << "built-ins made again";
}

TEST(ParentBackground, CopiesParentAndEarlierSiblingsOnly) {
    QWidget parent;
    parent.resize(40, 20);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::yellow);
    parent.setPalette(palette);
    auto makeChild = [&](QColor color, QRect geometry) {
        auto* child = new QWidget(&parent);
        child->setGeometry(geometry);
        child->setAutoFillBackground(true);
        QPalette p;
        p.setColor(QPalette::Window, color);
        child->setPalette(p);
        return child;
    };
    makeChild(Qt::blue, QRect(0, 0, 15, 20));   // overlaps the control's left part
    makeChild(Qt::green, QRect(30, 0, 10, 20)); // beside it
    QWidget* control = makeChild(Qt::red, QRect(10, 0, 20, 20));
    makeChild(Qt::black, QRect(10, 0, 20, 20)); // after it: not painted
    parent.show();

    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TCanvas canvas(&target);
        CopyParentBackground(control, canvas);
    }
    EXPECT_EQ(target.pixel(2, 5), QColor(Qt::blue).rgb());
    EXPECT_EQ(target.pixel(10, 5), QColor(Qt::yellow).rgb());
    EXPECT_EQ(target.pixel(19, 5), QColor(Qt::yellow).rgb());
    EXPECT_FALSE(IsPaintingCopy(&parent));
}
