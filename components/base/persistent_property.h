#pragma once
// A sub-object that tells its owner about changes. Unnamed notifications (OnChanging,
// OnChanged) are held back inside BeginUpdate/EndUpdate and fire once at the outermost pair;
// named ones (OnChangingProperty, OnChangedProperty) fire at once, also inside a pair.

#include "components/base/method_event.h"
#include "components/base/persistent.h"

#include <functional>

class TWkPersistentProperty : public TWkPersistent {
    Q_OBJECT

public:
    using TWkPropertyChangeEvent = std::function<void(QObject* sender, const QString& propName)>;

    explicit TWkPersistentProperty(QObject* owner) : TWkPersistent(owner) {}

    TNotifyEvent OnChanging;
    TNotifyEvent OnChanged;
    TWkPropertyChangeEvent OnChangingProperty;
    TWkPropertyChangeEvent OnChangedProperty;

    virtual void BeginUpdate();
    // Not guarded: an EndUpdate without BeginUpdate drives the count below zero.
    virtual void EndUpdate();

    int UpdateCount() const { return updateCount; }

protected:
    virtual void DoChanged();
    virtual void DoChanging();
    virtual void DoChangedProperty(const QString& propName);
    virtual void DoChangingProperty(const QString& propName);
    virtual void SetUpdating(bool updating);

private:
    int updateCount = 0;
};
