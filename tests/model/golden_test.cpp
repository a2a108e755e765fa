#include "model/golden.h"

#include <gtest/gtest.h>

using kinrow::testing::FirstDifferingLine;

TEST(Golden, TheFirstDifferingLineIsNamedWithBothTexts)
{
    const struct
    {
        const char* expected;
        const char* actual;
        const char* difference;
    } cases[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n", ""},
        {"a\nb\nc\n", "a\nB\nc\n",
         "first difference at line 2\n  expected: \"b\"\n  actual:   \"B\""},
        {"a\r\n", "a\n", "first difference at line 1\n  expected: \"a\\r\"\n  actual:   \"a\""},
        {"a\nb", "a\n", "first difference at line 2\n  expected: \"b\"\n  actual:   \"\""},
        {"a\n", "a\nb\n", "first difference at line 2\n  expected: \"\"\n  actual:   \"b\""},
        {"a", "a\n", "first difference at line 2\n  expected: (no line)\n  actual:   \"\""},
        {"\xc3\xa7\\", "c\\",
         "first difference at line 1\n  expected: \"\\xc3\\xa7\\\\\"\n  actual:   \"c\\\\\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstDifferingLine(c.expected, c.actual), c.difference) << c.actual;
}
