#include "util/argument_errors.h"
#include "util/string_builder.h"

#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

namespace {

using Step = std::function<void(TCkStringBuilder&)>;

TEST(StringBuilder, GrowsByTwoThirdsAndHoldsTheCapacityToTheMaximum) {
    TCkStringBuilder b(4, 10);
    b.Append(u'x', 7);
    EXPECT_EQ(b.Length(), 7);
    EXPECT_EQ(b.Capacity(), 7); // 1 + 4 * 5 / 3
    b.Append(u'x', 1);
    EXPECT_EQ(b.Capacity(), 12); // 1 + 7 * 5 / 3, growth is not held to the maximum
    // 1 + 12 passes 10, though a ninth character would fit.
    EXPECT_THROW(b.Append(u'y', 1), ArgumentOutOfRangeException);
    EXPECT_THROW(b.Insert(0, u"y"), ArgumentOutOfRangeException);
    EXPECT_EQ(b.ToString(), QStringLiteral("xxxxxxxx"));

    TCkStringBuilder full(10, 10);
    EXPECT_THROW(full.Append(u'x', 1), ArgumentOutOfRangeException);
    EXPECT_EQ(full.Length(), 0);
    TCkStringBuilder exact(9, 10);
    exact.Append(u'x', 9); // the capacity stays 9, and 9 + 1 does not pass 10
    EXPECT_EQ(exact.Length(), 9);
}

TEST(StringBuilder, RepeatedInsertKeepsTheRepetitionsThatFit) {
    // "ab" grows the capacity to 2, "c" to 4, the first "xy" to 8; the second "xy" would pass 8.
    TCkStringBuilder b(0, 8);
    EXPECT_THROW(b.Append(QStringView(u"ab"), 0, 2).Append(u'c', 1).Insert(0, u"xy", 3),
                 ArgumentOutOfRangeException);
    EXPECT_EQ(b.ToString(), QStringLiteral("xyabc"));
}

TEST(StringBuilder, ChangesGiveTheExpectedText) {
    const struct {
        const char* name;
        QString start;
        Step step;
        QString expected;
    } cases[] = {
        {"append nothing", "ab", [](auto& b) { b.Append(u'x', 0).Append(u'x', -3); }, "ab"},
        {"append part", "", [](auto& b) { b.Append(u"hello", 1, 3); }, "ell"},
        {"append part past end", "", [](auto& b) { b.Append(u"hello", 3, 99); }, "lo"},
        {"append part behind text", "a", [](auto& b) { b.Append(u"hello", 5, 1); }, "a"},
        {"append values", "",
         [](auto& b) { b.Append(true).Append(-12).Append(qint64{1} << 40).Append(false); },
         "True-121099511627776False"},
        {"append float", "", [](auto& b) { b.Append(2.5); }, "2.5"},
        {"insert front", "cd", [](auto& b) { b.Insert(0, u"ab"); }, "abcd"},
        {"insert middle repeated", "ad", [](auto& b) { b.Insert(1, u"bc", 2); }, "abcbcd"},
        {"insert at end", "ab", [](auto& b) { b.Insert(2, u"c"); }, "abc"},
        {"insert part", "ad", [](auto& b) { b.Insert(1, u"xbcx", 1, 2); }, "abcd"},
        {"insert number", "ab", [](auto& b) { b.Insert(1, 42).Insert(0, true); }, "Truea42b"},
        {"remove middle", "abcdef", [](auto& b) { b.Remove(1, 2); }, "adef"},
        {"remove last character", "abc", [](auto& b) { b.Remove(0, 3); }, ""},
        {"remove tail", "abc", [](auto& b) { b.Remove(2, 1); }, "ab"},
        {"replace char to end", "abaab", [](auto& b) { b.Replace(u'a', u'b', 2, -1); }, "abbbb"},
        {"replace char range", "aaaaa", [](auto& b) { b.Replace(u'a', u'x', 1, 2); }, "axxaa"},
        {"replace text longer", "a.b.c", [](auto& b) { b.Replace(u".", u"::", 0, -1); }, "a::b::c"},
        {"replace text shorter", "abxxcd", [](auto& b) { b.Replace(u"xx", u"-", 0, 6); }, "ab-cd"},
        {"replacement holds searched text", "aXa", [](auto& b) { b.Replace(u"a", u"aa", 0, -1); },
         "aaXaa"},
        {"occurrence begins in range", "abcabc", [](auto& b) { b.Replace(u"ca", u"Z", 2, 1); },
         "abZbc"},
        {"occurrence outside range", "abcabc", [](auto& b) { b.Replace(u"ab", u"Z", 1, 5); },
         "abcZc"},
    };
    for (const auto& c : cases) {
        TCkStringBuilder b(c.start, 2);
        c.step(b);
        EXPECT_EQ(b.ToString(), c.expected) << c.name;
        EXPECT_EQ(b.Length(), c.expected.size()) << c.name;
        EXPECT_LE(b.Length(), b.Capacity()) << c.name;
    }
}

TEST(StringBuilder, RangeErrorsLeaveTheTextAlone) {
    const struct {
        const char* name;
        Step step;
    } cases[] = {
        {"remove past end",
         [](auto& b) {
             b.Remove(0, 6);
         }},
        {"remove negative start",
         [](auto& b) {
             b.Remove(-1, 1);
         }},
        {"remove negative length",
         [](auto& b) {
             b.Remove(1, -1);
         }},
        {"replace char past end",
         [](auto& b) {
             b.Replace(u'a', u'b', 2, 4);
         }},
        {"replace char start behind end",
         [](auto& b) {
             b.Replace(u'a', u'b', 6, -1);
         }},
        {"replace text negative start",
         [](auto& b) {
             b.Replace(u"a", u"b", -1, 1);
         }},
        {"insert behind end",
         [](auto& b) {
             b.Insert(6, u"x");
         }},
        {"insert before start",
         [](auto& b) {
             b.Insert(-1, u"x");
         }},
        {"append part before start",
         [](auto& b) {
             b.Append(u"xyz", -1, 2);
         }},
        {"char behind text",
         [](auto& b) {
             b.CharAt(5);
         }},
        {"char before start",
         [](auto& b) {
             b.CharAt(-1);
         }},
        {"length past capacity",
         [](auto& b) {
             b.SetLength(b.Capacity() + 1);
         }},
        {"negative length",
         [](auto& b) {
             b.SetLength(-1);
         }},
        {"negative capacity",
         [](auto& b) {
             b.SetCapacity(-1);
         }},
    };
    for (const auto& c : cases) {
        TCkStringBuilder b(u"abcde", 8);
        EXPECT_THROW(c.step(b), ArgumentOutOfRangeException) << c.name;
        EXPECT_EQ(b.ToString(), QStringLiteral("abcde")) << c.name;
    }
}

TEST(StringBuilder, ReplaceRefusesEmptySearchAndResultsPastTheMaximum) {
    TCkStringBuilder b(3, 8); // 3 + 5 does not pass 8; the text then holds at most 8
    b.Append(u"a.b.c");
    try {
        b.Replace(u"", u"x", 0, -1);
        FAIL() << "empty search text accepted";
    } catch (const ArgumentException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Argument 0 is null"));
    }
    EXPECT_THROW(b.Replace(u".", u"...", 0, -1), ArgumentOutOfRangeException);
    EXPECT_EQ(b.ToString(), QStringLiteral("a.b.c"));
    b.Replace(u".", u"..", 0, -1); // seven characters still fit
    EXPECT_EQ(b.ToString(), QStringLiteral("a..b..c"));
}

TEST(StringBuilder, CapacityAndLength) {
    TCkStringBuilder b(u"abcdef", 6);
    EXPECT_EQ(b.EnsureCapacity(3), 6);
    EXPECT_EQ(b.EnsureCapacity(20), 20);
    b.SetCapacity(4);
    EXPECT_EQ(b.Length(), 4);
    EXPECT_EQ(b.ToString(), QStringLiteral("abcd"));
    b.SetLength(2);
    EXPECT_EQ(b.ToString(), QStringLiteral("ab"));
    EXPECT_EQ(b.CharAt(1), QChar(u'b'));
    b.SetLength(0);
    EXPECT_EQ(b.ToString(), QString());
    EXPECT_EQ(b.MaxCapacity(), TCkStringBuilder::DefaultMaxCapacity);
    EXPECT_THROW(TCkStringBuilder(-1), ArgumentOutOfRangeException);
}

TEST(StringBuilder, PartConstructorTakesTheZeroBasedStart) {
    EXPECT_EQ(TCkStringBuilder(u"abcdef", 2, 3, 1).ToString(), QStringLiteral("cde"));
}

struct Named : ICkToString {
    QString ToString() const override { return QStringLiteral("named"); }
};

TEST(StringBuilder, ObjectsAndFormatsAppendTheirText) {
    Named named;
    TCkStringBuilder inner(u"in", 2);
    TCkStringBuilder b(0);
    b.Append(&named).AppendFormat(u" {1}-{0} ", 1, u'c').Append(&inner).Insert(0, &named);
    EXPECT_EQ(b.ToString(), QStringLiteral("namednamed c-1 in"));
    EXPECT_THROW(b.Append(static_cast<const ICkToString*>(nullptr)), ArgumentNullException);
}

TEST(StringBuilder, FloatTextFollowsTheLocaleSeparator) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TCkStringBuilder b(0);
    b.Append(1234.5);
    QLocale::setDefault(previous);
    EXPECT_EQ(b.ToString(), QStringLiteral("1234,5"));
}

} // namespace
