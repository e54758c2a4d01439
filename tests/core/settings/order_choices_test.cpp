#include <gtest/gtest.h>

#include "settings/HighlightChoice.h"
#include "settings/OrderChoices.h"

namespace {

std::vector<std::string> Texts(const std::vector<OrderChoice>& choices) {
    std::vector<std::string> out;
    for (const OrderChoice& c : choices) out.push_back(c.text);
    return out;
}

TEST(OrderChoices, AvailabilityOnlyWhereOffered) {
    EXPECT_EQ(Texts(OrderChoices(true)),
              (std::vector<std::string>{"None", "Age", "Availability", "Gender", "Last Name", "First Name"}));
    const auto fromList = OrderChoices(false);
    EXPECT_EQ(Texts(fromList), (std::vector<std::string>{"None", "Age", "Gender", "Last Name", "First Name"}));
    // "Gender" is the third entry there and stores 3.
    EXPECT_EQ(OrderCodeForEntry(fromList, 2, 0), 3);
    EXPECT_EQ(OrderEntryForCode(fromList, 5), 4);
}

TEST(OrderChoices, AStoredKeyWithoutAnEntryIsKeptOnOk) {
    const auto fromList = OrderChoices(false);
    // A stored "Availability" opened from the availability list, and damaged codes.
    for (int32_t stored : {2, 6, -1, 1000}) {
        EXPECT_EQ(OrderEntryForCode(fromList, stored), -1) << stored;
        EXPECT_EQ(OrderCodeForEntry(fromList, OrderEntryForCode(fromList, stored), stored), stored) << stored;
    }
    EXPECT_EQ(OrderEntryForCode(OrderChoices(true), 2), 2);
    EXPECT_EQ(OrderCodeForEntry(fromList, 99, 4), 4);
}

TEST(OrderChoices, KeysReadFromText) {
    struct Case { const char* text; bool offer; std::optional<std::pair<int32_t, int32_t>> expected; };
    const Case cases[] = {
        {"Last Name", false, std::make_pair(4, 0)},
        {"gender,first name", false, std::make_pair(3, 5)},
        {" Age , Last Name ", false, std::make_pair(1, 4)},
        {"Availability", false, std::nullopt},
        {"Availability,Age", true, std::make_pair(2, 1)},
        {"Height", false, std::nullopt},
        {"Age,", false, std::nullopt},
        {"Age,Gender,None", false, std::nullopt},
        {"", false, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseOrderKeys(c.text, c.offer), c.expected) << c.text;
}

TEST(HighlightChoice, UnknownValuesShowAsGender) {
    EXPECT_EQ(HighlightChoiceFor(0), 0);
    EXPECT_EQ(HighlightChoiceFor(1), 1);
    EXPECT_EQ(HighlightChoiceFor(2), 2);
    EXPECT_EQ(HighlightChoiceFor(5), 2);
    EXPECT_EQ(HighlightChoiceFor(-1), 2);
}

}  // namespace
