#pragma once
// Base of the library's non-visual components. A component belongs to its owner (its Qt
// parent) and is freed with it; derived classes read the loading and destroying states to
// skip work that only makes sense on a live, fully built component.

#include <QObject>
#include <QString>

class TWkComponent : public QObject {
    Q_OBJECT
    // Design-time only: a form designer shows the library's about box for it; it holds no
    // value and is never stored.
    Q_PROPERTY(QString AboutWk READ AboutWk WRITE SetAboutWk STORED false)

public:
    explicit TWkComponent(QObject* owner = nullptr);

    QString AboutWk() const { return {}; }
    void SetAboutWk(const QString&) {}

    // True while the component's properties are being restored from a stored form: setters
    // store values without acting on them.
    bool IsLoading() const { return loading; }
    void SetLoading(bool value) { loading = value; }

    bool IsDestroying() const { return destroying; }

protected:
    // A destructor calls this first, so handlers reached during tear-down can tell.
    void Destroying() { destroying = true; }

private:
    bool loading = false;
    bool destroying = false;
};
