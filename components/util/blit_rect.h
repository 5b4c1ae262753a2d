#pragma once
// Copying a block of pixels from one canvas to another with a raster operation.

#include "platform/ui/canvas.h"
#include "platform/win32/types.h"

// Raster operations, valued as on the desktop.
constexpr DWORD SRCCOPY = 0x00CC0020;    // source
constexpr DWORD SRCPAINT = 0x00EE0086;   // source OR destination
constexpr DWORD SRCAND = 0x008800C6;     // source AND destination
constexpr DWORD SRCINVERT = 0x00660046;  // source XOR destination
constexpr DWORD NOTSRCCOPY = 0x00330008; // NOT source

// Combines the block (sourceX, sourceY, width, height) of source with the block (x, y, width,
// height) of dest by the raster operation; both positions are in their canvas's own
// coordinates, and the two canvases may be the same. Only a canvas over an image or a pixmap
// can be read: false for any other source, and for a raster operation not listed above.
// Nothing is drawn for an empty block (true).
bool BlitRect(TCanvas& dest, int x, int y, int width, int height, TCanvas& source, int sourceX,
              int sourceY, DWORD rop);
