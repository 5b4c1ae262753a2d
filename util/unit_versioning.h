#pragma once
// The version records of the units in each loaded module, and the providers that could add
// records of other modules.

#include "platform/win32/types.h"
#include "util/unit_version.h"

#include <QString>
#include <memory>
#include <typeinfo>
#include <vector>

class TUnitVersioningModule {
public:
    explicit TUnitVersioningModule(HMODULE instance) : FInstance(instance) {}

    HMODULE Instance() const { return FInstance; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises std::out_of_range for an index outside 0 .. Count - 1.
    const TUnitVersion& Items(int index) const { return FItems.at(index); }

    void Add(PUnitVersionInfo info) { FItems.emplace_back(info); }
    // The index of the item that holds this very record, or -1.
    int IndexOf(PUnitVersionInfo info) const;
    // The first item whose RCSfile equals rcsFile and whose LogPath equals logPath (both
    // without regard to case; logPath "*" matches any), or -1.
    int IndexOf(const QString& rcsFile, const QString& logPath) const;
    // That item, or null.
    const TUnitVersion* FindUnit(const QString& rcsFile, const QString& logPath) const;

private:
    HMODULE FInstance;
    std::vector<TUnitVersion> FItems;
};

class TCustomUnitVersioningProvider {
public:
    virtual ~TCustomUnitVersioningProvider() = default;
    virtual void LoadModuleUnitVersioningInfo(HMODULE instance);
    virtual void ReleaseModuleUnitVersioningInfo(HMODULE instance);
};

class TUnitVersioning {
public:
    TUnitVersioning() = default;
    virtual ~TUnitVersioning();
    TUnitVersioning(const TUnitVersioning&) = delete;
    TUnitVersioning& operator=(const TUnitVersioning&) = delete;

    // Adds the record to the module's entry (made when missing) unless it holds that very
    // record already. Virtual so that every module reaches the code of the registry's maker.
    virtual void Add(HMODULE instance, PUnitVersionInfo info);
    // Drops the last entry of the module and lets every provider release what it loaded.
    virtual void UnregisterModule(HMODULE instance);

    // Both first drop the entries of modules that are no longer loaded.
    int ModuleCount();
    int Count();
    // Raise std::out_of_range for an index outside the counts.
    const TUnitVersioningModule& Modules(int index) const { return *FModules.at(index); }
    const TUnitVersion& Items(int index) const;
    // Index over the items of all modules in order, or -1.
    int IndexOf(const QString& rcsFile, const QString& logPath) const;
    const TUnitVersion* FindUnit(const QString& rcsFile, const QString& logPath) const;

    // Keeps one provider of class Provider.
    template <typename Provider> void RegisterProvider() {
        for (const auto& provider : FProviders) {
            if (typeid(*provider) == typeid(Provider))
                return;
        }
        FProviders.push_back(std::make_unique<Provider>());
    }
    void LoadModuleUnitVersioningInfo(HMODULE instance);

private:
    void ValidateModules();

    std::vector<std::unique_ptr<TUnitVersioningModule>> FModules;
    std::vector<std::unique_ptr<TCustomUnitVersioningProvider>> FProviders;
};
