#pragma once
#include <string>
#include <vector>

class FamilyList;

/// The names of every family, homeless ones included, in name order (case ignored;
/// equal names keep their list order), decoded for display. The neighborhood itself
/// is left in its order: the file keeps its families as they were.
std::vector<std::string> FamilyNamesInNameOrder(const FamilyList& families);
