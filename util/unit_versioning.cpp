#include "util/unit_versioning.h"

#include "util/file_utils.h"

#include <algorithm>
#include <stdexcept>

namespace {

bool Matches(const TUnitVersion& item, const QString& rcsFile, const QString& logPath) {
    return item.RCSfile().compare(rcsFile, Qt::CaseInsensitive) == 0 &&
           (logPath == QLatin1String("*") ||
            item.LogPath().compare(logPath.trimmed(), Qt::CaseInsensitive) == 0);
}

} // namespace

int TUnitVersioningModule::IndexOf(PUnitVersionInfo info) const {
    for (int i = 0; i < Count(); ++i) {
        if (FItems[i].Info() == info)
            return i;
    }
    return -1;
}

int TUnitVersioningModule::IndexOf(const QString& rcsFile, const QString& logPath) const {
    for (int i = 0; i < Count(); ++i) {
        if (Matches(FItems[i], rcsFile, logPath))
            return i;
    }
    return -1;
}

const TUnitVersion* TUnitVersioningModule::FindUnit(const QString& rcsFile,
                                                    const QString& logPath) const {
    const int index = IndexOf(rcsFile, logPath);
    return index < 0 ? nullptr : &FItems[index];
}

void TCustomUnitVersioningProvider::LoadModuleUnitVersioningInfo(HMODULE) {}

void TCustomUnitVersioningProvider::ReleaseModuleUnitVersioningInfo(HMODULE) {}

TUnitVersioning::~TUnitVersioning() {
    FProviders.clear();
    FModules.clear();
}

void TUnitVersioning::Add(HMODULE instance, PUnitVersionInfo info) {
    for (const auto& module : FModules) {
        if (module->Instance() == instance) {
            if (module->IndexOf(info) < 0)
                module->Add(info);
            return;
        }
    }
    FModules.push_back(std::make_unique<TUnitVersioningModule>(instance));
    FModules.back()->Add(info);
}

void TUnitVersioning::UnregisterModule(HMODULE instance) {
    const auto last = std::find_if(FModules.rbegin(), FModules.rend(),
                                   [instance](const auto& m) { return m->Instance() == instance; });
    if (last != FModules.rend())
        FModules.erase(std::next(last).base());
    for (const auto& provider : FProviders)
        provider->ReleaseModuleUnitVersioningInfo(instance);
}

void TUnitVersioning::ValidateModules() {
    std::erase_if(FModules,
                  [](const auto& module) { return ModuleFileName(module->Instance()).isEmpty(); });
}

int TUnitVersioning::ModuleCount() {
    ValidateModules();
    return static_cast<int>(FModules.size());
}

int TUnitVersioning::Count() {
    ValidateModules();
    int count = 0;
    for (const auto& module : FModules)
        count += module->Count();
    return count;
}

const TUnitVersion& TUnitVersioning::Items(int index) const {
    for (const auto& module : FModules) {
        if (index >= 0 && index < module->Count())
            return module->Items(index);
        index -= module->Count();
    }
    throw std::out_of_range("unit version index");
}

int TUnitVersioning::IndexOf(const QString& rcsFile, const QString& logPath) const {
    int offset = 0;
    for (const auto& module : FModules) {
        const int index = module->IndexOf(rcsFile, logPath);
        if (index >= 0)
            return offset + index;
        offset += module->Count();
    }
    return -1;
}

const TUnitVersion* TUnitVersioning::FindUnit(const QString& rcsFile,
                                              const QString& logPath) const {
    for (const auto& module : FModules) {
        if (const TUnitVersion* unit = module->FindUnit(rcsFile, logPath))
            return unit;
    }
    return nullptr;
}

void TUnitVersioning::LoadModuleUnitVersioningInfo(HMODULE instance) {
    for (const auto& provider : FProviders)
        provider->LoadModuleUnitVersioningInfo(instance);
}
