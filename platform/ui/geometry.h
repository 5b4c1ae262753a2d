#pragma once
// Points and rectangles with the desktop's rectangle rule: Right and Bottom lie just outside
// the rectangle, so a rectangle (0, 0, 10, 5) covers columns 0..9 and rows 0..4. The one
// conversion to Qt's QRect lives here so off-by-one mistakes cannot spread.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdlib>

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}

// The pixels the rectangle covers, as Qt counts them (an empty rectangle stays empty).
inline QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

inline TRect FromQRect(const QRect& r) {
    return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

inline QPoint ToQPoint(TPoint p) {
    return QPoint(p.X, p.Y);
}
