#include "components/data/class_registry.h"

#include <algorithm>
#include <map>
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

// Grouped class -> the class naming its group.
std::map<QString, QString>& groupings() {
    static std::map<QString, QString> groups;
    return groups;
}

// The group a class name (with its ancestry) falls into.
QString groupOf(const QString& name, const std::vector<QString>& ancestry) {
    const auto& groups = groupings();
    if (const auto at = groups.find(name); at != groups.end())
        return at->second;
    for (const QString& ancestor : ancestry) {
        if (const auto at = groups.find(ancestor); at != groups.end())
            return at->second;
    }
    return {};
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

std::unique_ptr<TWkStreamable> MakeClass(const QString& name, TWkStreamable& owner) {
    TWkClassMaker make;
    {
        const std::lock_guard guard(registryLock());
        const TWkRegisteredClass* c = find(name);
        if (c == nullptr || !c->make)
            return nullptr;
        make = c->make;
    }
    // Made outside the lock: a constructor may look classes up.
    return make(owner);
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

void GroupDescendentsWith(const QString& className, const QString& groupClass) {
    const std::lock_guard guard(registryLock());
    // A group class that is grouped itself lends its group.
    QString group = groupClass;
    if (const TWkRegisteredClass* named = find(groupClass))
        group = groupOf(named->name, named->ancestry);
    else if (const auto at = groupings().find(groupClass); at != groupings().end())
        group = at->second;
    if (group.isEmpty())
        group = groupClass;
    groupings()[className] = group;
}

std::optional<QString> ClassGroupOf(const QString& name) {
    const std::lock_guard guard(registryLock());
    const TWkRegisteredClass* c = find(name);
    if (c == nullptr)
        return std::nullopt;
    return groupOf(c->name, c->ancestry);
}
