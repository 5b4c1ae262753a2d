#pragma once
// Storing a provider's item tree: an item list's properties "Extensions" (its registered
// aspects, written only when there is one) and "Items" (always); each item's "ID",
// "Extensions" and, when it has sub-items, "SubItems". Every element of these collections
// starts with "ClassName", the registered class to make or reuse.

#include "components/data/data_items.h"
#include "components/data/property_stream.h"

#include <QIODevice>

// Deeper sub-item nesting is refused: the reader recurses once per level.
constexpr int MaxStreamNesting = 32;
// Items read from one stream, at all levels together.
constexpr int MaxStreamItems = 100000;

// Writes list's properties followed by the end marker. Raises EWkException "Stream write
// error" when the device refuses bytes.
void WriteDataItems(QIODevice& stream, TWkBaseDataItems& list);
// The same through a writer of a larger stream: its property path stands before the tree's
// own property names, but not before those of the sub-item collections.
void WriteDataItems(THackWriter& writer, TWkBaseDataItems& list);

// Reads properties into list up to the end marker: items are appended to it, stored aspects
// reuse an extension of the same class or are added. A damaged or hostile stream raises
// EReadError ("Expected collection", "Missing ClassName property", "Invalid class type",
// "Class <name> not found", "Property <name> does not exist", "Unexpected end of stream",
// "Too many items in stream", "Items nested too deeply", ...); items read up to then stay in
// the list, a half-read item is freed.
void ReadDataItems(QIODevice& stream, TWkBaseDataItems& list);
