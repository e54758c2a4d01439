#pragma once
#include <functional>
#include <string>
#include <string_view>

class SimRegistry;

/// Takes the export's bytes piece by piece; answering false stops the export.
using GedcomSink = std::function<bool(std::string_view)>;

/// Writes the neighborhood as a lineage-linked GEDCOM 5.5.1 file in UTF-8, for
/// genealogy programs:
/// - one INDI per Sim (families in list order, members in family order, then
///   any Sim outside a family), with its name, sex and a NOTE holding sign,
///   aspiration, life stage, the flags, degree and career text;
/// - one INDI per distinct typed-in parent name, in the order first met, so
///   that the lines go on past the neighborhood's Sims;
/// - one FAM per pair of recorded parents (or single recorded parent), in the
///   order first met, with a CHIL for each child, and one FAM per married or
///   committed pair that has no child together; married parents get MARR.
/// Cross-references follow that order only, so the same neighborhood always
/// gives the same bytes (the header carries no date for the same reason).
/// Reads the registry only. False when the sink refused bytes.
bool WriteGedcom(const SimRegistry& registry, const std::string& programVersion, const GedcomSink& sink);

/// The whole export as one text.
std::string GedcomText(const SimRegistry& registry, const std::string& programVersion);

/// Exports to `path` through the safe writer (temporary file, flush, rename):
/// the file is either the old one or the whole export. False with `error` set
/// when it cannot be written.
bool ExportGedcomFile(const SimRegistry& registry, const std::string& programVersion,
                      const std::string& path, std::string& error);
