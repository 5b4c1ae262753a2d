#pragma once
// The UI host the program runs with: Qt's modal dialogs, an event-pumping sleep and
// QProcess/QDesktopServices for launches.

#include "platform/ui/ui_host.h"

class QtUiHost final : public UiHost {
public:
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
};
