#include "components/data/data_paths.h"

namespace {

// How a path walks one kind of tree.
template <typename List, typename Node> struct Tree {
    List* (*root)(List* list);
    // The list above list and the node that owns list, or nulls at the root.
    std::pair<List*, Node*> (*up)(List* list);
    // The list that holds node.
    List* (*holder)(Node* node);
    Node* (*match)(List* list, QStringView name);
    List* (*down)(Node* node);
};

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

template <typename List, typename Node>
Node* walk(const Tree<List, Node>& tree, List* list, const QString& path) {
    if (list == nullptr)
        return nullptr;
    qsizetype pos = 0;
    if (!path.isEmpty() && isSeparator(path.front())) {
        list = tree.root(list);
        pos = 1;
    }
    Node* node = nullptr;
    while (pos <= path.size()) {
        qsizetype end = pos;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        const QStringView name = QStringView(path).mid(pos, end - pos);
        pos = end + 1;
        if (name == u"..") {
            // Below a node without sub-list, ".." steps back to the list that holds the node.
            const auto [above, owner] =
                list != nullptr ? tree.up(list) : std::pair(tree.holder(node), node);
            if (owner == nullptr)
                return nullptr;
            node = owner;
            list = above;
            continue;
        }
        if (list == nullptr)
            return nullptr;
        node = tree.match(list, name);
        if (node == nullptr)
            return nullptr;
        list = tree.down(node);
    }
    return node;
}

const Tree<IWkDataItems, IWkDataItem> items{
    [](IWkDataItems* list) {
        IWkDataProvider* provider = list->Provider();
        return provider != nullptr ? provider->RootItems() : list;
    },
    [](IWkDataItems* list) -> std::pair<IWkDataItems*, IWkDataItem*> {
        IWkDataItem* parent = list->ParentItem();
        return {parent != nullptr ? parent->OwnerList() : nullptr, parent};
    },
    [](IWkDataItem* item) { return item->OwnerList(); },
    [](IWkDataItems* list, QStringView name) -> IWkDataItem* {
        for (int i = list->Count() - 1; i >= 0; --i) {
            IWkDataItem* item = list->Item(i);
            if (name.compare(item->ID(), Qt::CaseInsensitive) == 0)
                return item;
        }
        return nullptr;
    },
    [](IWkDataItem* item) { return Supports<IWkDataItems>(item); },
};

const Tree<IWkDataContexts, IWkDataContext> contexts{
    [](IWkDataContexts* list) {
        IWkDataProvider* provider = list->Provider();
        IWkDataContexts* root = provider != nullptr ? provider->Contexts() : nullptr;
        return root != nullptr ? root : list;
    },
    [](IWkDataContexts* list) -> std::pair<IWkDataContexts*, IWkDataContext*> {
        IWkDataContext* ancestor = list->Ancestor();
        return {ancestor != nullptr ? ancestor->ContextList() : nullptr, ancestor};
    },
    [](IWkDataContext* context) { return context->ContextList(); },
    [](IWkDataContexts* list, QStringView name) -> IWkDataContext* {
        for (int i = list->Count() - 1; i >= 0; --i) {
            IWkDataContext* context = list->Context(i);
            if (name.compare(context->Name(), Qt::CaseInsensitive) == 0)
                return context;
        }
        return nullptr;
    },
    [](IWkDataContext* context) { return Supports<IWkDataContexts>(context); },
};

} // namespace

IWkDataItem* ItemByPath(IWkDataItems* list, const QString& path) {
    return walk(items, list, path);
}

IWkDataItem* ItemByIndexes(IWkDataItems* list, const std::vector<int>& indexes) {
    IWkDataItem* item = nullptr;
    for (const int index : indexes) {
        if (list == nullptr || index < 0 || index >= list->Count())
            return nullptr;
        item = list->Item(index);
        list = Supports<IWkDataItems>(item);
    }
    return item;
}

IWkDataContext* ContextByPath(IWkDataContexts* list, const QString& path) {
    return walk(contexts, list, path);
}
