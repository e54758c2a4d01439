#pragma once
#include <string>

/// The file name part of a path: the text after its last '\' or '/', the whole text
/// when it has neither. Files named in older neighborhoods carry Windows separators.
std::string FileNamePart(const std::string& path);
