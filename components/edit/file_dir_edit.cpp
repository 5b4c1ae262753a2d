#include "components/edit/file_dir_edit.h"

#include "components/edit/auto_complete_source.h"
#include "components/edit/combo_edit_error.h"
#include "components/edit/file_name_rules.h"
#include "components/edit/recent_files.h"
#include "components/util/file_names.h"
#include "platform/ui/ui_host.h"
#include "util/file_utils.h"

#include <QAbstractFileIconProvider>
#include <QCompleter>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QMimeData>
#include <QStringListModel>
#include <QUrl>

namespace {

QStringList droppedFiles(const QMimeData* data) {
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    const QList<QUrl> urls = data->urls();
    for (const QUrl& url : urls) {
        if (url.isLocalFile())
            names << url.toLocalFile();
    }
    return names;
}

// What completion lists of the file system: folders only, or every entry.
QDir::Filters fileSystemFilter(unsigned fileOptions) {
    return (fileOptions & acfFileSysDirs ? QDir::AllDirs : QDir::AllEntries) |
           QDir::NoDotAndDotDot | QDir::Hidden;
}

// path with its last entry named as lookUp finds it; path itself when nothing is found.
QString withEntryName(const QString& path, QString (*lookUp)(const QString&)) {
    const QString entry = lookUp(path);
    if (entry.isEmpty())
        return path;
    const QString folder = QFileInfo(QDir::cleanPath(path)).path();
    const bool bare = folder == QLatin1String(".") && !path.startsWith(QLatin1String("./"));
    QString result = bare ? entry : QDir(folder).filePath(entry);
    if (path.endsWith(QLatin1Char('/')) && !result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result;
}

// The completion list shows names alone; an icon for each entry asks the desktop's icon theme,
// which reads the theme's folders and costs more at start than the rest of the window's edits.
class NoFileIcons : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType) const override { return {}; }
    QIcon icon(const QFileInfo&) const override { return {}; }
};

// Enough for any folder one would pick a name from by typing.
constexpr int MaxListedEntries = 2000;

// The entries of folder as names to complete (folders with a trailing slash).
QStringList folderEntries(const QString& folder, unsigned fileOptions) {
    QStringList names;
    if (folder.isEmpty())
        return names;
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(fileSystemFilter(fileOptions), QDir::Name);
    for (const QFileInfo& entry : entries) {
        if (names.size() == MaxListedEntries)
            break;
        names << dir.filePath(entry.fileName()) + (entry.isDir() ? QStringLiteral("/") : QString());
    }
    return names;
}

} // namespace

TWkFileDirEdit::TWkFileDirEdit(QWidget* parent) : TWkCustomComboEdit(parent) {
    SetAcceptFiles(true);
    SetAlwaysEnableButton(true);
    SetAlwaysShowPopup(true);
    SetAutoCompleteOptions(acoAutoSuggest);
    SetImageKind(ikDefault);
}

void TWkFileDirEdit::SetAutoCompleteFileOptions(unsigned value) {
    if (value == FAutoCompleteFileOptions)
        return;
    FAutoCompleteFileOptions = value;
    ApplyAutoCompleteOptions();
}

bool TWkFileDirEdit::wantsFileSystem() const {
    return FAutoCompleteFileOptions & (acfFileSystem | acfFileSysDirs);
}

TWkFileDirEdit::SourceKind TWkFileDirEdit::wantedSource() const {
    if (FAutoCompleteFileOptions & acfURLMRU)
        return SourceKind::Listed;
    return wantsFileSystem() && FEntered ? SourceKind::FileSystem : SourceKind::Empty;
}

QStringList TWkFileDirEdit::listedNames() {
    FListedFolder = wantsFileSystem() ? FileDirectoryPart(text()) : QString();
    return FRecentFiles + folderEntries(FListedFolder, FAutoCompleteFileOptions);
}

QAbstractItemModel* TWkFileDirEdit::makeFileSystemSource() const {
    static NoFileIcons noIcons;
    auto* files = new QFileSystemModel;
    files->setIconProvider(&noIcons);
    files->setFilter(fileSystemFilter(FAutoCompleteFileOptions));
    files->setRootPath(QString());
    return files;
}

// Without a list there is nothing to complete from.
QAbstractItemModel* TWkFileDirEdit::MakeAutoCompleteSource() {
    switch (wantedSource()) {
    case SourceKind::FileSystem:
        return makeFileSystemSource();
    case SourceKind::Listed:
        return new TAutoCompleteSource(listedNames());
    case SourceKind::Empty:
        break;
    }
    return new QStringListModel;
}

void TWkFileDirEdit::ApplyAutoCompleteOptions() {
    QCompleter* completer = AutoComplete();
    if (!completer)
        return;
    FRecentFiles = FAutoCompleteFileOptions & acfURLMRU ? ReadRecentlyUsed(RecentlyUsedFilePath())
                                                        : QStringList();
    auto* files = qobject_cast<QFileSystemModel*>(completer->model());
    auto* listed = dynamic_cast<TAutoCompleteSource*>(completer->model());
    const SourceKind held = files    ? SourceKind::FileSystem
                            : listed ? SourceKind::Listed
                                     : SourceKind::Empty;
    if (held != wantedSource()) {
        // The completer deletes the model it parents when given another.
        QAbstractItemModel* source = MakeAutoCompleteSource();
        source->setParent(completer);
        completer->setModel(source);
    } else if (files) {
        files->setFilter(fileSystemFilter(FAutoCompleteFileOptions));
    } else if (listed) {
        listed->SetItems(listedNames());
    }
    TWkCustomComboEdit::ApplyAutoCompleteOptions();
}

// The completer lists a folder only once the model has read it; reading starts when the model
// is asked for the folder. A plain list takes the entries of a newly typed folder.
void TWkFileDirEdit::loadTypedFolder() {
    if (!AutoComplete())
        return;
    const QString folder = FileDirectoryPart(text());
    if (auto* files = qobject_cast<QFileSystemModel*>(AutoComplete()->model())) {
        if (!folder.isEmpty())
            files->index(folder);
    } else if (auto* listed = dynamic_cast<TAutoCompleteSource*>(AutoComplete()->model())) {
        if (wantsFileSystem() && folder != FListedFolder)
            listed->SetItems(listedNames());
    }
}

QString TWkFileDirEdit::GetLongFormName() const {
    return withEntryName(FormName(), GetLongFileName);
}

QString TWkFileDirEdit::GetShortFormName() const {
    return withEntryName(FormName(), GetShortFileName);
}

QString TWkFileDirEdit::GetDisplayFormName() const {
    return PathToDisplayPath(FormName());
}

void TWkFileDirEdit::DoBeforeDialog(QString& name, bool& action) {
    if (OnBeforeDialog)
        OnBeforeDialog(this, name, action);
}

void TWkFileDirEdit::DoAfterDialog(QString& name, bool& action) {
    if (OnAfterDialog)
        OnAfterDialog(this, name, action);
}

// A name holds one line: what follows a line break (a pasted second line) is dropped.
void TWkFileDirEdit::Change() {
    const QString current = text();
    qsizetype cut = current.indexOf(QLatin1Char('\n'));
    if (cut < 0)
        cut = current.indexOf(QLatin1Char('\r'));
    if (cut >= 0) {
        setText(current.left(cut));
        return;
    }
    loadTypedFolder();
    TWkCustomComboEdit::Change();
}

void TWkFileDirEdit::focusInEvent(QFocusEvent* event) {
    if (!FEntered) {
        FEntered = true;
        if (wantsFileSystem()) {
            ApplyAutoCompleteOptions();
            loadTypedFolder();
        }
    }
    TWkCustomComboEdit::focusInEvent(event);
}

void TWkFileDirEdit::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    TWkCustomComboEdit::dragEnterEvent(event);
}

void TWkFileDirEdit::dragMoveEvent(QDragMoveEvent* event) {
    if (!droppedFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
        return;
    }
    TWkCustomComboEdit::dragMoveEvent(event);
}

// A refused name is told to the user here: nothing may leave an event handler.
void TWkFileDirEdit::dropEvent(QDropEvent* event) {
    const QStringList names = droppedFiles(event->mimeData());
    if (names.isEmpty()) {
        TWkCustomComboEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    ClearDialogFiles();
    try {
        for (const QString& name : names) {
            ReceiveDroppedName(name);
            if (!FMultipleDirs)
                break;
        }
    } catch (const EComboEditError& error) {
        uiHost().messageBox(error.Message(), window()->windowTitle(), MB_OK | MB_ICONERROR);
    }
    FireNotifyEvent(OnDropFiles, this);
}
