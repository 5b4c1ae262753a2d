#pragma once
// An image list that is a component: it belongs to its owner (its Qt parent) and has a name,
// by which stored references find it again under that owner.

#include "platform/ui/image_list.h"

#include <QObject>

class TCustomImageList : public QObject, public TImageList {
    Q_OBJECT

public:
    explicit TCustomImageList(QObject* owner = nullptr, int width = 16, int height = 16);
};
