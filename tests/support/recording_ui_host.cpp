#include "tests/support/recording_ui_host.h"

#include <QDialog>

int RecordingUiHost::messageBox(const QString& text, const QString& caption, unsigned flags) {
    log << QStringLiteral("messageBox: %1 | %2").arg(caption, text);
    if (onMessageBox)
        onMessageBox(text);
    if (!messageBoxAnswers.empty()) {
        const int answer = messageBoxAnswers.front();
        messageBoxAnswers.pop_front();
        return answer;
    }
    return (flags & 0xF) == MB_YESNO ? IDYES : IDOK;
}

void RecordingUiHost::showMessage(const QString& text) {
    log << QStringLiteral("showMessage: %1").arg(text);
    if (onMessageBox)
        onMessageBox(text);
}

bool RecordingUiHost::inputQuery(const QString& caption, const QString& prompt, QString& value) {
    log << QStringLiteral("inputQuery: %1 | %2 | %3").arg(caption, prompt, value);
    if (inputAnswers.empty() || !inputAnswers.front()) {
        if (!inputAnswers.empty())
            inputAnswers.pop_front();
        return false;
    }
    value = *inputAnswers.front();
    inputAnswers.pop_front();
    return true;
}

std::optional<FileDialogAnswer> RecordingUiHost::takeFileAnswer(const FileDialogRequest& request) {
    std::optional<FileDialogAnswer> answer;
    if (!fileDialogAnswers.empty()) {
        answer.swap(fileDialogAnswers.front());
        fileDialogAnswers.pop_front();
    } else if (!fileAnswers.empty()) {
        if (fileAnswers.front())
            answer = FileDialogAnswer{{*fileAnswers.front()}, request.filterIndex};
        fileAnswers.pop_front();
    }
    return answer;
}

std::optional<FileDialogAnswer> RecordingUiHost::fileDialog(FileDialogMode mode,
                                                            const FileDialogRequest& request) {
    const QString kind = mode == FileDialogMode::Save ? QStringLiteral("saveFileName")
                                                      : QStringLiteral("openFileName");
    log << QStringLiteral("%1: %2").arg(kind, request.filter);
    fileRequests.push_back(request);
    return takeFileAnswer(request);
}

int RecordingUiHost::execDialog(QDialog& dialog) {
    log << QStringLiteral("dialog: %1").arg(dialog.windowTitle());
    return dialogResult;
}

std::optional<ColorDialogAnswer> RecordingUiHost::colorDialog(const ColorDialogRequest& request) {
    log << QStringLiteral("colorDialog: %1").arg(request.color, 6, 16, QLatin1Char('0'));
    colorRequests.push_back(request);
    std::optional<ColorDialogAnswer> answer;
    if (!colorAnswers.empty()) {
        answer.swap(colorAnswers.front());
        colorAnswers.pop_front();
    }
    return answer;
}

void RecordingUiHost::sleep(unsigned ms) {
    log << QStringLiteral("sleep: %1").arg(ms);
    if (onSleep)
        onSleep(ms);
}

void RecordingUiHost::reportException(const QString& message) {
    log << QStringLiteral("exception: %1").arg(message);
}

bool RecordingUiHost::shellOpen(const QString& target, const QStringList& arguments,
                                const QString& workingDir) {
    log << QStringLiteral("shellOpen: %1 | %2 | %3")
               .arg(target, arguments.join(QLatin1Char(' ')), workingDir);
    return shellResult;
}

QStringList RecordingUiHost::entries(const QString& prefix) const {
    QStringList result;
    for (const QString& line : log) {
        if (line.startsWith(prefix))
            result << line;
    }
    return result;
}
