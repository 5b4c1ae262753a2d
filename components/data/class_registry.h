#pragma once
// The classes that stored item trees and extension lists may name, by class name, with the
// ancestry a reader checks before it makes one.

#include <QString>
#include <optional>
#include <vector>

struct TWkRegisteredClass {
    QString name;
    // The class and its registered ancestors, nearest first.
    std::vector<QString> ancestry;
};

// Registers the classes in the given order; a name already registered is kept as it is.
void RegisterClasses(const std::vector<TWkRegisteredClass>& classes);
void UnregisterClasses(const std::vector<QString>& names);
// The class of that name, or none.
std::optional<TWkRegisteredClass> FindClass(const QString& name);
// True when the registered class name is ancestor or descends from it.
bool InheritsFrom(const QString& name, const QString& ancestor);
// Every registered name, in registration order.
std::vector<QString> RegisteredClassNames();
