#pragma once
// The device path and device-setup registry properties of one HID interface, read once when
// the scan finds it and carried into the device object, which owns it.

#include "platform/setupapi/setupapi.h"
#include "platform/win32/types.h"

#include <QString>
#include <QStringList>

class TWkHidPnPInfo {
public:
    // Reads every property through the bound device-setup library. A property that cannot be
    // read is empty or 0; construction never fails.
    TWkHidPnPInfo(HDEVINFO pnpHandle, const SP_DEVINFO_DATA& devData, const QString& devicePath);

    DWORD DeviceID() const { return deviceId; }
    const QString& DevicePath() const { return devicePath; }

    DWORD Capabilities() const { return capabilities; }
    const QString& ClassDescr() const { return classDescr; }
    const QString& ClassGUID() const { return classGuid; }
    const QStringList& CompatibleIDs() const { return compatibleIds; }
    DWORD ConfigFlags() const { return configFlags; }
    const QString& DeviceDescr() const { return deviceDescr; }
    const QString& Driver() const { return driver; }
    const QString& FriendlyName() const { return friendlyName; }
    const QStringList& HardwareID() const { return hardwareId; }
    const QStringList& LowerFilters() const { return lowerFilters; }
    const QString& Mfg() const { return mfg; }
    const QStringList& UpperFilters() const { return upperFilters; }
    const QString& Service() const { return service; }
    const QString& Address() const { return address; }
    DWORD BusNumber() const { return busNumber; }
    const QString& BusType() const { return busType; }
    const QString& Characteristics() const { return characteristics; }
    DWORD DevType() const { return devType; }
    const QString& EnumeratorName() const { return enumeratorName; }
    DWORD Exclusive() const { return exclusive; }
    DWORD LegacyBusType() const { return legacyBusType; }
    const QString& LocationInfo() const { return locationInfo; }
    const QString& PhysDevObjName() const { return physDevObjName; }
    const QString& SecuritySDS() const { return securitySds; }
    DWORD UINumber() const { return uiNumber; }
    const QString& UINumberFormat() const { return uiNumberFormat; }

private:
    DWORD deviceId;
    QString devicePath;
    DWORD capabilities = 0;
    QString classDescr;
    QString classGuid;
    QStringList compatibleIds;
    DWORD configFlags = 0;
    QString deviceDescr;
    QString driver;
    QString friendlyName;
    QStringList hardwareId;
    QStringList lowerFilters;
    QString mfg;
    QStringList upperFilters;
    QString service;
    QString address;
    DWORD busNumber = 0;
    QString busType;
    QString characteristics;
    DWORD devType = 0;
    QString enumeratorName;
    DWORD exclusive = 0;
    DWORD legacyBusType = 0;
    QString locationInfo;
    QString physDevObjName;
    QString securitySds;
    DWORD uiNumber = 0;
    QString uiNumberFormat;
};
