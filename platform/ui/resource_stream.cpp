#include "platform/ui/resource_stream.h"

QString TResourceStream::PathOf(const QString& module, const QString& name, const QString& type) {
    const QString root = module.isEmpty() ? QStringLiteral(":") : QStringLiteral(":/") + module;
    return root + '/' + type + '/' + name;
}

TResourceStream::TResourceStream(const QString& module, const QString& name, const QString& type)
    : QFile(PathOf(module, name, type)) {
    // A resource is a file of its own: a name that would leave the module's folder is no name.
    if (name.isEmpty() || name.contains('/') || !open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
}

TResourceStream::TResourceStream(const QString& module, int id, const QString& type)
    : TResourceStream(module, QString::number(id), type) {}
