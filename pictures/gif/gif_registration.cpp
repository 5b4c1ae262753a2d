#include "pictures/gif/gif_registration.h"

#include "components/base/unit_lifetime.h"
#include "components/draw/graphic_signatures.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/picture.h"

namespace {

UnitLifetime& Lifetime() {
    static UnitLifetime lifetime;
    return lifetime;
}

bool SignatureAdded() {
    for (const auto& entry : GraphicSignatures())
        if (entry->GraphicClass() == GraphicClassOf<TWkGIFImage>())
            return true;
    return false;
}

} // namespace

void WkGIFInitialization() {
    Lifetime().Initialize([] {
        const TGraphicClass gif = GraphicClassOf<TWkGIFImage>();
        TPicture::RegisterFileFormat(QStringLiteral("gif"), QStringLiteral("CompuServe GIF Image"),
                                     gif);
        TPicture::RegisterClipboardFormat(WkGifClipboardFormat, gif);
        // The signature list lives as long as the process; it must not hold the class twice.
        if (!SignatureAdded())
            AddGraphicSignature("GIF", 0, gif);
    });
}

void WkGIFFinalization() {
    Lifetime().Finalize([] { TPicture::UnregisterGraphicClass(GraphicClassOf<TWkGIFImage>()); });
}
