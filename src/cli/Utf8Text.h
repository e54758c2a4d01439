#pragma once
#include <string>
#include <string_view>

/// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

/// Names in neighborhood files are bytes: files written on Windows hold
/// Windows-1252 text. Valid UTF-8 is kept as it is; anything else is read as
/// Windows-1252, so the result is always valid UTF-8 and every byte shows.
std::string TextAsUtf8(std::string_view bytes);
