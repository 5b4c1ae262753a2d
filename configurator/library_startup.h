#pragma once
// The start-up and shut-down of the libraries the program is built from. The program holds one
// LibraryStartup for its whole run; it starts the units in their link order (the utility
// library with its unit version records, then the component library's units: the colour
// descriptions, the drag cursors, the data provider classes, the rich-edit library and
// clipboard formats, the units that only count, and the picture formats, so forms can hold GIF
// pictures) and shuts them down in reverse when it goes.

#include "pictures/picture_formats.h"
#include "util/library_startup.h"

#include <optional>

class LibraryStartup {
public:
    LibraryStartup();
    ~LibraryStartup();
    LibraryStartup(const LibraryStartup&) = delete;
    LibraryStartup& operator=(const LibraryStartup&) = delete;

private:
    CkUtilLibrary utilLibrary;
    std::optional<PictureFormats> pictureFormats;
};
