#pragma once
// Everything that would block, wait or leave the process goes through the UI host: message
// boxes, questions, input and file dialogs, sleeps, shell launches and the report of an
// exception that reached an event handler. The program uses the Qt host; tests install a
// recording host (tests/support) so nothing blocks and the calls can be checked in order.

#include "platform/ui/color.h"

#include <QString>
#include <QStringList>
#include <optional>

class QDialog;

// Message-box flags and answers, valued as on the original platform so callers can pass them on.
enum MessageBoxFlag : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};

enum MessageBoxAnswer : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

enum class FileDialogMode { Open, Save };

struct FileDialogRequest {
    QString title;
    QString filter;           // "Description|*.ext|Other|*.x"
    int filterIndex = 1;      // the pair of filter shown first, from 1
    QString defaultExtension; // without the dot
    QString initialDir;
    QString fileName;
    QStringList history;      // folders offered besides initialDir
    bool multiSelect = false; // an open dialog may choose several files
};

// What a file dialog chose.
struct FileDialogAnswer {
    QStringList files;   // full names; one unless the request allowed several
    int filterIndex = 1; // the pair of filter left selected, from 1
};

// The colour dialog's custom colours travel as lines "ColorA=bbggrr", "ColorB=..." (six hex
// digits of a $00BBGGRR value), one per slot.
QString CustomColorLine(int slot, TColor color);
// The value of slot's line in lines (the first one naming it); nothing when there is none or it
// is not hexadecimal.
std::optional<TColor> CustomColorOfSlot(const QStringList& lines, int slot);

struct ColorDialogRequest {
    TColor color = clBlack;
    QStringList customColors;
};

struct ColorDialogAnswer {
    TColor color = clBlack;
    QStringList customColors;
};

class UiHost {
public:
    virtual ~UiHost() = default;

    // A modal box with the given MB_* flags; returns the IDxxx of the pressed button.
    virtual int messageBox(const QString& text, const QString& caption, unsigned flags) = 0;
    // The plain information box of the framework (caption = application title).
    virtual void showMessage(const QString& text) = 0;
    // Asks for a line of text; false when cancelled, value unchanged then.
    virtual bool inputQuery(const QString& caption, const QString& prompt, QString& value) = 0;
    // The desktop's file dialog; nothing when cancelled.
    virtual std::optional<FileDialogAnswer> fileDialog(FileDialogMode mode,
                                                       const FileDialogRequest& request) = 0;
    // The first file the open or save dialog chose; nothing when cancelled.
    std::optional<QString> openFileName(const FileDialogRequest& request);
    std::optional<QString> saveFileName(const FileDialogRequest& request);
    // Runs a dialog of the program modally; returns its result code (QDialog::Accepted ...).
    virtual int execDialog(QDialog& dialog) = 0;
    // The desktop's colour dialog; nothing when cancelled.
    virtual std::optional<ColorDialogAnswer> colorDialog(const ColorDialogRequest& request) = 0;
    // Waits ms milliseconds while the event loop keeps running.
    virtual void sleep(unsigned ms) = 0;
    // Shows an exception that reached an event handler the way the framework's default report
    // does; the program goes on afterwards.
    virtual void reportException(const QString& message) = 0;
    // Opens a file, folder, program or address with the desktop's handler ("open" verb).
    // Returns false when nothing could be started.
    virtual bool shellOpen(const QString& target, const QStringList& arguments,
                           const QString& workingDir) = 0;
};

// The process's current host; the Qt host until another is installed.
UiHost& uiHost();

// Installs host for the lifetime of the guard and restores the previous one afterwards.
class ScopedUiHost {
public:
    explicit ScopedUiHost(UiHost& host);
    ~ScopedUiHost();
    ScopedUiHost(const ScopedUiHost&) = delete;
    ScopedUiHost& operator=(const ScopedUiHost&) = delete;

private:
    UiHost* previous;
};
