#pragma once
// Finding items and contexts by a path of names separated by "\" or "/" (whichever comes first
// ends a segment). The segment ".." steps up to the parent's list (failing at the root), an
// empty first segment (a leading separator) starts again from the provider's root list, and
// any other segment matches a name without regard to case, last first, and continues in the
// sub-list of what it matched. Each lookup gives what the last segment reached, or null.

#include "components/data/data_interfaces.h"

#include <vector>

IWkDataItem* ItemByPath(IWkDataItems* list, const QString& path);
// One index per level, from list down; null for an index outside its list or a level without
// sub-items.
IWkDataItem* ItemByIndexes(IWkDataItems* list, const std::vector<int>& indexes);

// ".." steps to the ancestor context's list; a context's sub-list is its IWkDataContexts
// aspect.
IWkDataContext* ContextByPath(IWkDataContexts* list, const QString& path);
