#pragma once
// One icon of an animated cursor, or the description of one animation step: the icon, whether
// the resource was an icon rather than a cursor, its hot spot and its display rate in jiffies
// (1/60 s).

#include "platform/ui/icon.h"

#include <QPoint>
#include <cstdint>
#include <memory>

class TWkIconFrame {
public:
    explicit TWkIconFrame(std::uint32_t jifRate) : FRate(jifRate) {}

    // Copies the icon (making one when this frame has none), the icon flag, hot spot and rate.
    void Assign(const TWkIconFrame& source);

    // nullptr when the frame has no icon.
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(std::unique_ptr<TIcon> icon) { FIcon = std::move(icon); }
    bool IsIcon() const { return FIsIcon; }
    void SetIsIcon(bool value) { FIsIcon = value; }
    QPoint HotSpot() const { return FHotSpot; }
    void SetHotSpot(QPoint value) { FHotSpot = value; }
    std::uint32_t Rate() const { return FRate; }
    void SetRate(std::uint32_t value) { FRate = value; }

private:
    std::unique_ptr<TIcon> FIcon;
    bool FIsIcon = false;
    QPoint FHotSpot;
    std::uint32_t FRate;
};

// A step refers to the icon of its frame without owning it.
struct TWkAniStep {
    const TIcon* Icon = nullptr;
    bool IsIcon = false;
    QPoint HotSpot;
    std::uint32_t Rate = 0;
};
