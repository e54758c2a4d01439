#pragma once
#include <string>
#include <string_view>

class WordFileNames;

/// The text with its first character in upper case, the rest as typed. UTF-8
/// aware: "émile" gives "Émile"; Latin, Greek and Cyrillic letters are raised,
/// anything else (and bytes that are not UTF-8) stays as it is.
std::string CapitalisedFirst(std::string_view text);

/// The three lists of the names file, as the name generator's radio box orders them.
enum class NameListKind { Male = 0, Female = 1, Last = 2 };

enum class NameAddResult {
    Empty,       ///< nothing typed (or only blanks): nothing happens
    Added,       ///< the name joined its list
    AlreadyThere,  ///< the list already holds it (letter case aside)
    Refused,     ///< the name cannot be kept as one line of the names file
};

/// Adds a typed name to one list of the names file: blanks around it dropped,
/// its first letter raised.
NameAddResult AddTypedName(WordFileNames& names, NameListKind kind, std::string_view typed);
