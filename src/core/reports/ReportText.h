#pragma once
#include <string>
#include <string_view>
#include <vector>

// Small text helpers shared by the neighborhood reports.

/// The file's own name: the text after its last '/' or '\' (a name may come from
/// either kind of system), or the whole text when it has neither.
std::string FileNameOnly(std::string_view path);

/// The order in which the reports' sorted lists show their entries: letters compared
/// without regard to case, and entries that differ only in case in byte order, so
/// that the order is always the same.
bool ShownBefore(const std::string& a, const std::string& b);

/// Sorts texts into the order above.
void SortForList(std::vector<std::string>& texts);
