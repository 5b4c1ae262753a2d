#pragma once
// The drag cursors the library's controls show, installed in the screen's cursor table.

// Cursor numbers 368 to 371, set by InstallScreenCursors.
constexpr int crWkMultiDrag1 = 368;
constexpr int crWkDrag = 369;
constexpr int crWkMultiDrag2 = 370;
constexpr int crWkMultiDrag3 = 371;

// Sets 368..371 to the screen's multi-drag, drag, multi-drag and multi-drag cursors.
void InstallScreenCursors();
