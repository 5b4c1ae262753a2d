#include "platform/ui/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>

TCanvas::TCanvas(QPaintDevice* device)
    : ownPainter(std::make_unique<QPainter>(device)), painter(ownPainter.get()) {}

TCanvas::TCanvas(QPainter& borrowed) : painter(&borrowed) {}

TCanvas::~TCanvas() = default;

void TCanvas::applyPen() {
    painter->setPen(ToQPen(Pen));
}

void TCanvas::applyBrush() {
    painter->setBrush(ToQBrush(Brush));
}

void TCanvas::MoveTo(int x, int y) {
    penPos = TPoint{x, y};
}

void TCanvas::LineTo(int x, int y) {
    applyPen();
    painter->drawLine(penPos.X, penPos.Y, x, y);
    penPos = TPoint{x, y};
}

void TCanvas::Rectangle(const TRect& r) {
    if (r.IsEmpty())
        return;
    applyBrush();
    if (Pen.Style == psClear) {
        // Without an outline the desktop fills one pixel less on the right and bottom.
        painter->setPen(Qt::NoPen);
        painter->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
        return;
    }
    applyPen();
    // Qt's stroked rectangle is one pixel larger than its size.
    painter->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::FillRect(const TRect& r) {
    if (r.IsEmpty() || Brush.Style == bsClear)
        return;
    painter->fillRect(ToQRect(r), ToQBrush(Brush));
}

void TCanvas::FrameRect(const TRect& r) {
    if (r.IsEmpty())
        return;
    painter->setPen(QPen(ToQColor(Brush.Color), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::Ellipse(const TRect& r) {
    if (r.IsEmpty())
        return;
    applyPen();
    applyBrush();
    painter->drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (points.empty())
        return;
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << ToQPoint(p);
    applyPen();
    applyBrush();
    painter->drawPolygon(polygon);
}

TSize TCanvas::TextExtent(const QString& text) const {
    const QFontMetrics metrics(ToQFont(Font));
    return TSize{metrics.horizontalAdvance(text), metrics.height()};
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    const QFont font = ToQFont(Font);
    const QFontMetrics metrics(font);
    const QRect box(0, 0, metrics.horizontalAdvance(text), metrics.height());
    painter->save();
    painter->translate(x, y);
    if (Font.Escapement != 0)
        painter->rotate(-Font.Escapement / 10.0);
    if (Brush.Style != bsClear)
        painter->fillRect(box, ToQColor(Brush.Color));
    painter->setFont(font);
    painter->setPen(ToQColor(Font.Color));
    painter->drawText(QPoint(0, metrics.ascent()), text);
    painter->restore();
    penPos = TPoint{x + box.width(), y};
}

namespace {

int qtTextFlags(unsigned flags) {
    int result = 0;
    if (flags & DT_CENTER)
        result |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        result |= Qt::AlignRight;
    else
        result |= Qt::AlignLeft;
    // Vertical placement applies to single lines only, as on the desktop.
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        result |= Qt::AlignVCenter;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        result |= Qt::AlignBottom;
    else
        result |= Qt::AlignTop;
    if (flags & DT_SINGLELINE)
        result |= Qt::TextSingleLine;
    else if (flags & DT_WORDBREAK)
        result |= Qt::TextWordWrap;
    if (flags & DT_EXPANDTABS)
        result |= Qt::TextExpandTabs;
    if (!(flags & DT_NOPREFIX))
        result |= Qt::TextShowMnemonic;
    return result;
}

// Where a text block of the given size lands in area under the alignment flags.
QRect alignedBox(const QRect& area, const QSize& size, int qtFlags) {
    int x = area.left();
    if (qtFlags & Qt::AlignHCenter)
        x += (area.width() - size.width()) / 2;
    else if (qtFlags & Qt::AlignRight)
        x += area.width() - size.width();
    int y = area.top();
    if (qtFlags & Qt::AlignVCenter)
        y += (area.height() - size.height()) / 2;
    else if (qtFlags & Qt::AlignBottom)
        y += area.height() - size.height();
    return QRect(QPoint(x, y), size);
}

// Size of the laid-out text: a single line is as wide as its advance, like TextWidth.
QSize textBlockSize(const QFontMetrics& metrics, const QString& text, unsigned flags, int qtFlags,
                    int width) {
    if (flags & DT_SINGLELINE) {
        QString shown = text;
        if (!(flags & DT_NOPREFIX))
            shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        return QSize(metrics.horizontalAdvance(shown), metrics.height());
    }
    const int wrapWidth = (flags & DT_WORDBREAK) ? std::max(1, width) : 1 << 20;
    const int layout = qtFlags & ~(Qt::AlignVertical_Mask | Qt::AlignHorizontal_Mask);
    return metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), layout, text).size();
}

} // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
    const QFont font = ToQFont(Font);
    const QFontMetrics metrics(font);
    const int qtFlags = qtTextFlags(flags);
    QString shown = text;
    if ((flags & DT_END_ELLIPSIS) && (flags & DT_SINGLELINE))
        shown = metrics.elidedText(text, Qt::ElideRight, std::max(0, r.Width()));
    const QSize needed = textBlockSize(metrics, shown, flags, qtFlags, r.Width());
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + needed.width();
        r.Bottom = r.Top + needed.height();
        return needed.height();
    }
    const QRect area = ToQRect(r);
    painter->save();
    if (!(flags & DT_NOCLIP))
        painter->setClipRect(area, Qt::IntersectClip);
    if (Brush.Style != bsClear) {
        painter->fillRect(alignedBox(area, needed, qtFlags), ToQColor(Brush.Color));
    }
    painter->setFont(font);
    painter->setPen(ToQColor(Font.Color));
    painter->drawText(area, qtFlags, shown);
    painter->restore();
    return needed.height();
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
    if (r.IsEmpty() || image.isNull())
        return;
    painter->drawImage(ToQRect(r), image);
}
