#pragma once
// The classes that stored item trees, extension lists and pictures may name, by class name,
// with the ancestry a reader checks before it makes one. Classes fall into class groups: a
// class belongs to the group of its nearest ancestor (or itself) that was grouped.

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

// Puts className and every class descending from it, registered now or later, into the group
// of groupClass (the group groupClass itself belongs to, or the one it names).
void GroupDescendentsWith(const QString& className, const QString& groupClass);

// The group of the classes that a form stream may hold beside the controls.
inline const QString ControlGroup = QStringLiteral("TControl");
// The group of a registered class: the class that names it, empty for the default group;
// none for an unregistered class.
std::optional<QString> ClassGroupOf(const QString& name);
