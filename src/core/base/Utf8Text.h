#pragma once
#include <string>
#include <string_view>

// Names are kept as the bytes they were read or typed as: everything this program
// writes is UTF-8, but files written on Windows hold Windows-1252 text. Each stored
// text is decoded on its own, so a UTF-8 first name in a family whose name came from
// such a file still shows right; texts are joined for display only after decoding.

/// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);

/// Valid UTF-8 is kept as it is; anything else is read as Windows-1252, so the
/// result is always valid UTF-8 and every byte shows.
std::string TextAsUtf8(std::string_view bytes);

/// Appends `bytes` to `out` decoded as TextAsUtf8 decodes it.
void AppendAsUtf8(std::string& out, std::string_view bytes);
