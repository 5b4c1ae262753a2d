#pragma once
// A field for one file name: the button browses for it through the UI host's file dialog with
// the edit's filter, a dropped file lands in it, and names holding a blank are shown quoted.

#include "components/edit/file_dir_edit.h"

#include <QStringList>

enum TFileDialogKind { dkOpen, dkSave, dkOpenPicture, dkSavePicture };

// The dialog's options the edit uses.
enum TOpenOption : unsigned { ofHideReadOnly = 1, ofAllowMultiSelect = 2 };

// What the dialog starts with and what it chose last.
struct TFileDialogSettings {
    QString Title = QStringLiteral("Browse");
    QString Filter = QStringLiteral("All files (*.*)|*.*");
    int FilterIndex = 1;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
    QStringList Files;
    unsigned Options = ofHideReadOnly;
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
    TFileDialogKind DialogKind() const { return FDialogKind; }
    void SetDialogKind(TFileDialogKind value) { FDialogKind = value; }
    const TFileDialogSettings& Dialog() const { return FDialog; }
    QString DialogTitle() const { return FDialog.Title; }
    void SetDialogTitle(const QString& value) { FDialog.Title = value; }
    // "Description|*.ext|..." pairs.
    QString Filter() const { return FDialog.Filter; }
    void SetFilter(const QString& value) { FDialog.Filter = value; }
    QString DefaultExt() const { return FDialog.DefaultExt; }
    void SetDefaultExt(const QString& value) { FDialog.DefaultExt = value; }
    QString InitialDir() const { return FDialog.InitialDir; }
    void SetInitialDir(const QString& value) { FDialog.InitialDir = value; }
    unsigned DialogOptions() const { return FDialog.Options; }
    // ofAllowMultiSelect lets a drop deliver several names into DialogFiles.
    void SetDialogOptions(unsigned value);
    const QStringList& DialogFiles() const { return FDialog.Files; }

    int DefaultImageIndex() const override;

protected:
    // The browse dialog instead of a popup.
    void ShowPopup(bool readOnlyWhileOpen) override;
    void ReceiveDroppedName(const QString& name) override;
    void ClearDialogFiles() override { FDialog.Files.clear(); }

private:
    TFileDialogSettings FDialog;
    TFileDialogKind FDialogKind = dkOpen;
    bool FAddQuotes = true;
};
