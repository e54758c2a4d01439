#include <gtest/gtest.h>

#include "base/Text.h"
#include "base/Translate.h"

TEST(AtoiLike, ReadsLikeTheCLibraryAndSaturates) {
    struct Case { const char* in; int32_t out; } cases[] = {
        {"42", 42}, {"  -7x", -7}, {"+3", 3}, {"", 0}, {"abc", 0}, {"1.9", 1},
        {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1}, {"\t12", 12},
    };
    for (const auto& c : cases) EXPECT_EQ(AtoiLike(c.in), c.out) << c.in;
}

TEST(CompareNoCase, FoldsAsciiOnly) {
    EXPECT_EQ(CompareNoCase("abc", "ABC"), 0);
    EXPECT_LT(CompareNoCase("abc", "abd"), 0);
    EXPECT_GT(CompareNoCase("b", "A"), 0);
    EXPECT_LT(CompareNoCase("ab", "abc"), 0);
    EXPECT_EQ(AsciiLower("MiXeD \xC3\x89"), "mixed \xC3\x89");
}

TEST(Translate, HookIsUsedAndRemovable) {
    EXPECT_EQ(tr("Ready"), "Ready");
    SetTranslateHook([](std::string_view t) { return "<" + std::string(t) + ">"; });
    EXPECT_EQ(tr("Ready"), "<Ready>");
    SetTranslateHook(nullptr);
    EXPECT_EQ(tr("Ready"), "Ready");
}
