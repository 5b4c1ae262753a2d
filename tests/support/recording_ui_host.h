#pragma once
// A UI host for tests: records every call as one line of an ordered log and answers from
// queues the test fills (default answers when a queue is empty). Nothing blocks or waits.

#include "platform/ui/ui_host.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

class RecordingUiHost final : public UiHost {
public:
    QStringList log;

    std::deque<int> messageBoxAnswers;               // default IDOK, or IDYES for MB_YESNO
    std::deque<std::optional<QString>> inputAnswers; // default: cancelled
    std::deque<std::optional<QString>> fileAnswers;  // default: cancelled
    // Taken before fileAnswers; a name of fileAnswers keeps the request's filter index.
    std::deque<std::optional<FileDialogAnswer>> fileDialogAnswers;
    std::vector<FileDialogRequest> fileRequests; // every file dialog asked for, in order
    std::deque<std::optional<ColorDialogAnswer>> colorAnswers; // default: cancelled
    std::vector<ColorDialogRequest> colorRequests;             // every colour dialog, in order
    bool shellResult = true;
    int dialogResult = 0; // QDialog::Rejected
    // Runs inside sleep(), so a test can act "while" the program waits.
    std::function<void(unsigned)> onSleep;
    // Runs inside messageBox(), before the answer, so a test can act while a box is open.
    std::function<void(const QString&)> onMessageBox;

    int messageBox(const QString& text, const QString& caption, unsigned flags) override;
    void showMessage(const QString& text) override;
    bool inputQuery(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<FileDialogAnswer> fileDialog(FileDialogMode mode,
                                               const FileDialogRequest& request) override;
    int execDialog(QDialog& dialog) override;
    std::optional<ColorDialogAnswer> colorDialog(const ColorDialogRequest& request) override;
    void sleep(unsigned ms) override;
    void reportException(const QString& message) override;
    bool shellOpen(const QString& target, const QStringList& arguments,
                   const QString& workingDir) override;

    // Log lines that start with prefix, in order.
    QStringList entries(const QString& prefix) const;

private:
    std::optional<FileDialogAnswer> takeFileAnswer(const FileDialogRequest& request);
};
