#include "configurator/window/device_list_box.h"

void DeviceListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentItem() != nullptr)
        emit itemClicked(currentItem());
}
