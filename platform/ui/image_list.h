#pragma once
// A list of same-sized images with masks, drawn by index, that tells the controls using it
// when it changes through change links.

#include "platform/ui/bitmap.h"

#include <QImage>
#include <functional>
#include <vector>

class TImageList;

// A control's subscription to an image list's changes; it leaves the list when destroyed.
class TChangeLink {
public:
    TChangeLink() = default;
    ~TChangeLink();
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    // The list this link is registered with, or nullptr.
    TImageList* Sender() const { return sender; }
    std::function<void(TImageList&)> OnChange;

private:
    friend class TImageList;
    TImageList* sender = nullptr;
};

class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16);
    ~TImageList();
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    int Width() const { return width; }
    int Height() const { return height; }
    // A new size empties the list.
    void SetSize(int width, int height);
    int Count() const { return static_cast<int>(images.size()); }

    // Adds image cut into cells of Width (a narrower image is one cell); mask pixels that are
    // not black are transparent. Returns the index of the first cell added, or -1 for an
    // empty image.
    int Add(const TBitmap& image, const TBitmap* mask);
    // The same with every pixel of maskColor transparent (clDefault: the bottom-left pixel).
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Adds one cell from pixels whose alpha is the mask, scaled to the list's size.
    int AddImage(const QImage& image);
    void Replace(int index, const QImage& image);
    void Delete(int index);
    void Clear();

    // The image of a cell with its transparency as alpha; a null image outside the list.
    QImage Image(int index) const;
    // The cell's mask: black where the image shows, white where it is transparent.
    QImage Mask(int index) const;
    // Draws a cell at its size; a disabled cell is drawn faded. Nothing outside the list.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // Gives bitmap the cell's pixels at 32 bits, transparency in the alpha channel.
    void GetBitmap(int index, TBitmap& bitmap) const;

    void RegisterChanges(TChangeLink& link);
    void UnRegisterChanges(TChangeLink& link);

private:
    int addCells(const QImage& pixels);
    // image as a cell: alpha kept, scaled to the list's size.
    QImage cellOf(const QImage& image) const;
    void changed();

    int width;
    int height;
    std::vector<QImage> images; // Format_ARGB32, width x height
    std::vector<TChangeLink*> links;
};
