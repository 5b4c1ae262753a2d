#pragma once
// Finds a control of the window by its name, for the parts of the window that keep their own
// references to controls.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

// While one lives, FindNamed under its root reads the names from one walk of the root's tree
// instead of walking the whole tree for every name: the window's start looks up hundreds. It
// finds what findChild finds; a control made after the walk, or destroyed since, is searched
// for as before.
class ControlNameIndex {
public:
    explicit ControlNameIndex(const QWidget& root);
    ~ControlNameIndex();
    ControlNameIndex(const ControlNameIndex&) = delete;
    ControlNameIndex& operator=(const ControlNameIndex&) = delete;

    // The widget named name under root, or nullptr.
    static QWidget* Find(const QWidget& root, const QString& name);

private:
    void Take(const QObject& parent);

    const QWidget& root_;
    QHash<QString, QPointer<QWidget>> controls_;
    ControlNameIndex* outer_;
};

// The control named name under root. Throws std::runtime_error naming it when it is missing or
// of another kind. The kind is checked with dynamic_cast: a library control without a
// meta-object of its own would pass a findChild<Control*> as any widget of its Qt base class.
template <typename Control> Control* FindNamed(const QWidget& root, const QString& name) {
    auto* control = dynamic_cast<Control*>(ControlNameIndex::Find(root, name));
    if (control == nullptr) {
        throw std::runtime_error("Window control missing: " + name.toStdString());
    }
    return control;
}

template <typename Control> Control* FindNamed(const QWidget& root, const char* name) {
    return FindNamed<Control>(root, QString::fromLatin1(name));
}
