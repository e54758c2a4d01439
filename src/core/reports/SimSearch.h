#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FamilyList;

/// One entry of the search results: the text shown and the Sim it stands for
/// (-1 for the entry that says nothing matched).
struct SearchEntry {
    std::string text;
    int32_t simId = -1;
};

/// Every member of every family whose first name equals `firstName` without regard
/// to letter case (the whole name; blanks count; both decoded, so either encoding
/// of a name finds it), as its full name, in the order the
/// results list shows them. A search that finds nobody answers the single entry
/// "No matching Sims found"; a neighborhood without families answers no entry at all.
/// An empty text is the caller's to refuse (the results then stay as they were).
std::vector<SearchEntry> SearchByFirstName(const FamilyList& families, std::string_view firstName);
