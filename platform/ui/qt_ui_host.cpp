#include "platform/ui/qt_ui_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QUrl>

namespace {

// "Text|*.a;*.b|Other|*.c" -> "Text (*.a *.b);;Other (*.c)"
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return result.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& name, const QString& extension) {
    if (name.isEmpty() || extension.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + QLatin1Char('.') + extension;
}

QString startPath(const FileDialogRequest& request) {
    if (request.fileName.isEmpty())
        return request.initialDir;
    if (request.initialDir.isEmpty())
        return request.fileName;
    return request.initialDir + QLatin1Char('/') + request.fileName;
}

QMessageBox::StandardButtons buttonsFor(unsigned flags) {
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(unsigned flags) {
    switch (flags & 0xF0) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerFor(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

// Unreadable lines leave their slot as it was.
void setCustomColors(const QStringList& lines) {
    for (int slot = 0; slot < QColorDialog::customCount(); ++slot) {
        if (const std::optional<TColor> color = CustomColorOfSlot(lines, slot))
            QColorDialog::setCustomColor(slot, ToQColor(*color));
    }
}

QStringList customColors() {
    QStringList lines;
    for (int slot = 0; slot < QColorDialog::customCount(); ++slot)
        lines << CustomColorLine(slot, FromQColor(QColorDialog::customColor(slot)));
    return lines;
}

} // namespace

int QtUiHost::messageBox(const QString& text, const QString& caption, unsigned flags) {
    QMessageBox box(iconFor(flags), caption, text, buttonsFor(flags), QApplication::activeWindow());
    return answerFor(box.exec());
}

void QtUiHost::showMessage(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool QtUiHost::inputQuery(const QString& caption, const QString& prompt, QString& value) {
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                                 QLineEdit::Normal, value, &ok);
    if (ok)
        value = answer;
    return ok;
}

std::optional<FileDialogAnswer> QtUiHost::fileDialog(FileDialogMode mode,
                                                     const FileDialogRequest& request) {
    const bool save = mode == FileDialogMode::Save;
    QFileDialog dialog(QApplication::activeWindow(), request.title, startPath(request),
                       qtFilter(request.filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save                  ? QFileDialog::AnyFile
                       : request.multiSelect ? QFileDialog::ExistingFiles
                                             : QFileDialog::ExistingFile);
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.history.isEmpty())
        dialog.setHistory(request.history);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileDialogAnswer answer;
    for (const QString& name : dialog.selectedFiles())
        answer.files << (save ? withDefaultExtension(name, request.defaultExtension) : name);
    const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
    answer.filterIndex = chosenFilter < 0 ? request.filterIndex : int(chosenFilter) + 1;
    return answer;
}

int QtUiHost::execDialog(QDialog& dialog) {
    return dialog.exec();
}

std::optional<ColorDialogAnswer> QtUiHost::colorDialog(const ColorDialogRequest& request) {
    setCustomColors(request.customColors);
    QColorDialog dialog(ToQColor(request.color), QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ColorDialogAnswer{FromQColor(dialog.currentColor()), customColors()};
}

void QtUiHost::sleep(unsigned ms) {
    // Device hand-overs and repaints go on while waiting, but a click must not start another
    // command in the middle of a timed device sequence.
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        QThread::msleep(std::min<qint64>(5, std::max<qint64>(0, deadline.remainingTime())));
    }
}

void QtUiHost::reportException(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
}

bool QtUiHost::shellOpen(const QString& target, const QStringList& arguments,
                         const QString& workingDir) {
    const QFileInfo info(target);
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(target, arguments, workingDir);
    if (!arguments.isEmpty())
        return false;
    const QUrl url =
        info.exists() ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl::fromUserInput(target);
    return QDesktopServices::openUrl(url);
}
