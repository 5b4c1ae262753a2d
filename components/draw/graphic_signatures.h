#pragma once
// Recognising a picture stream's class by its first bytes, and adding formats to the list.

#include "platform/ui/graphic_signature.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

// Appends an entry after the built-in ones; an empty signature, no class or a negative
// offset raises EWkException "Bad Graphic Signature".
void AddGraphicSignature(const QByteArray& signature, qint64 offset, TGraphicClass graphicClass);
void AddGraphicSignatureBytes(std::span<const std::uint8_t> bytes, qint64 offset,
                              TGraphicClass graphicClass);

// May replace the class found for an in-memory stream before it is created.
using TGraphicClassHook = std::function<TGraphicClass(TGraphicClass found, QIODevice& stream)>;

// A new graphic of the stream's class loaded from it, or nullptr when no signature matches.
// Load errors pass on.
std::unique_ptr<TGraphic> LoadGraphicFromStream(QIODevice& stream,
                                                const TGraphicClassHook& hook = nullptr);
