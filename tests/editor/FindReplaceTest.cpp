// Tests of find and replace as the editor's dialogs use them.
#include "editor/FindReplace.h"

#include <gtest/gtest.h>

namespace pixmaro {

void PrintTo(const TextRange &r, std::ostream *os)
{
    *os << '[' << r.start << ", +" << r.length << ']';
}

namespace {

struct FindRow {
    const char *text;
    const char *what;
    TextRange selection;
    FindOptions options;
    qsizetype expectedStart; // -1: nothing found
};

void PrintTo(const FindRow &row, std::ostream *os)
{
    *os << '"' << row.text << "\" / \"" << row.what << "\" from " << row.selection.start << '+'
        << row.selection.length << (row.options.down ? " down" : " up")
        << (row.options.matchCase ? " case" : "") << (row.options.wholeWord ? " word" : "");
}

class Find : public ::testing::TestWithParam<FindRow> { };

TEST_P(Find, FindsTheNextMatchWithoutWrapping)
{
    const FindRow &row = GetParam();
    const auto found = FindNext(row.text, row.what, row.selection, row.options);
    if (row.expectedStart < 0) {
        EXPECT_FALSE(found.has_value());
    } else {
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, (TextRange { row.expectedStart, qsizetype(strlen(row.what)) }));
    }
}

constexpr FindOptions kDown {};
constexpr FindOptions kUp { false, false, false };
constexpr FindOptions kCase { true, false, true };
constexpr FindOptions kWord { false, true, true };
constexpr FindOptions kWordUp { false, true, false };

INSTANTIATE_TEST_SUITE_P(Rows, Find,
    ::testing::Values(FindRow { "abc abc", "abc", { 0, 0 }, kDown, 0 },
        FindRow { "abc abc", "abc", { 0, 3 }, kDown, 4 }, // from the selection's end
        FindRow { "abc abc", "abc", { 4, 3 }, kDown, -1 }, // no wrap to the start
        FindRow { "abc abc", "abc", { 4, 3 }, kUp, 0 }, // up: wholly before the start
        FindRow { "abc abc", "abc", { 2, 0 }, kUp, -1 }, // a match over the caret does not count
        FindRow { "abc abc", "abc", { 7, 0 }, kUp, 4 },
        FindRow { "ABC abc", "abc", { 0, 0 }, kDown, 0 }, // case ignored
        FindRow { "ABC abc", "abc", { 0, 0 }, kCase, 4 },
        FindRow { "cat concat cat_x cat", "cat", { 0, 1 }, kWord, 17 },
        FindRow { "cat concat cat_x cat", "cat", { 17, 0 }, kWordUp, 0 },
        FindRow { "<TD>x</TD>", "td", { 0, 0 }, kWord, 1 }, // "<" and ">" are not word letters
        FindRow { "abc", "", { 0, 0 }, kDown, -1 }, // an empty search finds nothing
        FindRow { "abc", "", { 3, 0 }, kUp, -1 }, FindRow { "", "a", { 0, 0 }, kDown, -1 },
        FindRow { "abc", "abc", { 99, 0 }, kUp, 0 })); // a selection past the end is clamped

TEST(Replace, AllFromTheCaretAlwaysEnds)
{
    // A replacement holding the search text is never searched again.
    ReplaceResult r = ReplaceAll("a a a", "a", "aa", { 0, 0 }, kDown);
    EXPECT_EQ(r.text, "aa aa aa");
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.selection, (TextRange { 6, 2 }));
    // From the caret onwards only, in either direction.
    r = ReplaceAll("a a a", "a", "b", { 2, 0 }, kDown);
    EXPECT_EQ(r.text, "a b b");
    r = ReplaceAll("a a a", "a", "aa", { 3, 0 }, kUp);
    EXPECT_EQ(r.text, "aa aa a");
    EXPECT_EQ(r.count, 2);
    EXPECT_EQ(r.selection, (TextRange { 0, 2 }));
    // Replacing by nothing and by the same text end too.
    EXPECT_EQ(ReplaceAll("xxxx", "x", "", { 0, 0 }, kDown).text, "");
    EXPECT_EQ(ReplaceAll("xxxx", "x", "x", { 0, 0 }, kDown).count, 4);
    // An empty search text changes nothing.
    r = ReplaceAll("abc", "", "z", { 1, 0 }, kDown);
    EXPECT_EQ(r.text, "abc");
    EXPECT_EQ(r.count, 0);
    // Whole words and case.
    EXPECT_EQ(ReplaceAll("Cat cat concat", "cat", "dog", { 0, 0 }, kWord).text, "dog dog concat");
    EXPECT_EQ(ReplaceAll("Cat cat concat", "cat", "dog", { 0, 0 }, kCase).text, "Cat dog condog");
}

} // namespace
} // namespace pixmaro
