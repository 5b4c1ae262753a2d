#include "components/util/screen_dc.h"

#include "components/util/out_of_resources.h"

#include <QGuiApplication>
#include <QScreen>

QImage::Format ScreenImageFormat() {
    const QScreen* screen =
        QGuiApplication::instance() != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    switch (screen != nullptr ? screen->depth() : 32) {
    case 15:
        return QImage::Format_RGB555;
    case 16:
        return QImage::Format_RGB16;
    case 24:
        return QImage::Format_RGB888;
    case 30:
        return QImage::Format_RGB30;
    default:
        return QImage::Format_RGB32;
    }
}

TScreenCompatibleDC::TScreenCompatibleDC() : image(1, 1, ScreenImageFormat()) {
    if (image.isNull())
        RaiseOutOfResources();
    image.fill(Qt::black);
    canvas = std::make_unique<TCanvas>(&image);
}

std::unique_ptr<TScreenCompatibleDC> CreateScreenCompatibleDC() {
    return std::make_unique<TScreenCompatibleDC>();
}
