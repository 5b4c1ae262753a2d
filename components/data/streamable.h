#pragma once
// The base of the objects that a stored item tree holds (lists, items and their aspects): each
// class stores and reads its own published properties, so a class registered later streams as
// the framework's own classes do.

#include <QString>

class THackWriter;
class TWkPropertyReader;

class TWkStreamable {
public:
    virtual ~TWkStreamable() = default;

    // Writes each published property, its name and then its value.
    virtual void WriteProperties(THackWriter&) {}
    // Reads the value of the published property name. False, with the value left unread, when
    // the class publishes no property of that name.
    virtual bool ReadProperty(TWkPropertyReader&, const QString&) { return false; }
};
