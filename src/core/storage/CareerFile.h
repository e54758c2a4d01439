#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

class CareerDefinition;
class CareerList;
class GroupFile;
class NestrelCareerInfo;
class Prompter;
class SimCareerData;

/// Where the career data file lies: the install directory's "/Data/" folder;
/// an empty name means "SimCareers", a name without a '.' gets ".ini".
std::string CareerFilePath(const std::string& installDir, const std::string& fileName);

/// Reads the career data file into `list` (appending) and its "vers" value
/// into `version` (left alone when the file has none). True when the file
/// could be read and held at least one group; otherwise the list is unchanged.
bool ReadCareerFile(CareerList& list, std::string& version, const std::string& installDir,
                    const std::string& fileName = std::string());

/// The same for groups already read (tests and the fuzz target use it).
bool ReadCareerGroups(const GroupFile& groups, CareerList& list, std::string& version);

/// Compares two version texts byte by byte; a text that is a prefix of the
/// other is the smaller. Negative, zero or positive. Versions are compared as
/// text on purpose: files carry whatever text the career file had.
int CompareVersionText(const std::string& a, const std::string& b);

/// The check run at every neighborhood load: a neighborhood file written
/// against an older career file offers to renumber its Sims' careers (the
/// answer is returned); one written against a newer file is warned about.
/// Equal versions ask nothing. Returns whether careers are to be renumbered.
bool CheckCareerVersion(const std::string& fileCareerVersion, const std::string& careerVersion,
                        Prompter& prompter);

/// Builds a Sim's career from the values stored in a neighborhood file:
/// renumbers the legacy career code when asked, sends an unemployed Teen to
/// School and attaches the career's definition from the table (when given).
void CareerFromStoredValues(SimCareerData& career, int32_t lifeStage, int32_t careerCode,
                            int16_t level, bool renumber, const NestrelCareerInfo* info);

/// Career texts already built during one read of a file, by the fields they
/// are built from. Sims share a few hundred combinations, and building a text
/// takes a dozen strings. Keep one only while the career table and the
/// translations stay as they are.
class CareerTextCache {
public:
    const std::string& Text(const CareerDefinition* definition, int32_t careerCode, int32_t lifeStage,
                            int16_t level);

private:
    std::map<std::tuple<const CareerDefinition*, int32_t, int32_t, int16_t>, std::string> texts_;
};

/// CareerFromStoredValues with the text taken from the cache.
void CareerFromStoredValues(SimCareerData& career, int32_t lifeStage, int32_t careerCode, int16_t level,
                            bool renumber, const NestrelCareerInfo* info, CareerTextCache& cache);
