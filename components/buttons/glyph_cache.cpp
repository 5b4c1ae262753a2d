#include "components/buttons/glyph_cache.h"

#include "platform/ui/color_key.h"

#include <algorithm>

namespace {

std::unique_ptr<TWkGlyphCache>& cacheInstance() {
    static std::unique_ptr<TWkGlyphCache> cache;
    return cache;
}

} // namespace

TWkGlyphList::TWkGlyphList(int width, int height) : FImages(width, height) {}

int TWkGlyphList::Add(const QImage& image) {
    if (image.isNull())
        return -1;
    const auto free = std::find(FUsed.begin(), FUsed.end(), false);
    int slot;
    if (free == FUsed.end()) {
        slot = FImages.AddImage(image);
        FUsed.resize(slot + 1, false);
    } else {
        slot = static_cast<int>(free - FUsed.begin());
        FImages.Replace(slot, image);
    }
    FUsed[slot] = true;
    ++FCount;
    return slot;
}

int TWkGlyphList::AddMasked(const QImage& image, TColor maskColor) {
    return Add(WithoutKeyColor(image, ToQColor(ColorToRGB(maskColor)).rgb() & RGB_MASK));
}

void TWkGlyphList::Delete(int index) {
    if (index < 0 || index >= static_cast<int>(FUsed.size()) || !FUsed[index])
        return;
    FUsed[index] = false;
    --FCount;
}

TWkGlyphList* TWkGlyphCache::GetList(int width, int height) {
    for (auto it = FGlyphLists.rbegin(); it != FGlyphLists.rend(); ++it) {
        if ((*it)->Width() == width && (*it)->Height() == height)
            return it->get();
    }
    FGlyphLists.push_back(std::make_unique<TWkGlyphList>(width, height));
    return FGlyphLists.back().get();
}

void TWkGlyphCache::ReturnList(TWkGlyphList* list) {
    if (!list || list->Count() > 0)
        return;
    std::erase_if(FGlyphLists, [list](const auto& held) { return held.get() == list; });
}

TWkGlyphCache& GlyphCache() {
    auto& cache = cacheInstance();
    if (!cache)
        cache = std::make_unique<TWkGlyphCache>();
    return *cache;
}

TWkGlyphCache* ExistingGlyphCache() {
    return cacheInstance().get();
}

void FreeGlyphCacheIfEmpty() {
    auto& cache = cacheInstance();
    if (cache && cache->Empty())
        cache.reset();
}
