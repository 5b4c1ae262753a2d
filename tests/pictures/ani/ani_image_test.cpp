#include "ani_fixtures.h"
#include "pictures/ani/ani_image.h"
#include "platform/ui/canvas.h"

#include <QBuffer>
#include <QMimeData>
#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>
#include <limits>

namespace {

QColor ColorOf(const TIcon* icon) {
    return icon ? icon->Image().pixelColor(icon->Width() / 2, icon->Height() / 2) : QColor();
}

// The saved form of one icon of a fixture file.
QByteArray IconBytes(const char* file, int index) {
    TWkAni ani;
    Load(ani, Fixture(file));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ani.Icon(index).Icon()->SaveToStream(buffer);
    return buffer.data();
}

TEST(AniReadTest, PlainFilePlaysItsIconsInOrderAtTheDefaultRate) {
    TWkAni ani;
    Load(ani, Fixture("plain.ani"));
    ASSERT_EQ(ani.IconCount(), 3);
    EXPECT_EQ(ani.FrameCount(), 3);
    EXPECT_EQ(ani.Index(), 0);
    EXPECT_EQ(ani.Header().dwFrames, 3u);
    const QColor expected[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) {
        const TWkAniStep step = ani.Step(i);
        EXPECT_EQ(step.Icon, ani.Icon(i).Icon());
        EXPECT_EQ(ColorOf(step.Icon), expected[i]) << i;
        EXPECT_EQ(step.Rate, 10u);
    }
    // Cursor frames keep icotool's hot spots; the icon frame's hot spot is its centre.
    EXPECT_FALSE(ani.Step(0).IsIcon);
    EXPECT_EQ(ani.Step(0).HotSpot, QPoint(3, 5));
    EXPECT_EQ(ani.Step(1).HotSpot, QPoint(1, 2));
    EXPECT_TRUE(ani.Step(2).IsIcon);
    EXPECT_EQ(ani.Step(2).HotSpot, QPoint(16, 16));
    EXPECT_EQ(ani.Width(), 16);
    EXPECT_EQ(ani.Step(3).Icon, nullptr);
}

TEST(AniReadTest, CursorFramesKeepTheHotSpotOfTheirDirectory) {
    TWkAni ani;
    Load(ani, Riff(Anih(1, 10) + FrameList({RedCursor(3, 5)})));
    ASSERT_EQ(ani.IconCount(), 1);
    EXPECT_FALSE(ani.Step(0).IsIcon);
    EXPECT_EQ(ani.Step(0).HotSpot, QPoint(3, 5));
    EXPECT_EQ(ColorOf(ani.Step(0).Icon), QColor(Qt::red));
    EXPECT_EQ(ani.OriginalColors(), 2);
}

TEST(AniReadTest, SequenceRatesAndInfoText) {
    TWkAni ani;
    Load(ani, Fixture("sequenced.ani"));
    EXPECT_EQ(ani.Title(), "Lamp");
    EXPECT_EQ(ani.Author(), "me");
    ASSERT_EQ(ani.FrameCount(), 4);
    const int icons[] = {2, 0, 1, 0};
    const std::uint32_t rates[] = {0, 6, 1, 12};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ani.Step(i).Icon, ani.Icon(icons[i]).Icon()) << i;
        EXPECT_EQ(ani.Step(i).Rate, rates[i]) << i;
    }
    EXPECT_EQ(ani.Width(), 32);
}

TEST(AniReadTest, ASequenceEntryWithoutIconIsAnEmptyStep) {
    TWkAni ani;
    Load(ani, Fixture("seq_out_of_range.ani"));
    ASSERT_EQ(ani.FrameCount(), 2);
    EXPECT_EQ(ani.Step(0).Icon, ani.Icon(0).Icon());
    EXPECT_EQ(ani.Step(1).Icon, nullptr);
    ani.SetIndex(1);
    EXPECT_EQ(ani.Width(), 0);
    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        TCanvas canvas(&target);
        ani.Draw(canvas, TRect{0, 0, 40, 40});
    }
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::white));
}

TEST(AniReadTest, MalformedStreamsAreReadErrorsAndLeaveThePictureEmpty) {
    const char* files[] = {"short_rate.ani", "list_under_4.ani", "raw_frames.ani"};
    for (const char* name : files) {
        TWkAni ani;
        Load(ani, Fixture("plain.ani"));
        try {
            Load(ani, Fixture(name));
            ADD_FAILURE() << name << " loaded";
        } catch (const EInvalidGraphic& error) {
            EXPECT_EQ(error.Message(), "Stream read error") << name;
        }
        EXPECT_EQ(ani.IconCount(), 0) << name;
        EXPECT_TRUE(ani.Empty()) << name;
    }
    TWkAni ani;
    EXPECT_THROW(Load(ani, "RIFX" + Fixture("plain.ani").mid(4)), EInvalidGraphic);
    EXPECT_THROW(Load(ani, Riff(Anih(0, 10) + FrameList({RedCursor()}))), EInvalidGraphic);
}

TEST(AniReadTest, CutAndOversizedChunksKeepWhatLiesInsideTheData) {
    struct Case {
        const char* file;
        int icons;
    } cases[] = {{"truncated.ani", 2}, {"list_size_max.ani", 3}};
    for (const Case& c : cases) {
        TWkAni ani;
        Load(ani, Fixture(c.file));
        EXPECT_EQ(ani.IconCount(), c.icons) << c.file;
        EXPECT_EQ(ani.FrameCount(), c.icons) << c.file;
    }
}

TEST(AniReadTest, TablesHoldNoMoreEntriesThanTheirBytes) {
    const QByteArray icons = FrameList({RedCursor()});
    struct Case {
        const char* name;
        QByteArray chunks;
        int steps;
        std::size_t rates;
    } cases[] = {
        {"seq asks for 4 G", Anih(1, 10) + icons + ChunkHeader("seq ", 0xFFFFFFF0) + U32s({0, 0}),
         2, 0},
        {"rate asks for 4 G", Anih(1, 10) + icons + ChunkHeader("rate", 0xFFFFFFFF) + U32s({7}), 1,
         1},
        {"size 0xFFFFFFFF skipped", Anih(1, 10) + icons + ChunkHeader("junk", 0xFFFFFFFF), 1, 0},
        {"more steps than rates",
         Anih(1, 9) + Chunk("rate", U32s({3})) + Chunk("seq ", U32s({0, 0, 0})) + icons, 3, 1},
    };
    for (const Case& c : cases) {
        TWkAni ani;
        Load(ani, Riff(c.chunks));
        EXPECT_EQ(ani.FrameCount(), c.steps) << c.name;
        EXPECT_EQ(ani.Rates().size(), c.rates) << c.name;
        for (int i = 0; i < ani.FrameCount(); ++i)
            EXPECT_NE(ani.Step(i).Icon, nullptr) << c.name;
    }
    TWkAni ani;
    Load(ani, Riff(Anih(1, 9) + Chunk("rate", U32s({3})) + Chunk("seq ", U32s({0, 0, 0})) +
                   FrameList({RedCursor()})));
    EXPECT_EQ(ani.Step(0).Rate, 3u);
    EXPECT_EQ(ani.Step(2).Rate, 9u);
}

TEST(AniReadTest, RemovingIconsThatDoNotLoadKeepsTheSequenceOnItsPictures) {
    const QByteArray green = IconBytes("plain.ani", 1);
    const QByteArray broken = "not an icon at all";
    TWkAni ani;
    Load(ani, Riff(Anih(3, 10) + Chunk("seq ", U32s({2, 1, 0, 2})) +
                   FrameList({RedCursor(), broken, green})));
    ASSERT_EQ(ani.IconCount(), 2);
    EXPECT_EQ(ani.Header().dwFrames, 2u);
    ASSERT_EQ(ani.FrameCount(), 4);
    EXPECT_EQ(ColorOf(ani.Step(0).Icon), QColor(Qt::green));
    EXPECT_EQ(ani.Step(1).Icon, nullptr);
    EXPECT_EQ(ColorOf(ani.Step(2).Icon), QColor(Qt::red));
    EXPECT_EQ(ColorOf(ani.Step(3).Icon), QColor(Qt::green));
}

TEST(AniRateTest, RatesInJiffiesBecomeIntervalsWithoutWrapping) {
    const struct {
        std::uint32_t jiffies;
        int ms;
    } cases[] = {{0, 100},
                 {6, 100},
                 {1, 16},
                 {12, 200},
                 {0xFFFFFFFF, std::numeric_limits<int>::max()},
                 {50000000, 833333333}};
    for (const auto& c : cases)
        EXPECT_EQ(AniRateInterval(c.jiffies), c.ms) << c.jiffies;
}

TEST(AniAnimationTest, EachTickShowsTheNextStepForItsRate) {
    TWkAni ani;
    Load(ani, Fixture("sequenced.ani"));
    int changes = 0;
    ani.OnChange = [&](TGraphic&) {
        ++changes;
    };
    EXPECT_FALSE(ani.Animated());
    ani.SetAnimated(true);
    EXPECT_TRUE(ani.Animated());
    EXPECT_EQ(ani.Timer().interval(), 100);
    const struct {
        int index;
        int interval;
    } ticks[] = {{1, 100}, {2, 16}, {3, 200}, {0, 100}};
    for (const auto& tick : ticks) {
        ani.TimerTick();
        EXPECT_EQ(ani.Index(), tick.index);
        EXPECT_EQ(ani.Timer().interval(), tick.interval);
        EXPECT_TRUE(ani.Animated());
    }
    EXPECT_EQ(changes, 4);
    ani.SetAnimated(false);
    EXPECT_FALSE(ani.Animated());

    TWkAni empty;
    empty.SetAnimated(true);
    empty.TimerTick();
    EXPECT_FALSE(empty.Animated());
    EXPECT_EQ(empty.Index(), -1);
}

TEST(AniAnimationTest, IndexOutsideTheStepsIsIgnored) {
    TWkAni ani;
    Load(ani, Fixture("plain.ani"));
    ani.SetIndex(2);
    for (int bad : {3, -1, 99})
        ani.SetIndex(bad);
    EXPECT_EQ(ani.Index(), 2);
}

TEST(AniDrawTest, TheCurrentIconIsDrawnAtItsSizeAtTheTopLeft) {
    TWkAni ani;
    Load(ani, Fixture("sequenced.ani"));
    const struct {
        int index;
        QColor inside;
        QPoint outside;
    } cases[] = {{0, Qt::blue, {5 + 32, 5}}, {1, Qt::red, {5 + 16, 5}}};
    for (const auto& c : cases) {
        ani.SetIndex(c.index);
        QImage target(60, 60, QImage::Format_RGB32);
        target.fill(Qt::white);
        {
            TCanvas canvas(&target);
            ani.Draw(canvas, TRect{5, 5, 10, 10});
        }
        EXPECT_EQ(target.pixelColor(5, 5), c.inside) << c.index;
        EXPECT_EQ(target.pixelColor(4, 4), QColor(Qt::white)) << c.index;
        EXPECT_EQ(target.pixelColor(c.outside), QColor(Qt::white)) << c.index;
    }
}

TEST(AniWriteTest, SavedFilesReadBackTheSame) {
    for (const char* name : {"plain.ani", "sequenced.ani", "seq_out_of_range.ani"}) {
        TWkAni ani;
        Load(ani, Fixture(name));
        TWkAni copy;
        Load(copy, ani.SaveToBytes());
        EXPECT_EQ(copy.FrameCount(), ani.FrameCount()) << name;
        EXPECT_EQ(copy.IconCount(), ani.IconCount()) << name;
        EXPECT_EQ(copy.Rates(), ani.Rates()) << name;
        EXPECT_EQ(copy.Sequence(), ani.Sequence()) << name;
        EXPECT_EQ(copy.Title(), ani.Title()) << name;
        EXPECT_EQ(copy.Author(), ani.Author()) << name;
        EXPECT_EQ(copy.Header().dwJIFRate, ani.Header().dwJIFRate) << name;
        for (int i = 0; i < ani.FrameCount(); ++i) {
            const TWkAniStep a = ani.Step(i), b = copy.Step(i);
            ASSERT_EQ(a.Icon == nullptr, b.Icon == nullptr) << name << i;
            if (a.Icon) {
                EXPECT_EQ(a.Icon->Image(), b.Icon->Image()) << name << i;
            }
        }
    }
}

TEST(AniWriteTest, ChunkLayout) {
    TWkAni ani;
    Load(ani, Fixture("plain.ani"));
    ani.SetTitle(QStringLiteral("ab"));
    const QByteArray bytes = ani.SaveToBytes();
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4),
              static_cast<quint32>(bytes.size() - 8));
    EXPECT_EQ(bytes.mid(8, 4), "ACON");
    // LIST size, INFO, then INAM of "ab\0" and its pad byte; no IART for an empty author.
    EXPECT_EQ(bytes.mid(12, 4), "LIST");
    EXPECT_EQ(bytes.mid(20, 16), "INFOINAM" + U32s({3}) + QByteArray("ab\0\0", 4));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 16), 16u);
    EXPECT_EQ(bytes.mid(36, 8), "anih" + U32s({36}));
    EXPECT_EQ(bytes.indexOf("rate"), -1);
    EXPECT_EQ(bytes.indexOf("seq "), -1);
}

TEST(AniWriteTest, NothingToSaveAndNoClipboard) {
    TWkAni ani;
    try {
        ani.SaveToBytes();
        ADD_FAILURE();
    } catch (const EInvalidGraphicOperation& error) {
        EXPECT_EQ(error.Message(), "Invalid image");
    }
    QMimeData data;
    EXPECT_THROW(ani.SaveToClipboardFormat(data), EInvalidGraphicOperation);
    EXPECT_THROW(ani.LoadFromClipboardFormat(data, "x"), EInvalidGraphicOperation);
    EXPECT_THROW(ani.SetWidth(3), EInvalidGraphicOperation);
    EXPECT_TRUE(ani.Transparent());
}

TEST(AniAssignTest, CopiesEverythingAndNilClears) {
    TWkAni source;
    Load(source, Fixture("sequenced.ani"));
    source.SetIndex(2);
    source.SetAnimated(true);
    TWkAni copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.FrameCount(), 4);
    EXPECT_EQ(copy.IconCount(), 3);
    EXPECT_EQ(copy.Index(), 2);
    EXPECT_TRUE(copy.Animated());
    EXPECT_EQ(copy.Title(), "Lamp");
    EXPECT_EQ(copy.Sequence(), source.Sequence());
    EXPECT_NE(copy.Step(0).Icon, source.Step(0).Icon);
    EXPECT_EQ(copy.Step(0).Icon->Image(), source.Step(0).Icon->Image());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_EQ(copy.IconCount(), 0);

    TIcon icon;
    source.AssignTo(icon);
    EXPECT_EQ(icon.Image(), source.Step(2).Icon->Image());
    TWkAni empty;
    empty.AssignTo(icon);
    EXPECT_TRUE(icon.Empty());
}

} // namespace
