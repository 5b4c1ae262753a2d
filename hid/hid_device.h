#pragma once
// One HID interface found by the controller's scan. It keeps three handles (a synchronous one
// for feature reports and queries, an overlapped one each for reading and writing), its identity
// and its check-out state, and runs a reader thread while it is lent out with a data handler.
// Devices are made and freed by their controller; the application receives them from an
// enumeration or a check-out. No operation but construction throws: results are Booleans,
// empty values or HIDP status codes.

#include "hid/hid_events.h"
#include "hid/pnp_info.h"
#include "platform/hidclass/hidsdi.h"
#include "platform/hidparser/hidpi.h"
#include "platform/win32/last_error.h"
#include "platform/win32/types.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class TWkHidDeviceController;
class TWkHidDeviceReadThread;

enum TWkHidOpenExMode { omhRead, omhWrite };

using TWkPhysicalDescriptor = std::vector<WORD>;

class TWkHidDevice {
public:
    // Devices come only from a controller: this always throws EControllerError.
    TWkHidDevice();
    // A listed, plugged-in device leaves a fresh, checked-in device in its place (see the
    // controller); an unplugged one leaves the list.
    virtual ~TWkHidDevice();
    TWkHidDevice(const TWkHidDevice&) = delete;
    TWkHidDevice& operator=(const TWkHidDevice&) = delete;

    // Handles. Opening is refused unless the device is plugged in and lent out or being offered.
    bool OpenFile();
    void CloseFile();
    bool OpenFileEx(TWkHidOpenExMode mode);
    void CloseFileEx(TWkHidOpenExMode mode);

    // Transfers on the synchronous handle; byte 0 of report is the report id and counts in
    // size. False when the handle cannot be opened (the last error tells why).
    bool GetFeature(void* report, ULONG size);
    bool SetFeature(void* report, ULONG size);
    bool FlushQueue();
    bool GetInputReport(void* report, ULONG size);
    bool SetOutputReport(void* report, ULONG size);
    bool ReadFile(void* report, DWORD toRead, DWORD& bytesRead);
    bool WriteFile(const void* report, DWORD toWrite, DWORD& bytesWritten);
    bool DeviceIoControl(DWORD ioControlCode, void* inBuffer, DWORD inSize, void* outBuffer,
                         DWORD outSize, DWORD& bytesReturned);

    // Overlapped transfers; the completion routine runs in an alertable wait of the starting
    // thread. The device itself is put into the record's event member for the routine's use.
    bool ReadFileEx(void* report, DWORD toRead, LPOVERLAPPED_COMPLETION_ROUTINE callBack);
    bool WriteFileEx(const void* report, DWORD toWrite, LPOVERLAPPED_COMPLETION_ROUTINE callBack);
    // Bytes of the last completed overlapped transfer, 0 when none or the handle is closed.
    DWORD HidOverlappedReadResult();
    DWORD HidOverlappedWriteResult();
    bool CancelIO(TWkHidOpenExMode mode);

    // Keeps the device after an enumeration handler returns: true when it was lent out now.
    bool CheckOut();

    // Identity.
    HIDD_ATTRIBUTES Attributes() const { return attributes; }
    HIDP_CAPS Caps();
    PHIDP_PREPARSED_DATA PreparsedData();
    QString VendorName();
    QString ProductName();
    QString SerialNumber();
    const QStringList& LanguageStrings();
    const TWkPhysicalDescriptor& PhysicalDescriptor();
    const TWkHidPnPInfo& PnPInfo() const { return *pnpInfo; }
    HIDD_CONFIGURATION Configuration();
    void SetConfiguration(const HIDD_CONFIGURATION& configuration);

    // State.
    bool IsPluggedIn() const { return pluggedIn; }
    bool IsCheckedOut() const { return checkedOut; }
    bool HasReadWriteAccess() const { return hasReadWriteAccess; }
    // Why the last open of the synchronous handle for reading and writing failed (a Win32 code);
    // ERROR_SUCCESS when it did not.
    DWORD ReadWriteOpenError() const { return readWriteOpenError; }
    HANDLE HidFileHandle() const { return fileHandle; }
    HANDLE HidOverlappedRead() const;
    HANDLE HidOverlappedWrite() const { return overlappedWrite; }

    DWORD NumInputBuffers() const { return numInputBuffers; }
    void SetNumInputBuffers(DWORD count);
    DWORD NumOverlappedBuffers() const;
    void SetNumOverlappedBuffers(DWORD count);
    // Milliseconds the reader waits per pass; only 10 .. 10000 is accepted.
    int ThreadSleepTime() const { return threadSleepTime; }
    void SetThreadSleepTime(int milliseconds);
    LONG Tag() const { return tag; }
    void SetTag(LONG value) { tag = value; }

    // Parser parameters and list lengths (see hid_device_parser.cpp).
    HIDP_REPORT_TYPE ReportTypeParam() const { return reportTypeParam; }
    void SetReportTypeParam(HIDP_REPORT_TYPE value);
    USAGE UsagePageParam() const { return usagePageParam; }
    void SetUsagePageParam(USAGE value);
    USHORT LinkCollectionParam() const { return linkCollectionParam; }
    void SetLinkCollectionParam(USHORT value) { linkCollectionParam = value; }
    USAGE UsageParam() const { return usageParam; }
    void SetUsageParam(USAGE value) { usageParam = value; }
    ULONG MaxDataListLength() const { return maxDataListLength; }
    ULONG MaxUsageListLength() const { return maxUsageListLength; }
    ULONG MaxButtonListLength() const { return maxButtonListLength; }

    // Parser calls with the device's preparsed data and parameters; HIDP status results.
    NTSTATUS GetSpecificButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count);
    NTSTATUS GetButtonCaps(HIDP_BUTTON_CAPS* buttonCaps, USHORT& count);
    NTSTATUS GetSpecificValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count);
    NTSTATUS GetValueCaps(HIDP_VALUE_CAPS* valueCaps, USHORT& count);
    NTSTATUS GetData(HIDP_DATA* dataList, ULONG& dataLength, void* report, ULONG reportLength);
    NTSTATUS SetData(HIDP_DATA* dataList, ULONG& dataLength, void* report, ULONG reportLength);
    NTSTATUS GetUsages(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS GetButtons(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS GetUsagesEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                         ULONG reportLength);
    NTSTATUS GetButtonsEx(USAGE_AND_PAGE* usageList, ULONG& usageLength, void* report,
                          ULONG reportLength);
    NTSTATUS SetUsages(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS SetButtons(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS UnsetUsages(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS UnsetButtons(USAGE* usageList, ULONG& usageLength, void* report, ULONG reportLength);
    NTSTATUS GetUsageValue(ULONG& usageValue, void* report, ULONG reportLength);
    NTSTATUS GetScaledUsageValue(LONG& usageValue, void* report, ULONG reportLength);
    NTSTATUS GetUsageValueArray(void* usageValue, USHORT usageValueByteLength, void* report,
                                ULONG reportLength);
    NTSTATUS SetUsageValue(ULONG usageValue, void* report, ULONG reportLength);
    NTSTATUS SetScaledUsageValue(LONG usageValue, void* report, ULONG reportLength);
    NTSTATUS SetUsageValueArray(void* usageValue, USHORT usageValueByteLength, void* report,
                                ULONG reportLength);
    NTSTATUS GetExtendedAttributes(HIDP_REPORT_TYPE reportType, USHORT dataIndex,
                                   HIDP_EXTENDED_ATTRIBUTES* attributes, ULONG& lengthAttributes);
    NTSTATUS InitializeReportForID(HIDP_REPORT_TYPE reportType, UCHAR reportId, void* report,
                                   ULONG reportLength);

    // Handlers. Setting OnData to nil stops the reader before returning; setting one starts it
    // when the device is lent out, plugged in and opened for reading and writing.
    const TWkHidDataEvent& OnData() const { return dataEvent; }
    void SetOnData(const TWkHidDataEvent& handler);
    const TWkHidDataErrorEvent& OnDataError() const { return dataErrorEvent; }
    void SetOnDataError(const TWkHidDataErrorEvent& handler) { dataErrorEvent = handler; }
    const TWkHidPlugEvent& OnUnplug() const { return unplugEvent; }
    void SetOnUnplug(const TWkHidPlugEvent& handler) { unplugEvent = handler; }

    bool HasReader() const { return dataThread != nullptr; }
    // Expires when the device is freed. Code that hands the device to a handler, which may pump
    // messages and so let the device go, looks at it before it touches the device again.
    std::weak_ptr<void> LifeToken() const { return life; }

private:
    friend class TWkHidDeviceController;

    struct FromPnPInfo {};
    // Made by the controller's scan. Throws EControllerError "Device cannot be opened" or
    // "Device cannot be identified"; the PnP information is freed then.
    TWkHidDevice(FromPnPInfo, std::unique_ptr<TWkHidPnPInfo> info,
                 TWkHidDeviceController* controller);

    bool IsOpenAllowed() const { return pluggedIn && (checkedOut || enumerated); }
    void SetEnumerated(bool value) { enumerated = value; }
    // Opens the synchronous handle read-write, else query-only, and applies the buffer count.
    bool OpenSynchronous();
    bool OpenOverlappedReadLocked();
    void FreePreparsedData();
    void CloseAll();
    void MarkUnplugged();
    void MarkCheckedOut();
    void StartReader();
    void StopReader();
    void DetachFromController() { controller = nullptr; }
    void ReplaceInController();
    // Refuses an operation on a device that may not be opened: the last error says why.
    bool Refuse() const;
    void UpdateListLengths();
    bool ParserReady();

    TWkHidDeviceController* controller = nullptr;
    std::atomic<bool> pluggedIn{true};
    std::atomic<bool> checkedOut{false};
    std::atomic<bool> enumerated{false};
    HANDLE fileHandle;
    HANDLE overlappedWrite;
    OVERLAPPED ovlWrite{};
    HIDD_ATTRIBUTES attributes{};
    std::unique_ptr<TWkHidPnPInfo> pnpInfo;
    QString vendorName;
    QString productName;
    QString serialNumber;
    TWkPhysicalDescriptor physicalDescriptor;
    PHIDP_PREPARSED_DATA preparsedData = nullptr;
    QStringList languageStrings;
    DWORD numInputBuffers = 0;
    std::atomic<int> threadSleepTime{100};
    ULONG maxDataListLength = 0;
    ULONG maxUsageListLength = 0;
    ULONG maxButtonListLength = 0;
    HIDP_REPORT_TYPE reportTypeParam = HidP_Input;
    USAGE usagePageParam = 0;
    USHORT linkCollectionParam = 0;
    USAGE usageParam = 0;
    TWkHidDataEvent dataEvent;
    TWkHidDataErrorEvent dataErrorEvent;
    TWkHidPlugEvent unplugEvent;
    bool hasReadWriteAccess = false;
    DWORD readWriteOpenError = ERROR_SUCCESS;
    std::unique_ptr<TWkHidDeviceReadThread> dataThread;
    LONG tag = 0;
    std::shared_ptr<void> life = std::make_shared<char>();

    // The overlapped read state is used by the reader thread while the UI thread may close it.
    mutable std::mutex overlappedReadLock;
    HANDLE overlappedRead;          // guarded by overlappedReadLock
    OVERLAPPED ovlRead{};           // guarded by overlappedReadLock
    DWORD numOverlappedBuffers = 0; // guarded by overlappedReadLock
};
