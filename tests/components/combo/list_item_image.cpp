#include "tests/components/combo/list_item_image.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleOptionViewItem>

QImage ListItemImage(TWkCustomComboBox& box, int index, QStyle::State state, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QStyleOptionViewItem option;
    option.rect = QRect(QPoint(0, 0), size);
    option.state = state | QStyle::State_Enabled;
    QPainter painter(&image);
    box.ItemView()->itemDelegate()->paint(&painter, option, box.model()->index(index, 0));
    return image;
}
