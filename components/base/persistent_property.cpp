#include "components/base/persistent_property.h"

void TWkPersistentProperty::DoChanged() {
    if (updateCount == 0 && OnChanged)
        OnChanged(this);
}

void TWkPersistentProperty::DoChanging() {
    if (updateCount == 0 && OnChanging)
        OnChanging(this);
}

void TWkPersistentProperty::DoChangedProperty(const QString& propName) {
    if (OnChangedProperty)
        OnChangedProperty(this, propName);
}

void TWkPersistentProperty::DoChangingProperty(const QString& propName) {
    if (OnChangingProperty)
        OnChangingProperty(this, propName);
}

void TWkPersistentProperty::SetUpdating(bool updating) {
    if (updating)
        DoChanging();
    else
        DoChanged();
}

void TWkPersistentProperty::BeginUpdate() {
    if (updateCount == 0)
        SetUpdating(true);
    ++updateCount;
}

void TWkPersistentProperty::EndUpdate() {
    --updateCount;
    if (updateCount == 0)
        SetUpdating(false);
}
