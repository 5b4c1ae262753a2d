#include "components/draw/component_references.h"

bool ReplaceImageListReference(const QObject* owner, TImageList* list, TImageList*& reference,
                               TChangeLink& link) {
    if (owner == nullptr)
        return false;
    // A destroyed list has already left the link, so the link, not the stored pointer, says
    // which list is still referenced.
    TImageList* current = link.Sender();
    reference = current;
    if (current == list)
        return false;
    if (current != nullptr)
        current->UnRegisterChanges(link);
    reference = list;
    if (list != nullptr)
        list->RegisterChanges(link);
    return true;
}
