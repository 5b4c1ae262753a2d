#pragma once
// Finds a control of the window by its name, for the parts of the window that keep their own
// references to controls.

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

// The control named name under root. Throws std::runtime_error naming it when it is missing or
// of another kind. The kind is checked with dynamic_cast: a library control without a
// meta-object of its own would pass a findChild<Control*> as any widget of its Qt base class.
template <typename Control> Control* FindNamed(const QWidget& root, const QString& name) {
    auto* control = dynamic_cast<Control*>(root.findChild<QWidget*>(name));
    if (control == nullptr) {
        throw std::runtime_error("Window control missing: " + name.toStdString());
    }
    return control;
}

template <typename Control> Control* FindNamed(const QWidget& root, const char* name) {
    return FindNamed<Control>(root, QString::fromLatin1(name));
}
