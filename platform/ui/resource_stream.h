#pragma once
// A module's resources, read as streams. A module's resources are Qt resources: resource NAME
// of kind TYPE in module MODULE is the file ":/MODULE/TYPE/NAME" (":/TYPE/NAME" for the
// program's own module, ""); a numbered resource is named by its decimal number.

#include <QFile>
#include <QString>
#include <stdexcept>

// Raised when a module has no resource of that name and kind.
class EResNotFound : public std::runtime_error {
public:
    explicit EResNotFound(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& Message() const { return text; }

private:
    QString text;
};

// The resource opened for reading from its start; raises EResNotFound "Resource NAME not
// found" when there is none.
class TResourceStream : public QFile {
public:
    TResourceStream(const QString& module, const QString& name, const QString& type);
    TResourceStream(const QString& module, int id, const QString& type);

    // Where the resource of that name and kind lives in Qt's resource system.
    static QString PathOf(const QString& module, const QString& name, const QString& type);
};
