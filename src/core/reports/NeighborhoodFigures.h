#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class SimRegistry;

/// The figures of the neighborhood information window.
struct NeighborhoodFigures {
    std::string fileName;  // without its folders
    size_t families = 0;   // families with a home, as the main window lists them
    size_t homelessFamilies = 0;
    size_t sims = 0;       // every registered Sim, also one in no family
    int males = 0;         // these three count family members only
    int females = 0;
    int childrenAndTeens = 0;
};

NeighborhoodFigures ComputeNeighborhoodFigures(const SimRegistry& registry);

/// "%d (%.01f%%)": a count and its share of all Sims (0.0% when there are none).
std::string CountWithShare(int count, size_t total);

/// The window's seven rows, label and value: "Name: ", "Number of Families: ",
/// "Homeless Families: ", "Number of Sims: ", "Males: ", "Females: ", "Children/Teens: ".
std::vector<std::pair<std::string, std::string>> NeighborhoodInfoRows(const NeighborhoodFigures& figures);
