#include "components/data/custom_image_list.h"

TCustomImageList::TCustomImageList(QObject* owner, int width, int height)
    : QObject(owner), TImageList(width, height) {}
