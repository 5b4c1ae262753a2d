#include "components/util/rich_edit_unit.h"

#include "components/base/unit_lifetime.h"
#include "components/util/clipboard_formats.h"
#include "platform/modules/module_registry.h"
#include "platform/modules/module_version.h"

#include <QStringList>
#include <cstdint>

namespace {

const QString NewerLibrary = QStringLiteral("RICHED20.DLL");
const QString OlderLibrary = QStringLiteral("RICHED32.DLL");

// Handle values below this stand for a failed load.
constexpr std::uintptr_t FirstValidHandle = 32;

struct RichEditState {
    UnitLifetime lifetime;
    HMODULE module = nullptr;
    int version = 0;
    TRichEditClipboardFormats formats;
};

RichEditState& state() {
    static RichEditState instance;
    return instance;
}

HMODULE load(const QString& name) {
    HMODULE module = SafeLoadLibrary(name, SEM_NOOPENFILEERRORBOX);
    return reinterpret_cast<std::uintptr_t>(module) < FirstValidHandle ? nullptr : module;
}

void startUp() {
    RichEditState& s = state();
    s.module = load(NewerLibrary);
    if (s.module != nullptr) {
        s.version = RichEdit20Version(ModuleFileVersion(NewerLibrary));
    } else {
        s.module = load(OlderLibrary);
        s.version = s.module != nullptr ? 1 : 0;
    }
    s.formats.EmbeddedObject = RegisterClipboardFormatW(QStringLiteral("Embedded Object"));
    s.formats.LinkSource = RegisterClipboardFormatW(QStringLiteral("Link Source"));
    s.formats.RichText = RegisterClipboardFormatW(QStringLiteral("Rich Text Format"));
    s.formats.RichTextWithoutObjects =
        RegisterClipboardFormatW(QStringLiteral("Rich Text Format Without Objects"));
}

void shutDown() {
    RichEditState& s = state();
    if (s.module != nullptr)
        FreeLibrary(s.module);
    s.module = nullptr;
    s.version = 0;
}

} // namespace

int RichEdit20Version(const QString& fileVersion) {
    const QStringList parts = fileVersion.split(QLatin1Char('.'));
    bool majorOk = false;
    bool minorOk = false;
    const int major = parts.value(0).toInt(&majorOk);
    const int minor = parts.value(1).toInt(&minorOk);
    if (!majorOk || !minorOk)
        return 2;
    if (major == 5)
        return minor / 10 != 0 ? minor / 10 : 2;
    if (major == 12)
        return 6;
    return 2;
}

void WkRichEditInitialization() {
    state().lifetime.Initialize(startUp);
}

void WkRichEditFinalization() {
    state().lifetime.Finalize(shutDown);
}

HMODULE RichEditModule() {
    return state().module;
}

int RichEditVersion() {
    return state().version;
}

const TRichEditClipboardFormats& RichEditClipboardFormats() {
    return state().formats;
}
