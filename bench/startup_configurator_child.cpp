// The configurator's own start, as the program makes it, ending once its window is painted. Its
// first argument is the program folder (language files and settings). With "--count" after it,
// it prints instead how many standard controls of each kind the window holds, for the plain
// window the bench compares it with.
#include "bench/startup_signal.h"
#include "configurator/program_process.h"
#include "configurator/window/display_check.h"
#include "configurator/window/main_form.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <cstdio>
#include <cstring>

namespace {

// Only controls of exactly the standard classes count: the library's own controls are what the
// configurator has beyond a plain window.
template <typename Control> int CountExactly(const QWidget& window) {
    int count = 0;
    for (const Control* control : window.findChildren<Control*>()) {
        if (control->metaObject() == &Control::staticMetaObject)
            ++count;
    }
    return count;
}

// Line edits that are parts of spin boxes or combo boxes come with those.
int CountFreeLineEdits(const QWidget& window) {
    int count = 0;
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        const QObject* parent = edit->parent();
        if (edit->metaObject() == &QLineEdit::staticMetaObject &&
            !qobject_cast<const QAbstractSpinBox*>(parent) &&
            !qobject_cast<const QComboBox*>(parent))
            ++count;
    }
    return count;
}

void PrintControlCounts(const QWidget& window) {
    std::printf("%d %d %d %d %d %d\n", CountExactly<QComboBox>(window), CountFreeLineEdits(window),
                CountExactly<QSpinBox>(window), CountExactly<QLabel>(window),
                CountExactly<QCheckBox>(window), CountExactly<QPushButton>(window));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2)
        return 2;
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    const bool countOnly = argc > 2 && std::strcmp(argv[2], "--count") == 0;
    if (!EnsureDisplay(argc, argv)) {
        return 1;
    }
    const ProgramProcess process(argc, argv);
    TMForm form(programFolder);
    if (countOnly) {
        PrintControlCounts(form);
        return 0;
    }
    ReportFirstPaint(form);
    form.show();
    return QApplication::exec();
}
