#pragma once
// Start-up and shut-down of the picture format units, in their link order: the animated cursor,
// then GIF. The program holds one PictureFormats for its whole run, before any form loads.

class PictureFormats {
public:
    PictureFormats();
    ~PictureFormats();
    PictureFormats(const PictureFormats&) = delete;
    PictureFormats& operator=(const PictureFormats&) = delete;
};
