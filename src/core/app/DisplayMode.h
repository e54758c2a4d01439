#pragma once
#include <string>

#include "app/DisplayRows.h"

class Sim;
class SimRegistry;

/// What the main window's display list shows. The list's label names the
/// mode; the window refreshes the list in the mode its label names.
enum class DisplayMode {
    Nothing,          ///< "Display List:" — nothing chosen yet
    CurrentFriends,   ///< "Current Friends:"
    PossibleFriends,  ///< "Possible Friends (Left Sim likes):"
    ChemistrySims,    ///< "Chemistry Sims:"
};

/// The label text of a mode.
std::string DisplayModeLabel(DisplayMode mode);

/// The mode a label names. Any text that is not one of the other three
/// labels means possible friends, as the refresh has always treated it.
DisplayMode DisplayModeForLabel(const std::string& label);

/// The request that fills the display list in a mode for a Sim: its friends
/// (every row a friend), its possible friends, or its chemistry Sims. The
/// mode Nothing gives an empty request; callers do not fill the list then.
DisplayRequest DisplayRequestFor(DisplayMode mode, const SimRegistry& registry, const Sim& sim,
                                 int hour);
