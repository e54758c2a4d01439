#include <gtest/gtest.h>

#include "names/NameAdding.h"
#include "names/WordFileNames.h"

namespace {

TEST(NameCapitals, FirstCharacterRaisedUtf8Safe) {
    struct Case { const char* typed; const char* expected; };
    const Case cases[] = {
        {"mary", "Mary"},
        {"mARY", "MARY"},
        {"Mary", "Mary"},
        {"\xC3\xA9mile", "\xC3\x89mile"},          // émile -> Émile
        {"\xC3\xBF", "\xC5\xB8"},                  // ÿ -> Ÿ
        {"\xC5\x82ucja", "\xC5\x81ucja"},          // łucja -> Łucja
        {"\xC5\xBEofia", "\xC5\xBDofia"},          // žofia -> Žofia
        {"\xD0\xB0\xD0\xBD\xD1\x8F", "\xD0\x90\xD0\xBD\xD1\x8F"},  // аня -> Аня
        {"\xCE\xB1", "\xCE\x91"},                  // α -> Α
        {"\xC3\xB7x", "\xC3\xB7x"},                // ÷ has no capital
        {"1abc", "1abc"},
        {"\xE9mile", "\xE9mile"},                  // not UTF-8: left alone, not cut
        {"\xC3", "\xC3"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CapitalisedFirst(c.typed), c.expected) << c.typed;
}

TEST(NameAdding, AddsToTheChosenListOnce) {
    WordFileNames names;
    EXPECT_EQ(AddTypedName(names, NameListKind::Female, "mary"), NameAddResult::Added);
    EXPECT_EQ(names.femaleNames, std::vector<std::string>{"Mary"});
    EXPECT_TRUE(names.maleNames.empty());
    EXPECT_EQ(AddTypedName(names, NameListKind::Female, "  MARY "), NameAddResult::AlreadyThere);
    EXPECT_EQ(names.femaleNames.size(), 1u);
    EXPECT_EQ(AddTypedName(names, NameListKind::Male, "  mary "), NameAddResult::Added);
    EXPECT_EQ(names.maleNames, std::vector<std::string>{"Mary"});
    EXPECT_EQ(AddTypedName(names, NameListKind::Last, "o'neil"), NameAddResult::Added);
    EXPECT_EQ(names.lastNames, std::vector<std::string>{"O'neil"});
}

TEST(NameAdding, EmptyAndUnstorableNames) {
    WordFileNames names;
    EXPECT_EQ(AddTypedName(names, NameListKind::Male, ""), NameAddResult::Empty);
    EXPECT_EQ(AddTypedName(names, NameListKind::Male, "   "), NameAddResult::Empty);
    // A header would move the names after it to another list when read back.
    EXPECT_EQ(AddTypedName(names, NameListKind::Female, "[male]"), NameAddResult::Refused);
    EXPECT_TRUE(names.femaleNames.empty());
}

}  // namespace
