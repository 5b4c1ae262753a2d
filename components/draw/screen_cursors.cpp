#include "components/draw/screen_cursors.h"

#include "platform/ui/screen_cursors.h"

void InstallScreenCursors() {
    SetScreenCursor(crWkMultiDrag1, ScreenCursor(crMultiDrag));
    SetScreenCursor(crWkDrag, ScreenCursor(crDrag));
    SetScreenCursor(crWkMultiDrag2, ScreenCursor(crMultiDrag));
    SetScreenCursor(crWkMultiDrag3, ScreenCursor(crMultiDrag));
}
