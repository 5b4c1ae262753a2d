#include "gif_bench_pictures.h"

#include "gif_bench_encoders.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

// The same pictures on every run and every machine.
class TNoise {
public:
    explicit TNoise(std::uint32_t seed) : FState(seed * 2654435761u + 1) {}
    int Below(int count) {
        FState = FState * 1664525u + 1013904223u;
        return static_cast<int>((FState >> 8) % static_cast<std::uint32_t>(count));
    }

private:
    std::uint32_t FState;
};

// Entry 0 is the magenta that stands for transparent; the others are shades of one hue.
QList<QRgb> IconColors(int count, int hue) {
    QList<QRgb> colors{qRgb(255, 0, 255)};
    for (int i = 1; i < count; ++i)
        colors.append(QColor::fromHsv(hue, 200, 40 + 215 * i / count).rgb());
    return colors;
}

// 6 x 7 x 6 levels and four grays: 256 colours, no two alike.
QList<QRgb> PhotoColors() {
    QList<QRgb> colors;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                colors.append(qRgb(r * 51, g * 42, b * 51));
    for (int gray : {32, 96, 160, 224})
        colors.append(qRgb(gray, gray, gray + 1));
    return colors;
}

QImage Indexed(int width, int height, const QList<QRgb>& colors,
               const std::function<int(int, int)>& pixel) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colors);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x)
            row[x] = static_cast<uchar>(pixel(x, y));
    }
    return image;
}

// A smooth true-colour scene with grain, reduced to PhotoColors with error diffusion: almost no
// two neighbours share an index, as in a photo saved as GIF.
QImage DitheredPhoto(int width, int height, int seed) {
    TNoise noise(static_cast<std::uint32_t>(seed));
    std::vector<float> error(static_cast<std::size_t>((width + 2) * 3 * 2), 0.f);
    const QList<QRgb> colors = PhotoColors();
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colors);
    static constexpr int Levels[] = {6, 7, 6};
    for (int y = 0; y < height; ++y) {
        float* here = error.data() + (y % 2) * (width + 2) * 3;
        float* below = error.data() + ((y + 1) % 2) * (width + 2) * 3;
        std::fill(below, below + (width + 2) * 3, 0.f);
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const float scene[3] = {
                float(128 + 110 * std::sin(x * 0.011 + seed) * std::cos(y * 0.017)),
                float(128 + 100 * std::sin((x + y) * 0.007 + seed * 0.5)),
                float(128 + 120 * std::cos(x * 0.005 - y * 0.013 + seed))};
            int level[3];
            for (int c = 0; c < 3; ++c) {
                const float step = 255.f / float(Levels[c] - 1);
                const float value = scene[c] + float(noise.Below(25) - 12) + here[(x + 1) * 3 + c];
                level[c] = std::clamp(int(std::lround(value / step)), 0, Levels[c] - 1);
                const float left = value - float(level[c]) * step;
                here[(x + 2) * 3 + c] += left * 7 / 16;
                below[x * 3 + c] += left * 3 / 16;
                below[(x + 1) * 3 + c] += left * 5 / 16;
                below[(x + 2) * 3 + c] += left / 16;
            }
            row[x] = static_cast<uchar>((level[0] * 7 + level[1]) * 6 + level[2]);
        }
    }
    return image;
}

// Windows on a desktop: flat panels, title bars, buttons and lines of small glyphs.
QImage Screenshot(int width, int height, int seed) {
    TNoise noise(static_cast<std::uint32_t>(seed));
    QList<QRgb> colors;
    for (int i = 0; i < 64; ++i)
        colors.append(i < 32 ? qRgb(i * 8, i * 8, i * 8 + 3)
                             : QColor::fromHsv((i - 32) * 11, 160, 200).rgb());
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(colors);
    image.fill(40);
    auto box = [&](int left, int top, int w, int h, int color) {
        for (int y = std::max(top, 0); y < std::min(top + h, height); ++y)
            std::fill_n(image.scanLine(y) + std::max(left, 0),
                        std::max(0, std::min(left + w, width) - std::max(left, 0)), color);
    };
    for (int window = 0; window < 4; ++window) {
        const int left = noise.Below(width / 2), top = noise.Below(height / 3);
        const int w = width / 3 + noise.Below(width / 3), h = height / 3 + noise.Below(height / 2);
        box(left, top, w, h, 30);
        box(left, top, w, 22, 33 + window * 5);
        for (int button = 0; button < 3; ++button)
            box(left + w - 20 - button * 20, top + 4, 14, 14, 20 + button);
        // Text: glyphs of 6 x 9 from a small bitmap each, in words, on lines 14 pixels apart.
        for (int line = top + 32; line + 10 < top + h - 30; line += 14) {
            int x = left + 8;
            while (x < left + w - 60) {
                const int letters = 2 + noise.Below(8);
                for (int l = 0; l < letters; ++l, x += 6) {
                    const int glyph = noise.Below(1 << 20);
                    for (int gy = 0; gy < 9; ++gy)
                        for (int gx = 0; gx < 5; ++gx)
                            if ((glyph >> ((gy * 5 + gx) % 20)) & 1 && line + gy < height &&
                                x + gx < width)
                                image.scanLine(line + gy)[x + gx] = 2;
                }
                x += 6;
            }
        }
        box(left + w - 90, top + h - 28, 80, 22, 24);
    }
    return image;
}

int IconPixel(int x, int y, int size, int design, int colorCount) {
    const double dx = (x + 0.5 - size / 2.0) / (size / 2.0);
    const double dy = (y + 0.5 - size / 2.0) / (size / 2.0);
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > 0.95)
        return 0;
    if (r > 0.8)
        return 1;
    const bool glyph = design == 0   ? std::abs(dx) < 0.15 || std::abs(dy) < 0.15
                       : design == 1 ? dy > -0.5 && std::abs(dx) < 0.6 - dy * 0.5 && dy < 0.4
                       : design == 2 ? std::sin(std::atan2(dy, dx) * 6) > 0.2 && r > 0.35
                                     : r < 0.3;
    if (glyph)
        return colorCount - 1;
    return 2 + static_cast<int>((y * (colorCount - 3)) / size);
}

std::vector<TBenchPicture> Icons() {
    std::vector<TBenchPicture> icons;
    int n = 0;
    for (int size : {16, 24, 32})
        for (int design = 0; design < 4; ++design, ++n) {
            const int colorCount = design % 2 == 0 ? 16 : 8;
            TBenchFrame frame;
            frame.Pixels = Indexed(size, size, IconColors(colorCount, n * 30), [=](int x, int y) {
                return IconPixel(x, y, size, design, colorCount);
            });
            frame.Transparent = 0;
            const bool ours = n % 2 == 0;
            icons.push_back(
                {QStringLiteral("icon %1 px %2").arg(size).arg(n),
                 ours ? EncodeWithOurs({frame}) : EncodeWithGiflib({size, size}, {frame})});
        }
    return icons;
}

// Eight dots round a circle, the bright one going round; every frame whole, cleared to the
// background before the next.
std::vector<TBenchFrame> Spinner(int size, int frames, int colorCount) {
    std::vector<TBenchFrame> result;
    const QList<QRgb> colors = IconColors(colorCount, 210);
    for (int f = 0; f < frames; ++f) {
        TBenchFrame frame;
        frame.Pixels = Indexed(size, size, colors, [=](int x, int y) {
            const double dx = x + 0.5 - size / 2.0, dy = y + 0.5 - size / 2.0;
            const double angle = std::atan2(dy, dx) / (2 * M_PI) + 0.5;
            const double r = std::sqrt(dx * dx + dy * dy) / (size / 2.0);
            const double dot = std::fmod(angle * 8, 1.0);
            if (r < 0.55 || r > 0.9 || dot < 0.2 || dot > 0.8)
                return 0;
            const int step = (static_cast<int>(angle * 8) - f * 8 / frames + 16) % 8;
            return 1 + step * (colorCount - 2) / 7;
        });
        frame.DelayHundredths = 8;
        frame.Disposal = 2;
        frame.Transparent = 0;
        result.push_back(frame);
    }
    return result;
}

// A ball bouncing over a bar: after the whole first frame only the patch round the ball, left
// in place, with the rest of the patch transparent.
std::vector<TBenchFrame> Bouncer(int width, int height, int frames, int disposal) {
    std::vector<TBenchFrame> result;
    const QList<QRgb> colors = IconColors(32, 30);
    const int ball = height / 3;
    auto scene = [=](int x, int y, int f) {
        const int cx = (f * (width - ball)) / frames + ball / 2;
        const int cy = height - ball / 2 - static_cast<int>(std::abs(std::sin(f * 0.6)) * ball);
        const int dx = x - cx, dy = y - cy;
        if (dx * dx + dy * dy < ball * ball / 4)
            return 20 + (dx + dy + ball) * 10 / (2 * ball);
        return y > height - 3 ? 12 : 2 + y * 8 / height;
    };
    for (int f = 0; f < frames; ++f) {
        TBenchFrame frame;
        if (f == 0) {
            frame.Pixels =
                Indexed(width, height, colors, [=](int x, int y) { return scene(x, y, 0); });
        } else {
            const int left = std::max(0, (f - 1) * (width - ball) / frames - 1);
            const int w = std::min(width - left, ball + (width - ball) / frames + 3);
            frame.Origin = {left, 0};
            frame.Pixels = Indexed(w, height, colors, [=](int x, int y) {
                const int now = scene(left + x, y, f);
                return now == scene(left + x, y, f - 1) ? 0 : now;
            });
            frame.Transparent = 0;
        }
        frame.DelayHundredths = 5;
        frame.Disposal = disposal;
        result.push_back(frame);
    }
    return result;
}

std::vector<TBenchPicture> SmallAnimations() {
    return {
        {QStringLiteral("spinner 16 px"), EncodeWithGiflib({16, 16}, Spinner(16, 12, 8))},
        {QStringLiteral("spinner 24 px"), EncodeWithOurs(Spinner(24, 10, 16))},
        {QStringLiteral("spinner 32 px"), EncodeWithGiflib({32, 32}, Spinner(32, 24, 16))},
        {QStringLiteral("spinner 48 px"), EncodeWithGiflib({48, 48}, Spinner(48, 30, 32))},
        {QStringLiteral("spinner 64 px"), EncodeWithOurs(Spinner(64, 16, 16))},
        {QStringLiteral("bouncer 64 x 32"), EncodeWithGiflib({64, 32}, Bouncer(64, 32, 20, 1))},
        {QStringLiteral("bouncer 48 x 24"), EncodeWithGiflib({48, 24}, Bouncer(48, 24, 14, 3))},
        {QStringLiteral("bouncer 40 x 40"), EncodeWithOurs(Bouncer(40, 40, 18, 1))},
    };
}

TBenchFrame Still(const QImage& pixels) {
    TBenchFrame frame;
    frame.Pixels = pixels;
    return frame;
}

TBenchFrame InterlacedStill(const QImage& pixels) {
    TBenchFrame frame = Still(pixels);
    frame.Interlaced = true;
    return frame;
}

std::vector<TBenchPicture> Screenshots() {
    return {
        {QStringLiteral("screenshot 1300 x 600"),
         EncodeWithGiflib({1300, 600}, {Still(Screenshot(1300, 600, 1))})},
        {QStringLiteral("screenshot 1280 x 620"),
         EncodeWithOurs({Still(Screenshot(1280, 620, 2))})},
        {QStringLiteral("screenshot 1366 x 600"),
         EncodeWithGiflib({1366, 600}, {Still(Screenshot(1366, 600, 3))})},
    };
}

std::vector<TBenchPicture> Photos() {
    return {
        {QStringLiteral("photo 640 x 480 a"), EncodeWithOurs({Still(DitheredPhoto(640, 480, 1))})},
        {QStringLiteral("photo 640 x 480 b"),
         EncodeWithGiflib({640, 480}, {Still(DitheredPhoto(640, 480, 2))})},
    };
}

std::vector<TBenchPicture> InterlacedPictures() {
    const QList<QRgb> diagramColors = IconColors(16, 120);
    const QImage diagram = Indexed(320, 240, diagramColors, [](int x, int y) {
        if (x % 80 < 2 || y % 60 < 2)
            return 15;
        return (x / 80 + y / 60) % 2 == 0 ? 3 : 9;
    });
    const QImage logo = Indexed(150, 150, IconColors(16, 300),
                                [](int x, int y) { return IconPixel(x, y, 150, 2, 16); });
    return {
        {QStringLiteral("interlaced diagram 320 x 240"),
         EncodeWithGiflib({320, 240}, {InterlacedStill(diagram)})},
        {QStringLiteral("interlaced logo 150 x 150"),
         EncodeWithGiflib({150, 150}, {InterlacedStill(logo)})},
        {QStringLiteral("interlaced photo 640 x 480"),
         EncodeWithGiflib({640, 480}, {InterlacedStill(DitheredPhoto(640, 480, 3))})},
        {QStringLiteral("interlaced screenshot 800 x 600"),
         EncodeWithGiflib({800, 600}, {InterlacedStill(Screenshot(800, 600, 4))})},
    };
}

// Frames that each bring their own colours: the photo's colours turned a little further each
// frame, or the icon colours of another hue.
std::vector<TBenchFrame> LocalColorFrames(int width, int height, int frames, bool photo) {
    std::vector<TBenchFrame> result;
    for (int f = 0; f < frames; ++f) {
        TBenchFrame frame;
        if (photo) {
            frame.Pixels = DitheredPhoto(width, height, 10 + f);
            QList<QRgb> colors = frame.Pixels.colorTable();
            std::rotate(colors.begin(), colors.begin() + f * 7 % 256, colors.end());
            frame.Pixels.setColorTable(colors);
        } else {
            frame.Pixels = Indexed(width, height, IconColors(16, f * 17 % 360), [=](int x, int y) {
                return IconPixel((x + f) % width, y, width, f % 4, 16);
            });
        }
        frame.LocalColors = true;
        frame.DelayHundredths = 10;
        result.push_back(frame);
    }
    return result;
}

std::vector<TBenchPicture> LocalColorPictures() {
    return {
        {QStringLiteral("local tables 160 x 120, 12 frames"),
         EncodeWithGiflib({160, 120}, LocalColorFrames(160, 120, 12, true))},
        {QStringLiteral("local tables 64 x 64, 20 frames"),
         EncodeWithGiflib({64, 64}, LocalColorFrames(64, 64, 20, false))},
        {QStringLiteral("local tables 200 x 150, 8 frames (ours)"),
         EncodeWithOurs(LocalColorFrames(200, 150, 8, true))},
    };
}

std::vector<TBenchPicture> LongAnimations() {
    return {
        {QStringLiteral("long 120 x 90, 400 frames"),
         EncodeWithGiflib({120, 90}, Bouncer(120, 90, 400, 1))},
        {QStringLiteral("long 48 x 48, 300 frames"), EncodeWithOurs(Spinner(48, 300, 16))},
    };
}

std::vector<TBenchPicture> LargeAnimation() {
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i)
        colors.append(qRgb(i, (i * 7) & 255, 255 - i));
    std::vector<TBenchFrame> frames;
    for (int f = 0; f < 5; ++f)
        frames.push_back(Still(Indexed(1920, 1080, colors, [f](int x, int y) {
            return (x / 4 + y / 3 + f * 5 + ((x * y) >> 9)) & 255;
        })));
    return {{QStringLiteral("large 1920 x 1080, 5 frames"), EncodeWithOurs(frames)}};
}

} // namespace

std::vector<TBenchKind> MakeBenchKinds() {
    return {
        {QStringLiteral("icons"), Icons()},
        {QStringLiteral("small animations"), SmallAnimations()},
        {QStringLiteral("screenshots"), Screenshots()},
        {QStringLiteral("dithered photos"), Photos()},
        {QStringLiteral("interlaced"), InterlacedPictures()},
        {QStringLiteral("local colour tables"), LocalColorPictures()},
        {QStringLiteral("long animations"), LongAnimations()},
        {QStringLiteral("large animation"), LargeAnimation()},
    };
}

std::vector<TBenchKind> ReadBenchFolder(const QString& folder) {
    std::vector<TBenchKind> kinds;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.gif"), QStringLiteral("*.GIF")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            kinds.push_back({name, {{name, file.readAll()}}});
    }
    return kinds;
}
