#pragma once
// Reports a left-button press on a control that has no click signal of its own (spin boxes,
// pictures), also when it lands on one of the control's inner widgets.

#include <QObject>
#include <functional>

class QWidget;

class ClickFilter final : public QObject {
public:
    // onClick runs for each left-button press on control or its direct children.
    static void Install(QWidget* control, std::function<void()> onClick);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ClickFilter(QObject* parent, std::function<void()> onClick);

    std::function<void()> onClick_;
};
