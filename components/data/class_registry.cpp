#include "components/data/class_registry.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex& registryLock() {
    static std::mutex lock;
    return lock;
}

std::vector<TWkRegisteredClass>& registry() {
    static std::vector<TWkRegisteredClass> classes;
    return classes;
}

const TWkRegisteredClass* find(const QString& name) {
    const auto& classes = registry();
    const auto at = std::find_if(classes.begin(), classes.end(),
                                 [&](const TWkRegisteredClass& c) { return c.name == name; });
    return at == classes.end() ? nullptr : &*at;
}

} // namespace

void RegisterClasses(const std::vector<TWkRegisteredClass>& classes) {
    const std::lock_guard guard(registryLock());
    for (const TWkRegisteredClass& c : classes) {
        if (find(c.name) == nullptr)
            registry().push_back(c);
    }
}

void UnregisterClasses(const std::vector<QString>& names) {
    const std::lock_guard guard(registryLock());
    auto& classes = registry();
    for (const QString& name : names)
        std::erase_if(classes, [&](const TWkRegisteredClass& c) { return c.name == name; });
}

std::optional<TWkRegisteredClass> FindClass(const QString& name) {
    const std::lock_guard guard(registryLock());
    const TWkRegisteredClass* c = find(name);
    return c != nullptr ? std::optional(*c) : std::nullopt;
}

bool InheritsFrom(const QString& name, const QString& ancestor) {
    const std::lock_guard guard(registryLock());
    const TWkRegisteredClass* c = find(name);
    if (c == nullptr)
        return false;
    return c->name == ancestor ||
           std::find(c->ancestry.begin(), c->ancestry.end(), ancestor) != c->ancestry.end();
}

std::vector<QString> RegisteredClassNames() {
    const std::lock_guard guard(registryLock());
    std::vector<QString> names;
    for (const TWkRegisteredClass& c : registry())
        names.push_back(c.name);
    return names;
}
