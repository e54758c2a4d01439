#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// The texts of the list order keys; the code is the index: "None", "Age",
/// "Availability", "Gender", "Last Name", "First Name". Untranslated.
const std::vector<std::string>& OrderKeyNames();

/// One entry of an order box: the code it stands for and its text.
struct OrderChoice {
    int32_t code = 0;
    std::string text;
};

/// The entries of both order boxes, codes 0 to 5 in order; without "Availability"
/// (code 2) where the list has no hour of its own to be free at.
std::vector<OrderChoice> OrderChoices(bool offerAvailability);

/// The entry showing `code`, or -1 when the boxes hold no such entry (a stored
/// "Availability" where it is not offered, or a damaged stored code).
int OrderEntryForCode(const std::vector<OrderChoice>& choices, int32_t code);

/// The code an OK stores for a box showing `entry`. A box without a selection
/// stores nothing new: the stored code is kept.
int32_t OrderCodeForEntry(const std::vector<OrderChoice>& choices, int entry, int32_t stored);

/// Reads "KEY[,KEY]" of key texts (letter case and blanks around a key do not
/// matter): the first and second order codes, the second 0 when not given.
/// Empty when a key is unknown or not offered, or more than two are given.
std::optional<std::pair<int32_t, int32_t>> ParseOrderKeys(std::string_view text, bool offerAvailability);
