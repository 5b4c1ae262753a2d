#pragma once
// The list that holds actions (their parent object), with the image list their image numbers
// refer to. A control linked to one of its actions takes those images when it has none.

#include <QObject>

class TImageList;

class TActionList : public QObject {
public:
    using QObject::QObject;

    // The caller's list; nullptr for none.
    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images) { FImages = images; }

private:
    TImageList* FImages = nullptr;
};
