#include "components/data/class_registry.h"

#include <gtest/gtest.h>

namespace {

// Test classes of a family of their own, so no other registration interferes.
const std::vector<TWkRegisteredClass> family = {
    {"TRegBase", {}},
    {"TRegChild", {"TRegBase"}},
    {"TRegGrandChild", {"TRegChild", "TRegBase"}},
    {"TRegOther", {}},
};

std::vector<QString> names() {
    std::vector<QString> all;
    for (const TWkRegisteredClass& c : family)
        all.push_back(c.name);
    return all;
}

} // namespace

TEST(ClassRegistry, GroupingTakesTheClassAndItsDescendants) {
    RegisterClasses(family);
    GroupDescendentsWith("TRegChild", "TRegControl");
    // Registered after the grouping: it joins the group of its grouped ancestor.
    RegisterClasses({{"TRegLate", {"TRegGrandChild", "TRegChild", "TRegBase"}}});
    const struct {
        const char* name;
        std::optional<QString> group;
    } cases[] = {
        {"TRegBase", QString()},
        {"TRegChild", QStringLiteral("TRegControl")},
        {"TRegGrandChild", QStringLiteral("TRegControl")},
        {"TRegLate", QStringLiteral("TRegControl")},
        {"TRegOther", QString()},
        {"TRegUnknown", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassGroupOf(c.name), c.group) << c.name;

    // A nearer grouping wins, and a grouped group class lends its own group.
    GroupDescendentsWith("TRegGrandChild", "TRegOther");
    EXPECT_EQ(ClassGroupOf("TRegGrandChild"), QString("TRegOther"));
    GroupDescendentsWith("TRegOther", "TRegChild");
    GroupDescendentsWith("TRegLate", "TRegOther");
    EXPECT_EQ(ClassGroupOf("TRegLate"), QString("TRegControl"));
    EXPECT_EQ(ClassGroupOf("TRegChild"), QString("TRegControl")) << "its ancestor is untouched";

    UnregisterClasses(names());
    UnregisterClasses({"TRegLate"});
    EXPECT_FALSE(FindClass("TRegChild").has_value());
}
