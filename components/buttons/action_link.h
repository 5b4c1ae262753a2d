#pragma once
// Links a QAction to a library control. The control takes the action's values when linked
// (ActionChange) and later follows each value the action changes, but only while the control
// still holds the value the action had before: a value the user of the control set apart stays.
// QAction carries no image or group number and no help topic; the link reads them from the
// action's dynamic properties "imageIndex", "groupIndex" and "helpContext" (-1, 0 and 0 when
// unset), and the images from the TActionList the action belongs to.

#include "components/base/method_event.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QAction;
class TImageList;

// The values of an action that a control can follow.
struct TWkActionValues {
    QString text;
    QString hint;
    QKeySequence shortcut;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int imageIndex = -1;
    int groupIndex = 0;
    int helpContext = 0;
    TImageList* images = nullptr; // the action list's
};

TWkActionValues ActionValuesOf(const QAction& action);

class TWkActionLink : public QObject {
public:
    explicit TWkActionLink(QObject* client);
    ~TWkActionLink() override;

    QAction* Action() const { return FAction; }
    // Links action (nullptr unlinks) and lets the client take its values.
    void SetAction(QAction* action);
    // Runs the action as the client's click would.
    void Execute();
    // The handler the client's click event holds while it runs the action.
    const TNotifyEvent& ExecuteHandler() const { return FExecute; }
    // The client takes the action's values; with checkDefaults only where it holds its default.
    virtual void ActionChange(QAction& action, bool checkDefaults) = 0;

protected:
    // One value of the action changed from was to now; the client follows where it is linked.
    virtual void Follow(const TWkActionValues& was, const TWkActionValues& now) = 0;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void actionChanged();

    QPointer<QAction> FAction;
    TWkActionValues FLast;
    TNotifyEvent FExecute;
};
