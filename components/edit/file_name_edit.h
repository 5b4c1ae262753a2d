#pragma once
// A field for one file name: the button browses for it through the UI host's file dialog with
// the edit's filter, a dropped file lands in it, and names holding a blank are shown quoted.
// With DisplayLocalizedName the edit shows the desktop's form of the name while it does not
// hold the focus, and the real name again when entered.

#include "components/edit/file_dir_edit.h"
#include "platform/ui/ui_host.h"

#include <QStringList>

enum TFileDialogKind { dkOpen, dkSave, dkOpenPicture, dkSavePicture };

// The dialog's options the edit uses.
enum TOpenOption : unsigned { ofHideReadOnly = 1, ofAllowMultiSelect = 2 };

// How the dialog's name field looks: an edit, or a combo box of earlier names. Qt's dialogs
// have one look; the choice is kept for whoever reads the settings.
enum TFileEditStyle { fsEdit, fsComboBox };

// What the dialog starts with and what it chose last.
struct TFileDialogSettings {
    QString Title = QStringLiteral("Browse");
    QString Filter = QStringLiteral("All files (*.*)|*.*");
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    QStringList Files;
    QStringList HistoryList;
    unsigned Options = ofHideReadOnly;
    TFileEditStyle FileEditStyle = fsEdit;
    // The edit's help topic, given for each run.
    int HelpContext = 0;
};

class TWkFilenameEdit : public TWkFileDirEdit {
public:
    explicit TWkFilenameEdit(QWidget* parent = nullptr);

    // The name the text stands for (see ResolveFileName).
    QString FileName() const;
    // Shows value (quoted when AddQuotes and it holds a blank). Raises EComboEditError
    // "Invalid file name - <value>" for a name the file system cannot take; nothing changes then.
    void SetFileName(const QString& value);

    bool AddQuotes() const { return FAddQuotes; }
    void SetAddQuotes(bool value) { FAddQuotes = value; }
    bool DisplayLocalizedName() const { return FDisplayLocalizedName; }
    void SetDisplayLocalizedName(bool value);
    // The text the edit stands for, also while it shows the display form instead.
    const QString& PhysicalFileName() const { return FPhysicalFileName; }
    TFileDialogKind DialogKind() const { return FDialogKind; }
    void SetDialogKind(TFileDialogKind value) { FDialogKind = value; }
    const TFileDialogSettings& Dialog() const { return FDialog; }
    QString DialogTitle() const { return FDialog.Title; }
    void SetDialogTitle(const QString& value) { FDialog.Title = value; }
    // "Description|*.ext|..." pairs.
    QString Filter() const { return FDialog.Filter; }
    void SetFilter(const QString& value) { FDialog.Filter = value; }
    // The pair of Filter the dialog shows first, from 1; the dialog leaves the one chosen.
    int FilterIndex() const { return FDialog.FilterIndex; }
    void SetFilterIndex(int value) { FDialog.FilterIndex = value; }
    // Folders the dialog offers besides InitialDir.
    QStringList HistoryList() const { return FDialog.HistoryList; }
    void SetHistoryList(const QStringList& value) { FDialog.HistoryList = value; }
    QString DefaultExt() const { return FDialog.DefaultExt; }
    void SetDefaultExt(const QString& value) { FDialog.DefaultExt = value; }
    QString InitialDir() const { return FDialog.InitialDir; }
    void SetInitialDir(const QString& value) { FDialog.InitialDir = value; }
    unsigned DialogOptions() const { return FDialog.Options; }
    // ofAllowMultiSelect lets the open dialog choose, and a drop deliver, several names: they
    // land in DialogFiles, the first also in the text.
    void SetDialogOptions(unsigned value);
    const QStringList& DialogFiles() const { return FDialog.Files; }
    TFileEditStyle FileEditStyle() const { return FDialog.FileEditStyle; }
    void SetFileEditStyle(TFileEditStyle value) { FDialog.FileEditStyle = value; }

    int DefaultImageIndex() const override;

protected:
    // The browse dialog instead of a popup.
    void ShowPopup(bool readOnlyWhileOpen) override;
    void ReceiveDroppedName(const QString& name) override;
    void ClearDialogFiles() override { FDialog.Files.clear(); }
    QString FormName() const override { return FileName(); }
    void Change() override;
    void DoEnter() override;
    void DoExit() override;

private:
    bool showsDisplayForm() const { return FDisplayLocalizedName && !hasFocus(); }
    // Shows the display form while keeping the text as the physical name.
    void showDisplayForm();
    FileDialogRequest dialogRequest(QString& name);

    TFileDialogSettings FDialog;
    QString FPhysicalFileName;
    TFileDialogKind FDialogKind = dkOpen;
    bool FAddQuotes = true;
    bool FDisplayLocalizedName = false;
};
