#include "components/draw/color_reduction.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace {

constexpr int paletteSize = 256;
constexpr QRgb unusedGray = 0xFF808080;

using LevelTable = std::array<std::uint8_t, 256>;

// The channel values of a truncation to 4, 6, 7 or 8 levels spread over 0..255.
std::span<const int> levelValues(int levels) {
    static constexpr int four[] = {0, 85, 170, 255};
    static constexpr int six[] = {0, 51, 102, 153, 204, 255};
    static constexpr int seven[] = {0, 43, 85, 128, 170, 213, 255};
    static constexpr int eight[] = {0, 36, 73, 109, 146, 182, 219, 255};
    switch (levels) {
    case 4:
        return four;
    case 6:
        return six;
    case 7:
        return seven;
    default:
        return eight;
    }
}

LevelTable makeLevels(std::span<const int> values) {
    LevelTable table{};
    for (int v = 0; v < 256; ++v) {
        int best = 0;
        for (int i = 1; i < static_cast<int>(values.size()); ++i)
            if (std::abs(values[i] - v) < std::abs(values[best] - v))
                best = i;
        table[v] = static_cast<std::uint8_t>(best);
    }
    return table;
}

const LevelTable& levelTable(int levels) {
    static const LevelTable four = makeLevels(levelValues(4));
    static const LevelTable six = makeLevels(levelValues(6));
    static const LevelTable seven = makeLevels(levelValues(7));
    static const LevelTable eight = makeLevels(levelValues(8));
    switch (levels) {
    case 4:
        return four;
    case 6:
        return six;
    case 7:
        return seven;
    default:
        return eight;
    }
}

// Pixels are visited bottom row first, as the 24-bit device-independent bits lie in memory.
template <class Visit> void forEachPixel(const QImage& rgb, Visit visit) {
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            visit(x, y, line[x]);
    }
}

QImage indexedLike(const QImage& rgb) {
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorCount(paletteSize);
    return out;
}

ReducedImage byTruncation(const QImage& rgb, int redLevels, int greenLevels, int blueLevels) {
    QImage out = indexedLike(rgb);
    const int used = redLevels * greenLevels * blueLevels;
    for (int i = 0; i < paletteSize; ++i) {
        if (i >= used) {
            out.setColor(i, unusedGray);
            continue;
        }
        const int r = i / (greenLevels * blueLevels);
        const int g = (i / blueLevels) % greenLevels;
        const int b = i % blueLevels;
        out.setColor(i, qRgb(levelValues(redLevels)[r], levelValues(greenLevels)[g],
                             levelValues(blueLevels)[b]));
    }
    const LevelTable& rl = levelTable(redLevels);
    const LevelTable& gl = levelTable(greenLevels);
    const LevelTable& bl = levelTable(blueLevels);
    forEachPixel(rgb, [&](int x, int y, QRgb p) {
        const int index =
            rl[qRed(p)] * greenLevels * blueLevels + gl[qGreen(p)] * blueLevels + bl[qBlue(p)];
        out.setPixel(x, y, static_cast<uint>(index));
    });
    return {out, 0};
}

ReducedImage byChannelTripel(const QImage& rgb) {
    QImage out = indexedLike(rgb);
    for (int i = 0; i < paletteSize; ++i) {
        const int level = (i % 64) * 4;
        out.setColor(i, i < 64    ? qRgb(level, 0, 0)
                        : i < 128 ? qRgb(0, level, 0)
                        : i < 192 ? qRgb(0, 0, level)
                                  : qRgb(0, 0, 0));
    }
    forEachPixel(rgb, [&](int x, int y, QRgb p) {
        const int channel = (x + y) % 3;
        const int index = channel == 0   ? qRed(p) / 4
                          : channel == 1 ? 64 + qGreen(p) / 4
                                         : 128 + qBlue(p) / 4;
        out.setPixel(x, y, static_cast<uint>(index));
    });
    return {out, 0};
}

ReducedImage byGrayscale(const QImage& rgb) {
    QImage out = indexedLike(rgb);
    for (int i = 0; i < paletteSize; ++i)
        out.setColor(i, qRgb(i, i, i));
    forEachPixel(rgb, [&](int x, int y, QRgb p) {
        out.setPixel(x, y,
                     static_cast<uint>((qRed(p) * 77 + qGreen(p) * 150 + qBlue(p) * 29) >> 8));
    });
    return {out, 0};
}

// Frequency quantiser: counts colours in a bounded hash table, coarsening the channels when
// there are too many, and keeps the 256 most frequent.
class FrequencyTable {
public:
    static constexpr int maxColors = 2049;
    static constexpr int slotCount = 5191;

    // False when the table overflowed.
    bool count(const QImage& rgb, const std::array<int, 3>& masks) {
        entries.clear();
        slotEntry.assign(slotCount, -1);
        bool fits = true;
        forEachPixel(rgb, [&](int, int, QRgb p) {
            if (fits)
                fits = add(masked(p, masks));
        });
        return fits;
    }

    static QRgb masked(QRgb p, const std::array<int, 3>& masks) {
        return qRgb(qRed(p) & masks[0], qGreen(p) & masks[1], qBlue(p) & masks[2]);
    }

    // The entry of color, or -1.
    int find(QRgb color) const { return slotEntry[slotOf(color)]; }

    struct Entry {
        QRgb color;
        long long count;
        int paletteIndex = -1;
    };
    std::vector<Entry> entries;

private:
    static int hash(QRgb c) {
        const long long r = qRed(c), g = qGreen(c), b = qBlue(c);
        return static_cast<int>(((r + g) * (b + g) * (r + b)) % slotCount);
    }

    // The slot holding color, else the free slot where it goes; there are more slots than
    // colours, so one is always free.
    int slotOf(QRgb color) const {
        int slot = hash(color);
        while (slotEntry[slot] >= 0 && entries[slotEntry[slot]].color != color)
            slot = (slot + 1) % slotCount;
        return slot;
    }

    bool add(QRgb color) {
        const int slot = slotOf(color);
        if (slotEntry[slot] >= 0) {
            ++entries[slotEntry[slot]].count;
            return true;
        }
        if (static_cast<int>(entries.size()) >= maxColors)
            return false;
        slotEntry[slot] = static_cast<int>(entries.size());
        entries.push_back({color, 1});
        return true;
    }

    std::vector<int> slotEntry;
};

ReducedImage byFrequency(const QImage& rgb) {
    std::array<int, 3> masks{255, 255, 255}; // red, green, blue
    const int rotation[] = {2, 0, 1};        // blue, red, green
    FrequencyTable table;
    for (int turn = 0; !table.count(rgb, masks); ++turn) {
        int& mask = masks[rotation[turn % 3]];
        mask = (mask << 1) & 0xFF;
    }
    QImage out = indexedLike(rgb);
    std::vector<QRgb> palette;
    std::vector<bool> taken(table.entries.size(), false);
    while (palette.size() < paletteSize && palette.size() < table.entries.size()) {
        int best = -1;
        for (int i = 0; i < static_cast<int>(table.entries.size()); ++i)
            if (!taken[i] && (best < 0 || table.entries[i].count > table.entries[best].count))
                best = i;
        taken[best] = true;
        table.entries[best].paletteIndex = static_cast<int>(palette.size());
        palette.push_back(table.entries[best].color);
    }
    for (auto& e : table.entries) {
        if (e.paletteIndex >= 0)
            continue;
        long long bestDistance = -1;
        for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
            const long long dr = qRed(e.color) - qRed(palette[i]);
            const long long dg = qGreen(e.color) - qGreen(palette[i]);
            const long long db = qBlue(e.color) - qBlue(palette[i]);
            const long long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                e.paletteIndex = i;
            }
        }
    }
    for (int i = 0; i < paletteSize; ++i)
        out.setColor(i, i < static_cast<int>(palette.size()) ? palette[i] : unusedGray);
    forEachPixel(rgb, [&](int x, int y, QRgb p) {
        const int entry = table.find(FrequencyTable::masked(p, masks));
        out.setPixel(x, y, static_cast<uint>(table.entries[entry].paletteIndex));
    });
    return {out, 0};
}

// Median cut over 16 x 16 x 16 cells.
struct Cell {
    int coord[3]; // 4-bit red, green, blue
    long long count;
};

struct Box {
    std::vector<Cell> cells;
    int lo[3] = {0, 0, 0};
    int hi[3] = {255, 255, 255};
    long long pixels = 0;

    void fitExtent() {
        for (int c = 0; c < 3; ++c) {
            lo[c] = 255;
            hi[c] = 0;
            for (const Cell& cell : cells) {
                lo[c] = std::min(lo[c], cell.coord[c] * 16);
                hi[c] = std::max(hi[c], cell.coord[c] * 16 + 15);
            }
        }
        pixels = 0;
        for (const Cell& cell : cells)
            pixels += cell.count;
    }
};

int cellIndex(QRgb p) {
    return qRed(p) / 16 * 256 + qGreen(p) / 16 * 16 + qBlue(p) / 16;
}

ReducedImage byMedianCut(const QImage& rgb) {
    std::vector<long long> counts(4096, 0);
    forEachPixel(rgb, [&](int, int, QRgb p) { ++counts[cellIndex(p)]; });
    std::vector<Box> boxes(1);
    for (int i = 0; i < 4096; ++i)
        if (counts[i] > 0)
            boxes[0].cells.push_back({{i / 256, i / 16 % 16, i % 16}, counts[i]});
    for (const Cell& cell : boxes[0].cells)
        boxes[0].pixels += cell.count;

    while (boxes.size() < paletteSize) {
        int chosen = -1;
        int channel = 0;
        int widest = -1;
        for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
            if (boxes[b].cells.size() < 2)
                continue;
            for (int c = 0; c < 3; ++c)
                if (boxes[b].hi[c] - boxes[b].lo[c] > widest) {
                    widest = boxes[b].hi[c] - boxes[b].lo[c];
                    chosen = b;
                    channel = c;
                }
        }
        if (chosen < 0)
            break;
        Box& box = boxes[chosen];
        std::stable_sort(box.cells.begin(), box.cells.end(), [&](const Cell& a, const Cell& b) {
            return a.coord[channel] < b.coord[channel];
        });
        long long running = 0;
        size_t split = 1;
        for (size_t i = 0; i + 1 < box.cells.size(); ++i) {
            running += box.cells[i].count;
            split = i + 1;
            if (running * 2 >= box.pixels)
                break;
        }
        Box upper;
        upper.cells.assign(box.cells.begin() + static_cast<long>(split), box.cells.end());
        box.cells.resize(split);
        box.fitExtent();
        upper.fitExtent();
        boxes.push_back(std::move(upper));
    }

    QImage out = indexedLike(rgb);
    for (int i = 0; i < paletteSize; ++i)
        out.setColor(i, qRgb(0, 0, 0));
    std::vector<int> boxOfCell(4096, 0);
    for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
        const Box& box = boxes[b];
        if (box.cells.empty())
            continue;
        int value[3];
        for (int c = 0; c < 3; ++c) {
            long long sum = 0;
            for (const Cell& cell : box.cells)
                sum += cell.coord[c];
            value[c] = static_cast<int>(std::min<long long>(
                (sum * 16 + 15) / static_cast<long long>(box.cells.size()), 255));
        }
        const bool dark = value[0] <= 16 && value[1] <= 16 && value[2] <= 16;
        out.setColor(b, dark ? qRgb(0, 0, 0) : qRgb(value[0], value[1], value[2]));
        for (const Cell& cell : box.cells)
            boxOfCell[cell.coord[0] * 256 + cell.coord[1] * 16 + cell.coord[2]] = b;
    }
    forEachPixel(rgb, [&](int x, int y, QRgb p) {
        out.setPixel(x, y, static_cast<uint>(boxOfCell[cellIndex(p)]));
    });
    const int used = boxes.front().cells.empty() ? 0 : static_cast<int>(boxes.size());
    return {out, used};
}

} // namespace

int TruncationLevel(int levels, int value) {
    return levelTable(levels)[std::clamp(value, 0, 255)];
}

ReducedImage ReduceColors(const QImage& image, TWkColorMapping method) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    switch (method) {
    case cmMedianCut:
        return byMedianCut(rgb);
    case cmTruncate784:
        return byTruncation(rgb, 7, 8, 4);
    case cmTruncate666:
        return byTruncation(rgb, 6, 6, 6);
    case cmChannelTripel:
        return byChannelTripel(rgb);
    case cmGrayscale:
        return byGrayscale(rgb);
    case cmFrequencyQuantizer:
        break;
    }
    return byFrequency(rgb);
}
