#include "components/edit/file_name_edit.h"

#include "components/draw/themed_background.h"
#include "components/edit/combo_edit_error.h"
#include "components/edit/edit_glyphs.h"
#include "components/edit/file_name_rules.h"
#include "components/util/file_names.h"
#include "platform/ui/image_list.h"
#include "platform/ui/ui_host.h"
#include "util/file_utils.h"

#include <QDir>
#include <QPainter>

namespace {

// The browse face: a folder, drawn flatter for themes than for the classic look.
QImage folderGlyph(bool themed) {
    QImage pixels(14, 12, QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    QPainter painter(&pixels);
    const QColor outline = themed ? QColor(0x9C, 0x7A, 0x2C) : QColor(Qt::black);
    const QColor body = themed ? QColor(0xF2, 0xC9, 0x5C) : QColor(0xFF, 0xFF, 0x00);
    painter.setPen(outline);
    painter.setBrush(body);
    painter.drawRect(0, 3, 12, 7);
    painter.drawRect(1, 1, 4, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.lighter(115));
    painter.drawRect(1, 4, 11, 2);
    return pixels;
}

int& cachedGlyphIndex(bool themed) {
    static int themedIndex = -1;
    static int classicIndex = -1;
    return themed ? themedIndex : classicIndex;
}

} // namespace

TWkFilenameEdit::TWkFilenameEdit(QWidget* parent) : TWkFileDirEdit(parent) {
    SetAutoCompleteFileOptions(acfFileSystem);
    UpdateButtonFace();
}

int TWkFilenameEdit::DefaultImageIndex() const {
    const bool themed = ThemesEnabled();
    int& index = cachedGlyphIndex(themed);
    if (index == -1)
        index = DefaultEditImages().AddImage(folderGlyph(themed));
    return index;
}

QString TWkFilenameEdit::FileName() const {
    return ResolveFileName(showsDisplayForm() ? FPhysicalFileName : text(), FAddQuotes);
}

void TWkFilenameEdit::SetFileName(const QString& value) {
    // The name itself is checked too: the first token alone would let a NUL past.
    const bool valid =
        IsValidFileName(value) && IsValidFileName(ResolveFileName(value, FAddQuotes));
    if (!value.isEmpty() && !valid)
        throw EComboEditError(QStringLiteral("Invalid file name - %1").arg(value));
    const QString shown = FAddQuotes ? QuoteFileName(value) : value;
    setText(showsDisplayForm() ? PathToDisplayPath(shown) : shown);
    FPhysicalFileName = shown;
    ClearDialogFiles();
}

void TWkFilenameEdit::SetDisplayLocalizedName(bool value) {
    if (value == FDisplayLocalizedName)
        return;
    if (showsDisplayForm())
        setText(FPhysicalFileName);
    FDisplayLocalizedName = value;
    if (showsDisplayForm())
        showDisplayForm();
}

void TWkFilenameEdit::showDisplayForm() {
    const QString physical = text();
    FPhysicalFileName = physical;
    setText(GetDisplayFormName());
    FPhysicalFileName = physical;
}

void TWkFilenameEdit::Change() {
    TWkFileDirEdit::Change();
    FPhysicalFileName = text();
}

void TWkFilenameEdit::DoEnter() {
    if (text() != FPhysicalFileName)
        setText(FPhysicalFileName);
    TWkFileDirEdit::DoEnter();
}

void TWkFilenameEdit::DoExit() {
    TWkFileDirEdit::DoExit();
    if (FDisplayLocalizedName)
        showDisplayForm();
}

void TWkFilenameEdit::SetDialogOptions(unsigned value) {
    FDialog.Options = value;
    SetMultipleDirs(value & ofAllowMultiSelect);
    if (!(value & ofAllowMultiSelect))
        ClearDialogFiles();
}

void TWkFilenameEdit::ReceiveDroppedName(const QString& name) {
    if (!MultipleDirs()) {
        SetFileName(name);
        return;
    }
    if (FDialog.Files.isEmpty())
        SetFileName(name);
    FDialog.Files << name;
}

// What the dialog starts with; a name it cannot start from is cleared.
FileDialogRequest TWkFilenameEdit::dialogRequest(QString& name) {
    FileDialogRequest request;
    if (IsValidFileName(name)) {
        const QString folder = FileDirectoryPart(name);
        const QString file = FileNamePart(name);
        if (!folder.isEmpty() && QDir(folder).exists())
            FDialog.InitialDir = folder;
        if (file.isEmpty() || !IsValidFileName(file))
            name.clear();
        FDialog.FileName = name;
        // The dialog opens in InitialDir; it is given the bare name when that is its folder.
        request.fileName = folder == FDialog.InitialDir ? FileNamePart(name) : name;
    }
    request.title = FDialog.Title;
    request.filter = FDialog.Filter;
    request.filterIndex = FDialog.FilterIndex;
    request.defaultExtension = FDialog.DefaultExt;
    request.initialDir = FDialog.InitialDir;
    request.history = FDialog.HistoryList;
    request.multiSelect = (FDialog.Options & ofAllowMultiSelect) != 0;
    return request;
}

void TWkFilenameEdit::ShowPopup(bool) {
    QString name = FileName();
    bool action = true;
    DoBeforeDialog(name, action);
    if (!action)
        return;
    const bool save = FDialogKind == dkSave || FDialogKind == dkSavePicture;
    FileDialogRequest request = dialogRequest(name);
    FDialog.HelpContext = HelpContext();
    request.multiSelect = request.multiSelect && !save;
    const std::optional<FileDialogAnswer> chosen =
        uiHost().fileDialog(save ? FileDialogMode::Save : FileDialogMode::Open, request);
    action = chosen && !chosen->files.isEmpty();
    if (action) {
        name = chosen->files.front();
        FDialog.FileName = name;
        FDialog.Files = chosen->files;
        FDialog.FilterIndex = chosen->filterIndex;
    }
    if (isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus();
    DoAfterDialog(name, action);
    if (!action)
        return;
    setText(FAddQuotes ? QuoteFileName(name) : name);
    FDialog.InitialDir = FileDirectoryPart(FDialog.FileName);
}
