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
    HIDD_ATTRIBUTES Attributes() const { return FAttributes; }
    HIDP_CAPS Caps();
    PHIDP_PREPARSED_DATA PreparsedData();
    QString VendorName();
    QString ProductName();
    QString SerialNumber();
    const QStringList& LanguageStrings();
    const TWkPhysicalDescriptor& PhysicalDescriptor();
    const TWkHidPnPInfo& PnPInfo() const { return *FPnPInfo; }
    HIDD_CONFIGURATION Configuration();
    void SetConfiguration(const HIDD_CONFIGURATION& configuration);

    // State.
    bool IsPluggedIn() const { return FIsPluggedIn; }
    bool IsCheckedOut() const { return FIsCheckedOut; }
    bool HasReadWriteAccess() const { return FHasReadWriteAccess; }
    // Why the last open of the synchronous handle for reading and writing failed (a Win32 code);
    // ERROR_SUCCESS when it did not.
    DWORD ReadWriteOpenError() const { return readWriteOpenError; }
    HANDLE HidFileHandle() const { return FHidFileHandle; }
    HANDLE HidOverlappedRead() const;
    HANDLE HidOverlappedWrite() const { return FHidOverlappedWrite; }

    DWORD NumInputBuffers() const { return FNumInputBuffers; }
    void SetNumInputBuffers(DWORD count);
    DWORD NumOverlappedBuffers() const;
    void SetNumOverlappedBuffers(DWORD count);
    // Milliseconds the reader waits per pass; only 10 .. 10000 is accepted.
    int ThreadSleepTime() const { return FThreadSleepTime; }
    void SetThreadSleepTime(int milliseconds);
    LONG Tag() const { return FTag; }
    void SetTag(LONG value) { FTag = value; }

    // Parser parameters and list lengths (see hid_device_parser.cpp).
    HIDP_REPORT_TYPE ReportTypeParam() const { return FReportTypeParam; }
    void SetReportTypeParam(HIDP_REPORT_TYPE value);
    USAGE UsagePageParam() const { return FUsagePageParam; }
    void SetUsagePageParam(USAGE value);
    USHORT LinkCollectionParam() const { return FLinkCollectionParam; }
    void SetLinkCollectionParam(USHORT value) { FLinkCollectionParam = value; }
    USAGE UsageParam() const { return FUsageParam; }
    void SetUsageParam(USAGE value) { FUsageParam = value; }
    ULONG MaxDataListLength() const { return FMaxDataListLength; }
    ULONG MaxUsageListLength() const { return FMaxUsageListLength; }
    ULONG MaxButtonListLength() const { return FMaxButtonListLength; }

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
    const TWkHidDataEvent& OnData() const { return FData; }
    void SetOnData(const TWkHidDataEvent& handler);
    const TWkHidDataErrorEvent& OnDataError() const { return FDataError; }
    void SetOnDataError(const TWkHidDataErrorEvent& handler) { FDataError = handler; }
    const TWkHidPlugEvent& OnUnplug() const { return FUnplug; }
    void SetOnUnplug(const TWkHidPlugEvent& handler) { FUnplug = handler; }

    bool HasReader() const { return FDataThread != nullptr; }
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

    bool IsOpenAllowed() const { return FIsPluggedIn && (FIsCheckedOut || FIsEnumerated); }
    void SetEnumerated(bool value) { FIsEnumerated = value; }
    // Opens the synchronous handle read-write, else query-only, and applies the buffer count.
    bool OpenSynchronous();
    bool OpenOverlappedReadLocked();
    void FreePreparsedData();
    void CloseAll();
    void MarkUnplugged();
    void MarkCheckedOut();
    void StartReader();
    void StopReader();
    void DetachFromController() { FMyController = nullptr; }
    void ReplaceInController();
    // Refuses an operation on a device that may not be opened: the last error says why.
    bool Refuse() const;
    void UpdateListLengths();
    bool ParserReady();

    TWkHidDeviceController* FMyController = nullptr;
    std::atomic<bool> FIsPluggedIn{true};
    std::atomic<bool> FIsCheckedOut{false};
    std::atomic<bool> FIsEnumerated{false};
    HANDLE FHidFileHandle;
    HANDLE FHidOverlappedWrite;
    OVERLAPPED FOvlWrite{};
    HIDD_ATTRIBUTES FAttributes{};
    std::unique_ptr<TWkHidPnPInfo> FPnPInfo;
    QString FVendorName;
    QString FProductName;
    QString FSerialNumber;
    TWkPhysicalDescriptor FPhysicalDescriptor;
    PHIDP_PREPARSED_DATA FPreparsedData = nullptr;
    QStringList FLanguageStrings;
    DWORD FNumInputBuffers = 0;
    std::atomic<int> FThreadSleepTime{100};
    ULONG FMaxDataListLength = 0;
    ULONG FMaxUsageListLength = 0;
    ULONG FMaxButtonListLength = 0;
    HIDP_REPORT_TYPE FReportTypeParam = HidP_Input;
    USAGE FUsagePageParam = 0;
    USHORT FLinkCollectionParam = 0;
    USAGE FUsageParam = 0;
    TWkHidDataEvent FData;
    TWkHidDataErrorEvent FDataError;
    TWkHidPlugEvent FUnplug;
    bool FHasReadWriteAccess = false;
    DWORD readWriteOpenError = ERROR_SUCCESS;
    std::unique_ptr<TWkHidDeviceReadThread> FDataThread;
    LONG FTag = 0;
    std::shared_ptr<void> life = std::make_shared<char>();

    // The overlapped read state is used by the reader thread while the UI thread may close it.
    mutable std::mutex overlappedReadLock;
    HANDLE FHidOverlappedRead;       // guarded by overlappedReadLock
    OVERLAPPED FOvlRead{};           // guarded by overlappedReadLock
    DWORD FNumOverlappedBuffers = 0; // guarded by overlappedReadLock
};
