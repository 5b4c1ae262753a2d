#pragma once
// Finds a control of the window by its objectName; a missing control is a fault of the window's
// design, reported as an exception naming it.

#include <QWidget>
#include <stdexcept>
#include <string>

template <typename Control> Control* FindControl(const QWidget& root, const char* name) {
    auto* control = root.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        throw std::logic_error(std::string("Window control missing: ") + name);
    }
    return control;
}
