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

KeyFilter::KeyFilter(QObject* parent, TKeyPressEvent onKeyPress)
    : QObject(parent), onKeyPress_(std::move(onKeyPress)) {}

void KeyFilter::Install(QObject* watched, TKeyPressEvent onKeyPress) {
    watched->installEventFilter(new KeyFilter(watched, std::move(onKeyPress)));
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (TypesNoCharacter(typed)) {
        return QObject::eventFilter(watched, event);
    }
    // A key that types several characters at once goes in whole or not at all.
    bool swallowed = false;
    for (QChar typedKey : typed) {
        QChar key = typedKey;
        RunGuarded([&] { onKeyPress_(watched, key); });
        swallowed = swallowed || key.isNull();
    }
    return swallowed;
}
