#include "pictures/picture_formats.h"

#include "pictures/ani/ani_registration.h"
#include "pictures/gif/gif_registration.h"

PictureFormats::PictureFormats() {
    WkAniInitialization();
    WkGIFInitialization();
}

PictureFormats::~PictureFormats() {
    WkGIFFinalization();
    WkAniFinalization();
}
