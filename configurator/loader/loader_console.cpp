#include "configurator/loader/loader_console.h"

#include "platform/ui/ui_host.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <signal.h>
#include <unistd.h>

namespace {

// Loaders print progress a line at a time; a runaway one must not fill the memory.
constexpr int MaxOutputLines = 10000;

} // namespace

QRect CentredInside(const QSize& size, const QPoint& centre, const QRect& screen) {
    QRect place(QPoint(0, 0), size);
    place.moveCenter(centre);
    place.moveLeft(
        std::max(screen.left(), std::min(place.left(), screen.right() - size.width() + 1)));
    place.moveTop(
        std::max(screen.top(), std::min(place.top(), screen.bottom() - size.height() + 1)));
    return place;
}

LoaderConsole::LoaderConsole(QWidget* parent)
    : QWidget(parent, Qt::Window), FOutput(new QPlainTextEdit(this)), FProcess(new QProcess(this)) {
    setWindowTitle(QStringLiteral("Firmware loader"));
    resize(700, 400);
    FOutput->setReadOnly(true);
    FOutput->setMaximumBlockCount(MaxOutputLines);
    FOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(FOutput);

    FProcess->setProcessChannelMode(QProcess::MergedChannels);
    FProcess->setStandardInputFile(QProcess::nullDevice());
    // The loader runs in a process group of its own, so that stopping it stops the programs its
    // script started too.
    FProcess->setChildProcessModifier([] { setpgid(0, 0); });
    connect(FProcess, &QProcess::readyReadStandardOutput, this, &LoaderConsole::appendOutput);
    connect(FProcess, &QProcess::finished, this, &LoaderConsole::finished);
    connect(FProcess, &QProcess::errorOccurred, this, &LoaderConsole::failed);
}

// A loader left running when the program ends is stopped with it.
LoaderConsole::~LoaderConsole() {
    FProcess->disconnect(this);
    if (FProcess->state() != QProcess::NotRunning) {
        ::kill(-static_cast<pid_t>(FProcess->processId()), SIGKILL);
        FProcess->waitForFinished(1000);
    }
}

bool LoaderConsole::start(const QString& program, const QStringList& arguments,
                          const QString& workingDir) {
    if (running()) {
        uiHost().messageBox(QStringLiteral("The firmware loader is still running."), windowTitle(),
                            MB_OK | MB_ICONWARNING);
        show();
        raise();
        return false;
    }
    FOutput->clear();
    appendLine(QStringLiteral("$ %1 %2").arg(program, arguments.join(QLatin1Char(' '))));
    FProcess->setWorkingDirectory(workingDir);
    if (!isVisible())
        PlaceOverParent();
    show();
    raise();
    FProcess->start(program, arguments);
    return true;
}

// Left to the window manager, the console tends to open in a corner, partly off the screen and
// over the main window. Before it is first shown its frame is not known: it gets the owner's.
void LoaderConsole::PlaceOverParent() {
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize outer = frameGeometry().size();
    if (owner && outer == size())
        outer += owner->frameGeometry().size() - owner->size();
    const QPoint centre = owner ? owner->frameGeometry().center() : area.center();
    move(CentredInside(outer, centre, area).topLeft());
}

bool LoaderConsole::running() const {
    return FProcess->state() != QProcess::NotRunning;
}

QString LoaderConsole::text() const {
    return FOutput->toPlainText();
}

bool LoaderConsole::waitForFinished(int ms) {
    if (!running())
        return true;
    return FProcess->waitForFinished(ms);
}

void LoaderConsole::appendOutput() {
    FOutput->moveCursor(QTextCursor::End);
    FOutput->insertPlainText(QString::fromLocal8Bit(FProcess->readAllStandardOutput()));
    FOutput->ensureCursorVisible();
}

void LoaderConsole::appendLine(const QString& line) {
    FOutput->moveCursor(QTextCursor::End);
    if (!FOutput->document()->isEmpty() && !FOutput->toPlainText().endsWith(QLatin1Char('\n')))
        FOutput->insertPlainText(QStringLiteral("\n"));
    FOutput->insertPlainText(line + QLatin1Char('\n'));
    FOutput->ensureCursorVisible();
}

void LoaderConsole::finished(int exitCode, QProcess::ExitStatus status) {
    appendOutput();
    if (status == QProcess::CrashExit)
        appendLine(QStringLiteral("The loader stopped abnormally."));
    else if (exitCode == 0)
        appendLine(QStringLiteral("The loader finished successfully."));
    else
        appendLine(QStringLiteral("The loader failed with exit status %1.").arg(exitCode));
}

void LoaderConsole::failed(QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart)
        appendLine(
            QStringLiteral("The loader could not be started: %1").arg(FProcess->errorString()));
}
