#include "components/util/blit_rect.h"

#include <QImage>
#include <QPixmap>
#include <optional>

namespace {

std::optional<QPainter::CompositionMode> compositionOf(DWORD rop) {
    switch (rop) {
    case SRCCOPY:
        return QPainter::CompositionMode_Source;
    case SRCPAINT:
        return QPainter::RasterOp_SourceOrDestination;
    case SRCAND:
        return QPainter::RasterOp_SourceAndDestination;
    case SRCINVERT:
        return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY:
        return QPainter::RasterOp_NotSource;
    default:
        return std::nullopt;
    }
}

// A copy of the device's pixels in r (device coordinates), taken before anything is drawn so
// that a block may overlap itself.
QImage blockOf(QPaintDevice* device, const QRect& r) {
    if (device == nullptr)
        return {};
    switch (device->devType()) {
    case QInternal::Image:
        return static_cast<QImage*>(device)->copy(r);
    case QInternal::Pixmap:
        return static_cast<QPixmap*>(device)->copy(r).toImage();
    default:
        return {};
    }
}

} // namespace

bool BlitRect(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX,
              int sourceY, DWORD rop) {
    const auto composition = compositionOf(rop);
    if (!composition)
        return false;
    if (width <= 0 || height <= 0)
        return true;
    QPainter& from = source.Painter();
    const QRect area = from.combinedTransform().mapRect(QRect(sourceX, sourceY, width, height));
    QImage block = blockOf(from.device(), area);
    if (block.isNull())
        return false;
    // The logic operations combine colour bits only; alpha would take part in them otherwise.
    if (*composition != QPainter::CompositionMode_Source)
        block = block.convertToFormat(QImage::Format_RGB32);
    QPainter& to = dest.Painter();
    to.save();
    to.setCompositionMode(*composition);
    to.drawImage(QRect(x, y, width, height), block);
    to.restore();
    return true;
}
