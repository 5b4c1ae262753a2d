#pragma once
// An object owned by a control or component and stored as part of it (a sub-object such as a
// set of options). It is freed with its owner and names itself after it in name paths.

#include <QObject>
#include <QString>

class TWkPersistent : public QObject {
    Q_OBJECT

public:
    explicit TWkPersistent(QObject* owner);

    QObject* GetOwner() const { return owner; }
    QObject* Owner() const { return owner; }

    // The object's own name, prefixed by "<owner's name path>." when the owner has a path.
    virtual QString GetNamePath() const;

private:
    QObject* owner;
};
