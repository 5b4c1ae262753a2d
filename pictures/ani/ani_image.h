#pragma once
// An animated cursor or icon (RIFF "ACON" form) as a picture: a list of icons played as a
// sequence of steps, each shown for its rate, animated by a timer.

#include "pictures/ani/ani_icon_frame.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/graphic.h"

#include <QByteArray>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <vector>

// The body of the "anih" chunk, 36 bytes of 32-bit little-endian fields.
struct TWkAniHeader {
    std::uint32_t dwSizeof = 36;
    std::uint32_t dwFrames = 0; // icons
    std::uint32_t dwSteps = 0;  // steps
    std::uint32_t dwCX = 0;
    std::uint32_t dwCY = 0;
    std::uint32_t dwBitCount = 0;
    std::uint32_t dwPlanes = 0;
    std::uint32_t dwJIFRate = 0; // default rate in jiffies (1/60 s)
    std::uint32_t dwFlags = 0;   // bit 0: the frames are icon or cursor resources
};

// AssignToBitmap refuses a strip of more pixels than this (256 MiB at 32 bits per pixel) or a
// side longer than a painter can address.
constexpr std::int64_t MaxAniBitmapPixels = 64 * 1024 * 1024;
constexpr int MaxAniBitmapSide = 32767;

// The timer's interval when a step's rate gives none.
constexpr int DefaultAniInterval = 100;

class TWkAni : public TGraphic {
public:
    static constexpr const char* ClassName = "TWkAni";

    TWkAni();
    ~TWkAni() override;

    TGraphicClass ClassType() const override { return GraphicClassOf<TWkAni>(); }

    // Reads the rest of the stream; raises EInvalidGraphic "Stream read error" for a malformed
    // stream, leaving the picture empty. Step 0 becomes current when there are steps.
    void LoadFromStream(QIODevice& stream) override;
    // Raises EInvalidGraphicOperation "Invalid image" when there are no icons.
    void SaveToStream(QIODevice& stream) const override;
    QByteArray SaveToBytes() const;
    // Both raise "Clipboard does not support Icons".
    void LoadFromClipboardFormat(const QMimeData& data, const QString& format) override;
    void SaveToClipboardFormat(QMimeData& data) const override;

    void Clear();
    // The current step's icon at its own size at r's top left corner.
    void Draw(TCanvas& canvas, const TRect& r) override;

    bool Empty() const override { return FFrameCount == 0; }
    // The current step's icon size; 0 without one.
    int Width() const override;
    int Height() const override;
    // Raise "Cannot change the size of an icon".
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    bool Transparent() const override { return true; }
    void SetTransparent(bool) override {}

    // nullptr empties; another animated cursor is copied whole.
    void Assign(const TGraphic* source) override;
    // To an icon: the current step's icon; to a bitmap: every step side by side.
    void AssignTo(TGraphic& dest) const override;
    // One cell per step (the size of icon 0), in a row or a column, on backColor; with
    // decreaseColors reduced to Max(OriginalColors, 16) colours. Raises EInvalidGraphicOperation
    // when the strip would pass MaxAniBitmapPixels or MaxAniBitmapSide.
    void AssignToBitmap(TBitmap& bitmap, TColor backColor, bool decreaseColors,
                        bool vertical) const;
    // The same with one cell per icon, cell i showing step i (or the step before when there is
    // no step i).
    void AssignIconsToBitmap(TBitmap& bitmap, TColor backColor, bool decreaseColors,
                             bool vertical) const;

    // Step i: its icon (nullptr when its sequence entry names no icon), rate and hot spot.
    // Empty for an index outside 0 .. FrameCount - 1.
    TWkAniStep Step(int index) const;
    int Index() const { return FIndex; }
    // Ignored outside 0 .. FrameCount - 1.
    void SetIndex(int value);
    int FrameCount() const { return FFrameCount; }
    int IconCount() const { return static_cast<int>(FIcons.size()); }
    TWkIconFrame& Icon(int index) { return *FIcons.at(index); }
    const TWkAniHeader& Header() const { return FHeader; }
    const std::vector<std::uint32_t>& Rates() const { return FRates; }
    const std::vector<std::uint32_t>& Sequence() const { return FSequence; }
    QString Title() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }
    QString Author() const { return FAuthor; }
    void SetAuthor(const QString& value) { FAuthor = value; }
    int OriginalColors() const { return FOriginalColors; }

    bool Animated() const { return FTimer.isActive(); }
    void SetAnimated(bool value);
    // The animation timer; tests call TimerTick instead of waiting for it.
    const QTimer& Timer() const { return FTimer; }
    // One tick: the next step becomes current and the timer waits for its rate.
    void TimerTick();

private:
    friend class TWkAniReader;
    friend class TWkAniWriter;

    void reset();
    void paintCells(TBitmap& bitmap, TColor backColor, bool decreaseColors, bool vertical,
                    int cells) const;

    std::vector<std::unique_ptr<TWkIconFrame>> FIcons;
    TWkAniHeader FHeader;
    std::vector<std::uint32_t> FRates;
    std::vector<std::uint32_t> FSequence;
    int FFrameCount = 0;
    QString FTitle;
    QString FAuthor;
    int FOriginalColors = 0;
    int FIndex = -1;
    QTimer FTimer;
};

// The timer interval of a rate in jiffies: rate * 100 / 6 ms, 100 ms for 0, never wrapping.
int AniRateInterval(std::uint32_t jiffies);
