#pragma once
// Combo and spin boxes take the mouse wheel only while they have the focus, so scrolling over a
// page of dozens of them never edits one by accident.

#include <QObject>

class QWidget;

class WheelFocusFilter final : public QObject {
public:
    // Installs the process-wide filter on widget and gives it a focus policy that keeps the
    // wheel from focusing it.
    static void install(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
