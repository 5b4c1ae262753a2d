#pragma once
// Start-up and shut-down of the GIF format: the picture framework learns the extension "gif",
// the "WkGIF Image" clipboard format and the "GIF" signature at offset 0.

#include <QString>

// The "WkGIF Image" clipboard format as a MIME type of our own.
inline const QString WkGifClipboardFormat = QStringLiteral("application/x-wkgif-image");

// Counted: only the first start-up and the last shut-down do their work.
void WkGIFInitialization();
void WkGIFFinalization();
