#pragma once
// Turns one Input, Output or Feature item into button and value capabilities with their field
// layouts and data indices.

#include "platform/hidparser/parser_state.h"
#include "platform/hidparser/preparsed_data.h"

struct LinkPosition {
    USHORT collection = 0;
    USAGE usage = 0;
    USAGE usagePage = 0;
};

struct MainItem {
    ULONG data = 0; // the item's Data/Constant, Array/Variable, ... bits
    ULONG bitOffset = 0;
    ULONG number = 0; // counts main items, so capabilities of one array item can be told apart
    LinkPosition link;
};

// The data index numbers are 16-bit; a report kind that would need more is refused.
enum class CapsResult { Added, TooManyDataIndices, TooManyCaps };

CapsResult addMainItemCaps(const MainItem& item, const GlobalState& globals,
                           const LocalState& locals, ReportKind& kind);
