#include "bench/startup_signal.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <unistd.h>

namespace {

// Every child of the window paints in the same flush as the window itself, so a zero timer
// started at the window's paint runs once the whole first frame is drawn.
class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void ReportFirstPaint(QWidget& window) {
    window.installEventFilter(new FirstPaintWatch(&window));
}
