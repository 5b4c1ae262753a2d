#include "platform/ui/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>

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
    // Right-to-left reading changes the order of the text only; left stays left.
    if (flags & DT_RTLREADING)
        result |= Qt::TextForceRightToLeft | Qt::AlignAbsolute;
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

const QString Ellipsis = QStringLiteral("...");

constexpr unsigned EllipsisFlags = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;

bool fits(const QFontMetrics& metrics, const QString& text, int width) {
    return metrics.horizontalAdvance(text) <= width;
}

// The longest start of text that fits with "..." after it; "..." alone when none does.
QString elidedEnd(const QFontMetrics& metrics, const QString& text, int width) {
    if (fits(metrics, text, width))
        return text;
    for (qsizetype keep = text.size() - 1; keep > 0; --keep) {
        const QString shown = text.left(keep) + Ellipsis;
        if (fits(metrics, shown, width))
            return shown;
    }
    return Ellipsis;
}

// A path cut in its middle: as much of its start as fits before "..." and everything from its
// last separator on; a name too long even then is cut at its end.
QString elidedPath(const QFontMetrics& metrics, const QString& line, int width) {
    if (fits(metrics, line, width))
        return line;
    const qsizetype separator =
        std::max(line.lastIndexOf(QLatin1Char('\\')), line.lastIndexOf(QLatin1Char('/')));
    if (separator < 0)
        return elidedEnd(metrics, line, width);
    const QString tail = line.mid(separator);
    for (qsizetype keep = separator - 1; keep >= 0; --keep) {
        const QString shown = line.left(keep) + Ellipsis + tail;
        if (fits(metrics, shown, width))
            return shown;
    }
    return elidedEnd(metrics, Ellipsis + tail, width);
}

// Every word (run of characters between blanks) of line that is wider than width, cut.
QString elidedWords(const QFontMetrics& metrics, const QString& line, int width) {
    QStringList words = line.split(QLatin1Char(' '));
    for (QString& word : words)
        word = elidedEnd(metrics, word, width);
    return words.join(QLatin1Char(' '));
}

QString elidedLine(const QFontMetrics& metrics, const QString& line, unsigned flags, int width) {
    if (flags & DT_PATH_ELLIPSIS)
        return elidedPath(metrics, line, width);
    // Wrapped lines only need their overlong words cut; the wrap does the rest.
    const bool wraps = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE);
    const QString shown =
        (flags & DT_WORD_ELLIPSIS) || wraps ? elidedWords(metrics, line, width) : line;
    return wraps ? shown : elidedEnd(metrics, shown, width);
}

// The text as drawn in width under the ellipsis flags, line by line.
QString elidedText(const QFontMetrics& metrics, const QString& text, unsigned flags, int width) {
    if (!(flags & EllipsisFlags))
        return text;
    width = std::max(0, width);
    if (flags & DT_SINGLELINE)
        return elidedLine(metrics, text, flags, width);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = elidedLine(metrics, line, flags, width);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags) {
    const QFont font = ToQFont(Font);
    const QFontMetrics metrics(font);
    const int qtFlags = qtTextFlags(flags);
    const QString shown = elidedText(metrics, text, flags, r.Width());
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
