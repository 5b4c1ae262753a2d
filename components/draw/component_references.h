#pragma once
// Pointing a control's reference at another component so that the reference never outlives
// what it points at.

#include "platform/ui/image_list.h"

#include <QObject>
#include <QPointer>

// Points reference at component when an owner is given and the component differs from the one
// referenced. The QPointer clears itself when the referenced component is destroyed, so the
// old component's destruction no longer concerns the owner and the new one's does. True on a
// change.
template <typename T>
bool ReplaceComponentReference(const QObject* owner, T* component, QPointer<T>& reference) {
    if (owner == nullptr || reference.data() == component)
        return false;
    reference = component;
    return true;
}

// The same for an image list: link leaves the old list and registers with the new one (none
// for nullptr). A list being destroyed clears link.Sender(), so the reference is valid exactly
// while link.Sender() equals it; read the list through the link. True on a change.
bool ReplaceImageListReference(const QObject* owner, TImageList* list, TImageList*& reference,
                               TChangeLink& link);
