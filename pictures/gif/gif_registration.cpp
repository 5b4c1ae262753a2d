#include "pictures/gif/gif_registration.h"

#include "components/base/unit_lifetime.h"
#include "components/data/class_registry.h"
#include "components/draw/graphic_signatures.h"
#include "pictures/gif/gif_image.h"
#include "platform/ui/picture.h"

namespace {

UnitLifetime& Lifetime() {
    static UnitLifetime lifetime;
    return lifetime;
}

// The classes form streams may name, with their ancestry, grouped with the controls.
std::vector<TWkRegisteredClass> StreamedClasses() {
    const QString persistent = QStringLiteral("TPersistent");
    return {
        {QString::fromLatin1(TWkGIFFrame::ClassName), {persistent}},
        {QString::fromLatin1(TWkGIFImage::ClassName), {QStringLiteral("TGraphic"), persistent}}};
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
        const std::vector<TWkRegisteredClass> streamed = StreamedClasses();
        for (const TWkRegisteredClass& entry : streamed)
            GroupDescendentsWith(entry.name, ControlGroup);
        RegisterClasses(streamed);
        const TGraphicClass gif = GraphicClassOf<TWkGIFImage>();
        TPicture::RegisterFileFormat(QStringLiteral("gif"), QStringLiteral("CompuServe GIF Image"),
                                     gif);
        TPicture::RegisterClipboardFormat(WkGifClipboardFormat, gif);
        // The signature list keeps what was added until the drawing utilities shut down; it must
        // not hold the class twice.
        if (!SignatureAdded())
            AddGraphicSignature("GIF", 0, gif);
    });
}

void WkGIFFinalization() {
    Lifetime().Finalize([] {
        TPicture::UnregisterGraphicClass(GraphicClassOf<TWkGIFImage>());
        std::vector<QString> names;
        for (const TWkRegisteredClass& streamed : StreamedClasses())
            names.push_back(streamed.name);
        UnregisterClasses(names);
    });
}
