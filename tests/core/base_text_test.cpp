#include <gtest/gtest.h>

#include "base/Text.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"

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

// The ASCII stretches are checked eight bytes at a time: a non-ASCII byte at
// any place of a word, and sequences across word edges, must still be seen.
TEST(Utf8Text, EveryPlaceOfALongTextIsChecked) {
    for (size_t at = 0; at < 24; ++at) {
        std::string text(24, 'a');
        text[at] = '\xE9';  // a Latin-1 byte: not UTF-8 on its own
        EXPECT_FALSE(IsValidUtf8(text)) << at;
        EXPECT_EQ(TextAsUtf8(text), std::string(at, 'a') + "\xC3\xA9" + std::string(23 - at, 'a')) << at;
        if (at + 2 <= text.size()) {
            text.replace(at, 2, "\xC3\xA9");  // the same letter in UTF-8, possibly across a word's end
            EXPECT_TRUE(IsValidUtf8(text)) << at;
            EXPECT_EQ(TextAsUtf8(text), text) << at;
        }
    }
}
