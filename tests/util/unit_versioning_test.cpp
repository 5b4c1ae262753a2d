#include "util/file_utils.h"
#include "util/unit_versioning.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <memory>

namespace {

const TUnitVersionInfo BaseA{
    u"$RCSfile: Base.pas,v $", nullptr, nullptr, u"src/a", nullptr, nullptr};
const TUnitVersionInfo BaseB{
    u"$RCSfile: Base.pas,v $", nullptr, nullptr, u"src/b", nullptr, nullptr};
const TUnitVersionInfo Strings{
    u"$URL: x/Strings.pas $", nullptr, nullptr, u"src/a", nullptr, nullptr};

HMODULE Program() {
    return CurrentModule();
}

TEST(UnitVersioning, FindsRecordsBySourceFileAndLogPath) {
    TUnitVersioning registry;
    int other = 0;
    const HMODULE second = &other; // any handle will do while nothing counts the modules
    registry.Add(Program(), &BaseA);
    registry.Add(Program(), &Strings);
    registry.Add(Program(), &BaseA); // the same record is kept once
    registry.Add(second, &BaseB);

    const struct {
        QString rcsFile;
        QString logPath;
        int index;
    } cases[] = {
        {"base.PAS", "*", 0},    {"Base.pas", "SRC/B", 2}, {"Base.pas", " src/a ", 0},
        {"Strings.pas", "*", 1}, {"Base.pas", "src", -1},  {"Other.pas", "*", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(registry.IndexOf(c.rcsFile, c.logPath), c.index)
            << c.rcsFile.toStdString() << " " << c.logPath.toStdString();
        const TUnitVersion* unit = registry.FindUnit(c.rcsFile, c.logPath);
        EXPECT_EQ(unit ? unit->Info() : nullptr,
                  c.index < 0 ? nullptr : registry.Items(c.index).Info());
    }
    EXPECT_EQ(registry.Modules(0).Count(), 2);
    EXPECT_EQ(registry.Modules(1).FindUnit("Base.pas", "*")->Info(), &BaseB);
    EXPECT_THROW(registry.Items(3), std::out_of_range);
}

struct CountingProvider : TCustomUnitVersioningProvider {
    static inline int released = 0;
    static inline int loaded = 0;
    void LoadModuleUnitVersioningInfo(HMODULE) override { ++loaded; }
    void ReleaseModuleUnitVersioningInfo(HMODULE) override { ++released; }
};

TEST(UnitVersioning, UnregisterDropsTheModuleAndTellsProvidersOnce) {
    TUnitVersioning registry;
    registry.RegisterProvider<CountingProvider>();
    registry.RegisterProvider<CountingProvider>(); // one provider per class
    CountingProvider::released = CountingProvider::loaded = 0;
    registry.LoadModuleUnitVersioningInfo(Program());
    EXPECT_EQ(CountingProvider::loaded, 1);

    registry.Add(Program(), &BaseA);
    registry.UnregisterModule(Program());
    EXPECT_EQ(CountingProvider::released, 1);
    EXPECT_EQ(registry.ModuleCount(), 0);
    registry.UnregisterModule(Program()); // nothing left to drop; providers are still told
    EXPECT_EQ(CountingProvider::released, 2);
}

TEST(UnitVersioning, UnloadedModulesAreNoLongerCounted) {
    void* library = dlopen(UNIT_VERSION_PROBE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    Dl_info info{};
    ASSERT_NE(dladdr(dlsym(library, "unit_version_probe_marker"), &info), 0);
    const HMODULE probe = info.dli_fbase;
    EXPECT_TRUE(ModuleFileName(probe).endsWith(QStringLiteral("unit_version_probe.so")));

    TUnitVersioning registry;
    registry.Add(Program(), &BaseA);
    registry.Add(probe, &BaseB);
    registry.Add(probe, &Strings);
    EXPECT_EQ(registry.ModuleCount(), 2);
    EXPECT_EQ(registry.Count(), 3);

    dlclose(library);
    EXPECT_EQ(registry.ModuleCount(), 1);
    EXPECT_EQ(registry.Count(), 1);
    EXPECT_EQ(registry.FindUnit("Base.pas", "src/b"), nullptr);
}

} // namespace
