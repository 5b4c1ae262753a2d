#pragma once
// The device list: a key that moves the current line counts as a click on that line, as desktop
// list boxes report it, so a controller can be chosen without the mouse. A selection set from
// code is no click.

#include <QListWidget>

class DeviceListBox final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
