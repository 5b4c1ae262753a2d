#pragma once
// Shared image lists for the images buttons derive from their glyphs: one list per image size,
// whose freed slots are reused, so many buttons with glyphs of one size hold one list.

#include "platform/ui/image_list.h"

#include <memory>
#include <vector>

class TWkGlyphList {
public:
    TWkGlyphList(int width, int height);

    int Width() const { return FImages.Width(); }
    int Height() const { return FImages.Height(); }
    // Puts the image (scaled to the list's size; alpha is its mask) into the lowest free slot and
    // returns the slot; -1 for a null image.
    int Add(const QImage& image);
    // The same, with every pixel of maskColor transparent.
    int AddMasked(const QImage& image, TColor maskColor);
    // Frees the slot; its image stays until the slot is reused. Ignores free or unknown slots.
    void Delete(int index);
    // Occupied slots.
    int Count() const { return FCount; }
    const TImageList& Images() const { return FImages; }

private:
    TImageList FImages;
    std::vector<bool> FUsed;
    int FCount = 0;
};

class TWkGlyphCache {
public:
    // The list of exactly that size (the one made last when several match); made when missing.
    TWkGlyphList* GetList(int width, int height);
    // Frees the list once no slot of it is occupied.
    void ReturnList(TWkGlyphList* list);
    bool Empty() const { return FGlyphLists.empty(); }

private:
    std::vector<std::unique_ptr<TWkGlyphList>> FGlyphLists;
};

// The process's cache, made on first use; nullptr when none exists.
TWkGlyphCache& GlyphCache();
TWkGlyphCache* ExistingGlyphCache();
// Frees the process's cache when it holds no list.
void FreeGlyphCacheIfEmpty();
