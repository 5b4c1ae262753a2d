#pragma once
// Names of named objects that belong to the running test process alone, so that two test runs
// at once, or tests run in parallel, never meet in one object.

#include <QString>
#include <string>
#include <unistd.h>

inline QString OwnObjectName(const QString& base) {
    return base + QLatin1Char('_') + QString::number(::getpid());
}

inline std::string OwnObjectName(const char* base) {
    return OwnObjectName(QString::fromUtf8(base)).toStdString();
}
