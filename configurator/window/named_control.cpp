#include "configurator/window/named_control.h"

namespace {

ControlNameIndex* innermost = nullptr;

} // namespace

ControlNameIndex::ControlNameIndex(const QWidget& root) : root_(root), outer_(innermost) {
    Take(root);
    innermost = this;
}

ControlNameIndex::~ControlNameIndex() {
    innermost = outer_;
}

// findChild looks at all of a parent's children before it goes down into any of them, and takes
// the first match: the first name taken here is the one it would find.
void ControlNameIndex::Take(const QObject& parent) {
    const QObjectList& children = parent.children();
    for (QObject* child : children) {
        auto* widget = qobject_cast<QWidget*>(child);
        const QString name = child->objectName();
        if (widget != nullptr && !name.isEmpty() && !controls_.contains(name)) {
            controls_.insert(name, widget);
        }
    }
    for (const QObject* child : children) {
        Take(*child);
    }
}

QWidget* ControlNameIndex::Find(const QWidget& root, const QString& name) {
    for (const ControlNameIndex* index = innermost; index != nullptr; index = index->outer_) {
        if (&index->root_ == &root) {
            QWidget* widget = index->controls_.value(name).data();
            if (widget != nullptr && root.isAncestorOf(widget)) {
                return widget;
            }
            break;
        }
    }
    return root.findChild<QWidget*>(name);
}
