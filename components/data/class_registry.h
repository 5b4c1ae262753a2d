#pragma once
// The classes that stored item trees, extension lists and pictures may name, by class name,
// with the ancestry a reader checks before it makes one. Classes fall into class groups: a
// class belongs to the group of its nearest ancestor (or itself) that was grouped.

#include "components/data/streamable.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Makes an instance of a class for the object it is made for (the object an extension belongs
// to, the list an item is read into, the item a sub-list is made for); null when that object is
// not of a kind the class serves.
using TWkClassMaker = std::function<std::unique_ptr<TWkStreamable>(TWkStreamable& owner)>;

struct TWkRegisteredClass {
    QString name;
    // The class and its registered ancestors, nearest first.
    std::vector<QString> ancestry;
    // Empty for a class that is named here but made elsewhere (the picture classes).
    TWkClassMaker make = {};
};

// Registers the classes in the given order; a name already registered is kept as it is.
void RegisterClasses(const std::vector<TWkRegisteredClass>& classes);
void UnregisterClasses(const std::vector<QString>& names);
// The class of that name, or none.
std::optional<TWkRegisteredClass> FindClass(const QString& name);
// A new instance of the registered class made for owner; null for an unregistered class, a
// class without maker, or an owner the class does not serve.
std::unique_ptr<TWkStreamable> MakeClass(const QString& name, TWkStreamable& owner);
// True when the registered class name is ancestor or descends from it.
bool InheritsFrom(const QString& name, const QString& ancestor);
// Every registered name, in registration order.
std::vector<QString> RegisteredClassNames();

// Puts className and every class descending from it, registered now or later, into the group
// of groupClass (the group groupClass itself belongs to, or the one it names).
void GroupDescendentsWith(const QString& className, const QString& groupClass);

// The group of the classes that a form stream may hold beside the controls.
inline const QString ControlGroup = QStringLiteral("TControl");
// The group of a registered class: the class that names it, empty for the default group;
// none for an unregistered class.
std::optional<QString> ClassGroupOf(const QString& name);
