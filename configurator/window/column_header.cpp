#include "configurator/window/column_header.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>
#include <algorithm>

namespace {

// Column captions are long next to the narrow controls under them: they start at this share of
// the window's font and shrink by steps down to the smallest share that still reads.
constexpr qreal LargestScale = 0.85;
constexpr qreal SmallestScale = 0.65;
constexpr qreal ScaleStep = 0.05;

struct LaidOut {
    qreal height = 0;
    bool wordsWhole = true; // no line is wider than the column
};

LaidOut LayOut(QTextLayout& layout, QTextOption::WrapMode wrap, qreal width) {
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(wrap);
    layout.setTextOption(option);
    LaidOut result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, result.height));
        result.height += line.height();
        result.wordsWhole = result.wordsWhole && line.naturalTextWidth() <= width;
    }
    layout.endLayout();
    return result;
}

QFont Scaled(const QFont& font, qreal scale) {
    QFont scaled = font;
    scaled.setPointSizeF(font.pointSizeF() * scale);
    return scaled;
}

} // namespace

ColumnHeader::ColumnHeader(const QString& text, QWidget* parent) : QLabel(text, parent) {}

// The caption changes with the language, so the tip is taken from it when asked for.
bool ColumnHeader::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void ColumnHeader::paintEvent(QPaintEvent* /*event*/) {
    const QRectF area = contentsRect();
    QTextLayout layout(text());
    LaidOut laidOut;
    bool fitted = false;
    for (qreal scale = LargestScale; scale >= SmallestScale - ScaleStep / 2; scale -= ScaleStep) {
        layout.setFont(Scaled(font(), scale));
        laidOut = LayOut(layout, QTextOption::WordWrap, area.width());
        if (laidOut.wordsWhole && laidOut.height <= area.height()) {
            fitted = true;
            break;
        }
    }
    if (!fitted) {
        laidOut = LayOut(layout, QTextOption::WrapAtWordBoundaryOrAnywhere, area.width());
    }
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    // A caption taller than the label keeps its first lines.
    const qreal top = std::max(area.top(), area.bottom() - laidOut.height);
    layout.draw(&painter, QPointF(area.left(), top));
}
