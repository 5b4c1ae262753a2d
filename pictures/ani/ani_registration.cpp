#include "pictures/ani/ani_registration.h"

#include "components/base/unit_lifetime.h"
#include "components/data/class_registry.h"
#include "pictures/ani/ani_image.h"
#include "platform/ui/picture.h"

namespace {

UnitLifetime& Lifetime() {
    static UnitLifetime lifetime;
    return lifetime;
}

} // namespace

void WkAniInitialization() {
    Lifetime().Initialize([] {
        GroupDescendentsWith(QString::fromLatin1(TWkAni::ClassName), ControlGroup);
        RegisterClasses({{QString::fromLatin1(TWkAni::ClassName),
                          {QStringLiteral("TGraphic"), QStringLiteral("TPersistent")}}});
        TPicture::RegisterFileFormat(QStringLiteral("ani"), QStringLiteral("ANI Image"),
                                     GraphicClassOf<TWkAni>());
    });
}

void WkAniFinalization() {
    Lifetime().Finalize([] {
        TPicture::UnregisterGraphicClass(GraphicClassOf<TWkAni>());
        UnregisterClasses({QString::fromLatin1(TWkAni::ClassName)});
    });
}
