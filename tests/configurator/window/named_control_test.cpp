// Lookups by name read the index of a window's tree while one lives, and must find what a walk of
// the tree finds, also after controls come and go.

#include "configurator/window/named_control.h"
#include "tests/configurator/window/window_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

QWidget* Named(QWidget* parent, const char* name) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// root holds a page whose child is named "twin", and, made later, a direct child "twin": the
// walk looks at the root's own children first.
struct Application {
    Application() { EnsureApplication(); }
};

struct Tree : Application {
    QWidget root;
    QWidget* page = Named(&root, "page");
    QWidget* deepTwin = Named(page, "twin");
    QWidget* nearTwin = Named(&root, "twin");
    QWidget* deepOnly = Named(page, "deep");
};

TEST(ControlNameIndex, FindsWhatTheWalkFinds) {
    Tree tree;
    const ControlNameIndex index(tree.root);
    for (const char* name : {"page", "twin", "deep", "nothing"}) {
        EXPECT_EQ(ControlNameIndex::Find(tree.root, QString::fromLatin1(name)),
                  tree.root.findChild<QWidget*>(QString::fromLatin1(name)))
            << name;
    }
    EXPECT_EQ(ControlNameIndex::Find(tree.root, QStringLiteral("twin")), tree.nearTwin);
}

TEST(ControlNameIndex, ControlsThatComeGoOrMoveAreSearchedForAgain) {
    Tree tree;
    const ControlNameIndex index(tree.root);
    auto* late = new QLineEdit(tree.page);
    late->setObjectName(QStringLiteral("late"));
    EXPECT_EQ(FindNamed<QLineEdit>(tree.root, "late"), late);

    delete tree.nearTwin;
    EXPECT_EQ(ControlNameIndex::Find(tree.root, QStringLiteral("twin")), tree.deepTwin);

    QWidget elsewhere;
    tree.deepOnly->setParent(&elsewhere);
    EXPECT_EQ(ControlNameIndex::Find(tree.root, QStringLiteral("deep")), nullptr);
    EXPECT_THROW(FindNamed<QWidget>(tree.root, "deep"), std::runtime_error);
}

TEST(ControlNameIndex, AnIndexServesItsOwnRootOnly) {
    Tree tree;
    QWidget other;
    QWidget* otherTwin = Named(&other, "twin");
    const ControlNameIndex index(tree.root);
    EXPECT_EQ(ControlNameIndex::Find(other, QStringLiteral("twin")), otherTwin);
    {
        const ControlNameIndex inner(other);
        EXPECT_EQ(ControlNameIndex::Find(tree.root, QStringLiteral("twin")), tree.nearTwin);
        EXPECT_EQ(ControlNameIndex::Find(other, QStringLiteral("twin")), otherTwin);
    }
    EXPECT_THROW(FindNamed<QPushButton>(tree.root, "twin"), std::runtime_error);
}

} // namespace
