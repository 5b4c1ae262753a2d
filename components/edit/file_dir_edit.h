#pragma once
// The combo edit as a field for file or folder names: files dropped from the desktop land in it,
// names complete from the file system, and a pasted text keeps only its first line.

#include "components/edit/combo_edit.h"

#include <functional>

// Which lists feed completion: the file system (every entry, or folders only) and the desktop's
// recently used files. Linux desktops keep no history of typed addresses: acfURLHistory adds
// nothing.
enum TWkAutoCompleteFileOption : unsigned {
    acfFileSystem = 1,
    acfFileSysDirs = 2,
    acfURLHistory = 4,
    acfURLMRU = 8,
};

// Before and after the dialog: the name it starts with or chose, and whether to go on.
using TExecOpenDialogEvent = std::function<void(QObject* sender, QString& name, bool& action)>;

class TWkFileDirEdit : public TWkCustomComboEdit {
public:
    explicit TWkFileDirEdit(QWidget* parent = nullptr);

    bool AcceptFiles() const { return acceptDrops(); }
    void SetAcceptFiles(bool value) { setAcceptDrops(value); }
    unsigned AutoCompleteFileOptions() const { return FAutoCompleteFileOptions; }
    void SetAutoCompleteFileOptions(unsigned value);
    // A drop (or the dialog) may deliver several names.
    bool MultipleDirs() const { return FMultipleDirs; }

    // The name the edit stands for with its entry's name as the file system keeps it (long or
    // short; Linux keeps one), its folder kept; the name itself when nothing of it exists.
    virtual QString GetLongFormName() const;
    virtual QString GetShortFormName() const;
    // The name as the desktop shows it.
    virtual QString GetDisplayFormName() const;

    TExecOpenDialogEvent OnBeforeDialog;
    TExecOpenDialogEvent OnAfterDialog;
    TNotifyEvent OnDropFiles;

protected:
    // The name the forms are made of: the text itself here.
    virtual QString FormName() const { return text(); }
    void SetMultipleDirs(bool value) { FMultipleDirs = value; }
    void DoBeforeDialog(QString& name, bool& action);
    void DoAfterDialog(QString& name, bool& action);
    // One dropped name; may raise EComboEditError.
    virtual void ReceiveDroppedName(const QString& name) = 0;
    virtual void ClearDialogFiles() {}

    QAbstractItemModel* MakeAutoCompleteSource() override;
    void ApplyAutoCompleteOptions() override;
    void Change() override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class SourceKind { Empty, FileSystem, Listed };

    bool wantsFileSystem() const;
    // The recent files make a plain list, to which the typed folder's entries are added.
    SourceKind wantedSource() const;
    QStringList listedNames();
    QAbstractItemModel* makeFileSystemSource() const;
    void loadTypedFolder();

    QStringList FRecentFiles;
    QString FListedFolder;

    unsigned FAutoCompleteFileOptions = 0;
    bool FMultipleDirs = false;
    // The file system model starts a thread of its own and watches folders: it is made once the
    // focus first comes to the edit, where typing completes.
    bool FEntered = false;
};
