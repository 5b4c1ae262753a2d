#include "configurator/window/key_filter.h"

#include "configurator/window/event_guard.h"

#include <QKeyEvent>

namespace {

constexpr QChar Backspace(8);

// Tab, Return, Enter, Escape and Delete type control characters ("\t", "\r", "\x1b", "\x7f") on
// X11 and Wayland; shortcuts such as Ctrl+V do too. None of them types into the edit.
bool TypesNoCharacter(const QString& typed) {
    return std::none_of(typed.begin(), typed.end(),
                        [](QChar key) { return key == Backspace || key.isPrint(); });
}

} // namespace

KeyFilter::KeyFilter(QObject* parent, Accepts accepts, std::function<void()> afterKey)
    : QObject(parent), accepts_(accepts), afterKey_(std::move(afterKey)) {}

void KeyFilter::Install(QObject* watched, Accepts accepts, std::function<void()> afterKey) {
    watched->installEventFilter(new KeyFilter(watched, accepts, std::move(afterKey)));
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (TypesNoCharacter(typed)) {
        return QObject::eventFilter(watched, event);
    }
    const bool kept = std::all_of(typed.begin(), typed.end(),
                                  [this](QChar key) { return key == Backspace || accepts_(key); });
    RunGuarded(afterKey_);
    return !kept;
}
