#pragma once
#include <cstddef>
#include <string_view>

/// One PNG compiled into the program, found by its resource name ("NESTREL", "ADD", ...).
struct EmbeddedIcon {
    const char* name;
    const unsigned char* data;
    size_t size;
};

/// All compiled-in icons (generated at build time from resources/icons).
const EmbeddedIcon* EmbeddedIconTable(size_t& count);

/// The icon of that name, or nullptr.
const EmbeddedIcon* FindEmbeddedIcon(std::string_view name);
