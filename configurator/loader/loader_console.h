#pragma once
// A window of the tool in which a firmware loader runs: its standard output and error appear as
// they come, and its exit status when it ends. The loader's standard input is closed, so a
// loader told to read firmware from "-" ends at once instead of waiting for input forever.

#include <QProcess>
#include <QWidget>

class QPlainTextEdit;

// Where a window of size goes on screen: centred on centre, then moved as little as needed to lie
// inside screen (a window larger than the screen keeps its top-left corner on it).
QRect CentredInside(const QSize& size, const QPoint& centre, const QRect& screen);

class LoaderConsole : public QWidget {
    Q_OBJECT

public:
    // A window of its own, owned by parent.
    explicit LoaderConsole(QWidget* parent = nullptr);
    ~LoaderConsole() override;

    // Shows the window, opening over the centre of its parent and inside the screen, and starts
    // program there; false, with a message box, while a loader still runs. A program that cannot
    // start is reported in the window.
    bool start(const QString& program, const QStringList& arguments, const QString& workingDir);
    bool running() const;
    // Everything the window shows.
    QString text() const;
    // Waits at most ms for the loader to end, showing what it writes meanwhile; true when it
    // has ended (or none runs).
    bool waitForFinished(int ms);

private:
    void PlaceOverParent();
    void appendOutput();
    void appendLine(const QString& line);
    void finished(int exitCode, QProcess::ExitStatus status);
    void failed(QProcess::ProcessError error);

    QPlainTextEdit* FOutput;
    QProcess* FProcess;
};
