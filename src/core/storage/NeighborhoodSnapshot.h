#pragma once
#include <string>

class SimRegistry;

/// A text description of everything the neighborhood file stores about a
/// neighborhood (families in list order, every member's fields and links by
/// full name), for checking that a file reads back to what was written.
///
/// With `asStored` set, the two things the file cannot carry are described
/// the way a reload sees them: a partner is kept only for the statuses that
/// have one (1, 2, 4), and such a status without a partner reads as Single.
std::string DescribeNeighborhood(const SimRegistry& registry, bool asStored = false);
