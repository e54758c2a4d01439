#pragma once
#include <cstdint>
#include <string>
#include <vector>

class SimRegistry;

/// One row of the aspiration summary: the aspiration, how many Sims hold it.
struct AspirationRow {
    int32_t aspiration = 0;
    std::string text;
    size_t count = 0;
};

/// Rebuilds the registry's aspiration groups (every time, so that a neighborhood
/// emptied since the last showing counts zeros) and gives one row per aspiration in
/// table order. A row counts the Sims its list shows (neither Children nor Townies),
/// so that a count and the list it opens always agree.
std::vector<AspirationRow> AspirationSummaryRows(SimRegistry& registry);

/// How many Sims of the groups last built are left out of the counts and lists
/// (the Children and Townies among them).
size_t AspirationLeftOutCount(const SimRegistry& registry);

/// The line the aspiration window shows under its lists, saying what they leave out.
std::string AspirationLeftOutNote(size_t leftOut);

/// The Sims listed for an aspiration from the groups last built: neither Children
/// nor Townies, by full name in the order the list shows them.
std::vector<std::string> AspirationSimNames(const SimRegistry& registry, int32_t aspiration);

/// The aspiration whose text is `text` (any case); -1 when none.
int32_t AspirationCodeForText(const std::string& text);
