#pragma once
// A version record of one library unit, and its texts as read from the version-control
// keywords they were written with ("$RCSfile: name,v $", "$Revision: 12 $", "$Date: ... $").

#include <QDateTime>
#include <QString>

struct TUnitVersionInfo {
    const char16_t* RCSfile; // null-terminated; null reads as empty
    const char16_t* Revision;
    const char16_t* Date;
    const char16_t* LogPath;
    const char16_t* Extra;
    void* Data;
};
using PUnitVersionInfo = const TUnitVersionInfo*;

class TUnitVersion {
public:
    // The record is not owned and must outlive this object.
    explicit TUnitVersion(PUnitVersionInfo info) : FInfo(info) {}

    // The bare source file name, from "$RCSfile: name,v $" or "$URL: .../name $"; empty when an
    // RCS file text has no comma.
    QString RCSfile() const;
    // The number of "$Revision: n $".
    QString Revision() const;
    // The text of "$Date: text $".
    QString Date() const;
    QString LogPath() const;
    QString Extra() const;
    void* Data() const { return FInfo->Data; }
    // Date() read as a date with an optional time, without a time zone (given as UTC); a null
    // QDateTime when the text does not parse.
    QDateTime DateTime() const;
    // LogPath, RCSfile, Revision and Date separated by tabs, then a tab and Extra when present.
    QString Summary() const;

    PUnitVersionInfo Info() const { return FInfo; }

private:
    PUnitVersionInfo FInfo;
};
