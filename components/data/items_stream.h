#pragma once
// Storing a provider's item tree: an item list's own properties, "Extensions" (its registered
// aspects, written only when there is one) and "Items" (always); each item's own properties
// ("ID"), "Extensions" and, when it has sub-items, "SubItems". Every element of these
// collections starts with "ClassName", the registered class to make (through the class
// registry) or reuse, followed by the properties that class publishes.

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
// The same through a writer of a larger stream: its property path stands before the names of
// the list's own properties, not inside the collections; it is given back afterwards.
void WriteDataItems(THackWriter& writer, TWkBaseDataItems& list);

// Reads properties into list up to the end marker: items are appended to it, stored aspects
// reuse an extension of the same class or are added. A damaged or hostile stream raises
// EReadError ("Expected collection", "Missing ClassName property", "Invalid class type" (also
// for a class that makes nothing for the object it is read into), "Class <name> not found",
// "Property <name> does not exist", "Unexpected end of stream", "Too many items in stream", "Items
// nested too deeply", ...); items read up to then stay in the list, a half-read item is freed.
void ReadDataItems(QIODevice& stream, TWkBaseDataItems& list);
