// String helpers: null tolerance and bounded copies.

#include "core/str.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(StrCompare, NullAndFirstCharacterRules)
{
    EXPECT_EQ(str_cmp("abc", "abc"), 0);
    EXPECT_NE(str_cmp("abc", "abd"), 0);
    EXPECT_EQ(str_cmp(nullptr, nullptr), 1);
    EXPECT_EQ(str_cmp("a", nullptr), 1);
    EXPECT_EQ(str_cmp("abc", "xbc"), 1);
    EXPECT_EQ(str_cmp("", ""), 0);
    EXPECT_EQ(str_ncmp("abcdef", "abcxyz", 3), 0);
    EXPECT_NE(str_ncmp("abcdef", "abcxyz", 4), 0);
    EXPECT_EQ(str_ncmp(nullptr, "a", 1), 1);
    EXPECT_EQ(str_casecmp("Render_Sync", "render_SYNC"), 0);
    EXPECT_EQ(str_casecmp(nullptr, "x"), 1);
    EXPECT_EQ(str_casecmp("x", nullptr), 1);
}

TEST(StrLength, NullIsZero)
{
    EXPECT_EQ(str_len(nullptr), 0);
    EXPECT_EQ(str_len(""), 0);
    EXPECT_EQ(str_len("level101"), 8);
}

TEST(StrCopy, CutsToTheFieldAndToleratesNull)
{
    char field[64];
    std::string hundred(100, 'q');
    str_copy64(field, hundred.c_str());
    EXPECT_EQ(std::string(field), hundred.substr(0, 63));
    str_copy64(field, nullptr);
    EXPECT_STREQ(field, "");
    str_copy64(nullptr, "x");

    char small[8];
    memset(small, 'x', sizeof(small));
    str_copy_n(small, "abcdefghijk", sizeof(small));
    EXPECT_STREQ(small, "abcdefg");
    str_copy_n(small, "abc", sizeof(small));
    EXPECT_STREQ(small, "abc");
    char one[1] = {'x'};
    str_copy_n(one, "abc", 1);
    EXPECT_EQ(one[0], 0);
}

TEST(StrCase, LowerAndSlashesInPlace)
{
    char name[] = "Bitmaps\\FLOOR-1_3.BMP";
    str_lower(name);
    str_fix_slashes(name);
    EXPECT_STREQ(name, "bitmaps/floor-1_3.bmp");
    str_lower(nullptr);
    str_fix_slashes(nullptr);
}

} // namespace
