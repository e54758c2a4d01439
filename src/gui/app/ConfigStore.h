#pragma once
#include <string>

#include <wx/gdicmn.h>

#include "chemistry/ChemMatching.h"

class NeighborhoodFile;

/// The keys the program keeps in the per-user configuration store, besides "InstDir"
/// which only the installer writes.
namespace ConfigKey {
inline constexpr const char* SimFile = "SimFile";        // the neighborhood to load at start
inline constexpr const char* BackupFile = "BackupFile";  // the suggested backup name
inline constexpr const char* MatchWidth = "matchx";      // the matchmaker window's size
inline constexpr const char* MatchHeight = "matchy";
inline constexpr const char* UpdateHost = "UpdateHost";  // "host" or "host:port" of the update check
// The choices of the chemistry matching window, kept for its next opening.
inline constexpr const char* ChemMatchAge = "ChemMatchAge";
inline constexpr const char* ChemMatchTownies = "ChemMatchTownies";
inline constexpr const char* ChemMatchDifferentAges = "ChemMatchDifferentAges";
inline constexpr const char* ChemMatchMatchedUp = "ChemMatchMatchedUp";
inline constexpr const char* ChemMatchMarried = "ChemMatchMarried";
inline constexpr const char* AutoSaveSeconds = "AutoSaveSeconds";  // between recovery copies; 0: none
inline constexpr const char* TreeSideways = "TreeSideways";  // "1": family trees are drawn sideways
}  // namespace ConfigKey

/// The text stored under `key`, or the empty text when the store has none.
std::string ReadConfigText(const char* key);

/// Hands the stored "SimFile" and "BackupFile" to the file object, which falls back on
/// them when it has no names of its own.
void LoadConfiguredFileNames(NeighborhoodFile& file);

/// Writes the file object's current and backup names to "SimFile" and "BackupFile"
/// (each only when it is not empty) and writes the store out.
void StoreFileNames(const NeighborhoodFile& file);

/// The matchmaker window's size as stored: 300 for a value that is missing or empty,
/// otherwise the number at the start of the text. A stored size that could not show
/// a usable window (below 200) also gives 300.
wxSize ReadMatchmakerSize();
void WriteMatchmakerSize(const wxSize& size);

/// The chemistry matching window's choices as last left: the life stage (0 Elder,
/// 1 Adult, 2 Teen; Teen when missing or out of range) and each option set when
/// stored as 1.
ChemMatchOptions ReadChemMatchOptions();
void WriteChemMatchOptions(const ChemMatchOptions& options);

/// One stored dimension as ReadMatchmakerSize reads it.
int MatchmakerDimensionFromText(const std::string& text);
