#pragma once
// The failure of a drawing object, or of an item a control's list refused, that the system
// could not make.

#include <QString>
#include <stdexcept>

class EOutOfResources : public std::runtime_error {
public:
    explicit EOutOfResources(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    const QString& Message() const { return text; }

private:
    QString text;
};

// Raises EOutOfResources "Out of system resources".
[[noreturn]] void RaiseOutOfResources();
