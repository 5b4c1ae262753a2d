// Draws the window's two status lamps and writes them as GIF files with the project's own LZW
// encoder: GIF89a, 113 x 113, a 256-entry global colour table, one graphic-control block with
// transparent index 255, one non-interlaced frame with LZW minimum code size 8.
// Usage: make_status_pictures OUTPUT_FOLDER
#include "pictures/gif/gif_lzw.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Size = 113;
constexpr int Transparent = 255;

struct Rgb {
    double r, g, b;
};

std::vector<std::uint8_t> Lamp(Rgb base) {
    std::vector<std::uint8_t> gif{'G', 'I',  'F', '8',  '9',         'a', Size,
                                  0,   Size, 0,   0xF7, Transparent, 0};
    // Entries 0..254 run from the lamp's dark rim to its highlight; 255 is the background.
    for (int i = 0; i < 255; ++i) {
        const double t = i / 254.0;
        const auto channel = [t](double c) {
            const double lit =
                t < 0.75 ? c * (0.35 + 0.65 * t / 0.75) : c + (255 - c) * (t - 0.75) / 0.25 * 0.8;
            return static_cast<std::uint8_t>(std::lround(std::min(lit, 255.0)));
        };
        gif.insert(gif.end(), {channel(base.r), channel(base.g), channel(base.b)});
    }
    gif.insert(gif.end(), {255, 255, 255});
    gif.insert(gif.end(), {'!', 0xF9, 4, 1, 0, 0, Transparent, 0});
    gif.insert(gif.end(), {',', 0, 0, 0, 0, Size, 0, Size, 0, 0});

    std::vector<std::uint8_t> pixels(Size * Size, Transparent);
    const double centre = (Size - 1) / 2.0;
    const double radius = 50;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const double d = std::hypot(x - centre, y - centre);
            if (d > radius)
                continue;
            // Lit from the upper left: brightest near the highlight, darkest at the rim.
            const double h = std::hypot(x - centre + 16, y - centre + 16) / (radius + 16);
            const double light = std::clamp(1.0 - h, 0.0, 1.0) * 0.9 + (1 - d / radius) * 0.1;
            pixels[y * Size + x] = static_cast<std::uint8_t>(std::lround(light * 254));
        }
    }
    const TGifConstRows rows{pixels.data(), Size, Size, Size, 8};
    EncodeGifLzw(rows, false, gif);
    gif.push_back(';');
    return gif;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!Write(folder + "/red_lamp.gif", Lamp({220, 30, 30})) ||
        !Write(folder + "/green_lamp.gif", Lamp({30, 190, 60}))) {
        std::perror("make_status_pictures");
        return 1;
    }
    return 0;
}
