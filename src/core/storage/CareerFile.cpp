#include "storage/CareerFile.h"

#include <cstring>
#include <memory>
#include <string_view>

#include "base/Prompter.h"
#include "base/Text.h"
#include "base/Translate.h"
#include "careers/CareerList.h"
#include "careers/CareerText.h"
#include "careers/NestrelCareerInfo.h"
#include "careers/SimCareerData.h"
#include "model/Vocabulary.h"
#include "storage/GroupFile.h"

std::string CareerFilePath(const std::string& installDir, const std::string& fileName) {
    std::string name = fileName.empty() ? std::string("SimCareers") : fileName;
    if (name.find('.') == std::string::npos) name += ".ini";
    return installDir + "/Data/" + name;
}

namespace {

// One level slot: "position,friends,salary,hours". Empty tokens are kept;
// missing ones read as empty text or 0; tokens after the fourth are ignored.
void ReadSlot(std::string_view value, CareerDefinition& def, int slot) {
    std::string_view tokens[4];
    size_t count = 0;
    size_t pos = 0;
    while (count < 4) {
        size_t comma = value.find(',', pos);
        tokens[count++] = value.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos);
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    def.positions[slot] = std::string(tokens[0]);
    def.friendsPerLevel[slot] = AtoiLike(tokens[1]);
    def.salaries[slot] = AtoiLike(tokens[2]);
    def.hours[slot] = std::string(tokens[3]);
}

}  // namespace

bool ReadCareerGroups(const GroupFile& groups, CareerList& list, std::string& version) {
    if (groups.Empty()) return false;
    size_t first = 0;
    // "settings" counts only as the first group; later ones are careers.
    if (groups.At(0).Name() == "settings") {
        std::string_view vers;
        if (groups.At(0).FindValue("vers", vers)) version = std::string(vers);
        first = 1;
    }
    for (size_t i = first; i < groups.Size(); ++i) {
        const Group& g = groups.At(i);
        auto def = std::make_unique<CareerDefinition>(std::string(g.Name()), g.FindNumber("Enum", -1),
                                                      g.FindNumber("Skills", 0));
        for (int slot = 0; slot < kCareerSlots; ++slot) {
            std::string key = "L" + std::to_string(slot);
            std::string_view value;
            if (g.FindValue(key, value) && !value.empty()) {
                ReadSlot(value, *def, slot);
            } else if (slot > 10) {
                def->noPartTimeTrack = true;
            }
        }
        g.ReleaseIndex();
        list.Append(std::move(def));
    }
    return true;
}

bool ReadCareerFile(CareerList& list, std::string& version, const std::string& installDir,
                    const std::string& fileName) {
    GroupFile groups = GroupFile::LoadGroups(CareerFilePath(installDir, fileName));
    return ReadCareerGroups(groups, list, version);
}

int CompareVersionText(const std::string& a, const std::string& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool CheckCareerVersion(const std::string& fileCareerVersion, const std::string& careerVersion,
                        Prompter& prompter) {
    int order = CompareVersionText(fileCareerVersion, careerVersion);
    if (order < 0) {
        std::string text = tr("Your saved Sim file is out of date with the Career file.\n");
        text += tr("You can either proceed with the auto-update, or manually change all of your Sims' careers.\n");
        text += tr("You will not be able to run the update again, unless you close without saving and re-open the file.\n");
        text += tr("Please make a backup of your Sim file first, then click Yes to update.");
        return prompter.AskYesNo(text, tr("Update Required"));
    }
    if (order > 0) {
        std::string text = tr("The version of your saved Sim file is NEWER than the Career file version.\n");
        text += tr("Some of your Sims' career information may be lost.\n");
        text += tr("You can close Nestrel without saving, and then get the Career file that was used for these sims (");
        text += fileCareerVersion;
        text += ").";
        prompter.Notice(text, tr("Update Required"));
    }
    return false;
}

namespace {
// The stored fields of a career, before any definition is attached.
void SetStoredFields(SimCareerData& career, int32_t lifeStage, int32_t careerCode, int16_t level, bool renumber) {
    career.definition = nullptr;
    career.lifeStage = lifeStage;
    career.careerCode = renumber ? RenumberLegacyCareer(careerCode) : careerCode;
    career.level = level;
    if (lifeStage == 2 && career.careerCode == kCareerUnemployed) career.SetCareer(nullptr, 2, 0, false);
}
}  // namespace

void CareerFromStoredValues(SimCareerData& career, int32_t lifeStage, int32_t careerCode, int16_t level,
                            bool renumber, const NestrelCareerInfo* info) {
    SetStoredFields(career, lifeStage, careerCode, level, renumber);
    if (info && !info->careers.IsEmpty())
        info->FindCareer(career);  // attaches the definition and rebuilds the text
    else
        career.RebuildText();
}

const std::string& CareerTextCache::Text(const CareerDefinition* definition, int32_t careerCode, int32_t lifeStage,
                                         int16_t level) {
    auto key = std::make_tuple(definition, careerCode, lifeStage, level);
    auto found = texts_.find(key);
    if (found == texts_.end())
        found = texts_.emplace(key, BuildCareerText(definition, careerCode, lifeStage, level)).first;
    return found->second;
}

void CareerFromStoredValues(SimCareerData& career, int32_t lifeStage, int32_t careerCode, int16_t level,
                            bool renumber, const NestrelCareerInfo* info, CareerTextCache& cache) {
    // The text, which depends on nothing but these fields, is set once at
    // the end.
    SetStoredFields(career, lifeStage, careerCode, level, renumber);
    if (info && !info->careers.IsEmpty())
        if (const CareerDefinition* found = info->careers.FindByEnum(career.careerCode))
            career.AttachDefinition(found);
    career.careerText = cache.Text(career.definition, career.careerCode, career.lifeStage, career.level);
}
