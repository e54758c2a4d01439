#pragma once
#include <string_view>

class Family;
class FamilyList;
class Sim;
class SimRegistry;

// Names a person types (on the command line, in a terminal that speaks UTF-8) find the
// family or Sim whatever encoding the file stored its names in: the stored bytes are
// tried first, then each stored name decoded on its own is compared with the typed
// text decoded the same way. The registry's own lookups stay byte-exact, as the file
// format wants.

/// The first family of the list named `name`; nullptr when none.
Family* FindFamilyByTypedName(const FamilyList& families, std::string_view name);

/// The Sim whose full name ("first family") is `fullName`: the registry's exact lookup,
/// else the first registered Sim whose shown full name reads the same; nullptr when none.
Sim* FindSimByTypedName(const SimRegistry& registry, std::string_view fullName);
