// The completion list's enumerator: what each step hands out and answers.

#include "components/edit/auto_complete_source.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using Source = TAutoCompleteSource;

TEST(AutoCompleteSource, EnumeratesItsItemsFromItsPosition) {
    Source source({"alpha", "beta", "gamma"});
    QString got[4];
    unsigned fetched = 99;
    const struct {
        const char* name;
        std::function<Source::HRESULT()> step;
        Source::HRESULT answer;
        int position;
    } steps[] = {
        {"two of three", [&] { return source.Next(2, got, &fetched); }, Source::S_OK, 2},
        {"more than are left", [&] { return source.Next(4, got, &fetched); }, Source::S_FALSE, 3},
        {"none left", [&] { return source.Next(1, got, &fetched); }, Source::S_FALSE, 3},
        {"back to the start", [&] { return source.Reset(); }, Source::S_OK, 0},
        {"skip to an item", [&] { return source.Skip(2); }, Source::S_OK, 2},
        {"skip onto the end", [&] { return source.Skip(1); }, Source::S_FALSE, 3},
        {"skip past the end", [&] { return (source.Reset(), source.Skip(7)); }, Source::S_FALSE, 3},
        {"no array", [&] { return (source.Reset(), source.Next(1, nullptr, &fetched)); },
         Source::E_FAIL, 0},
        {"no count wanted", [&] { return source.Next(1, got, nullptr); }, Source::S_OK, 1},
    };
    const unsigned fetchedAfter[] = {2, 1, 0, 0, 0, 0, 0, 0, 0};
    const char* firstAfter[] = {"alpha", "gamma", "gamma", "gamma", "gamma",
                                "gamma", "gamma", "gamma", "alpha"};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(steps[i].name);
        fetched = 0;
        EXPECT_EQ(steps[i].step(), steps[i].answer);
        EXPECT_EQ(source.Position(), steps[i].position);
        EXPECT_EQ(fetched, fetchedAfter[i]);
        EXPECT_EQ(got[0], firstAfter[i]);
    }
    EXPECT_EQ(got[1], "beta") << "the first Next filled two";
}

TEST(AutoCompleteSource, ACloneGoesOnFromTheSamePositionOnItsOwn) {
    Source source({"alpha", "beta", "gamma"});
    source.Skip(1);
    std::unique_ptr<Source> clone;
    ASSERT_EQ(source.Clone(clone), Source::S_OK);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Position(), 1);
    QString got[2];
    unsigned fetched = 0;
    EXPECT_EQ(clone->Next(2, got, &fetched), Source::S_OK);
    EXPECT_EQ(got[0], "beta");
    EXPECT_EQ(got[1], "gamma");
    EXPECT_EQ(source.Position(), 1) << "the original does not move";
    EXPECT_EQ(source.Next(1, got, &fetched), Source::S_OK);
    EXPECT_EQ(got[0], "beta");
}

} // namespace
