// Reading the neighborhood file: the file is read in pieces and every family
// group is read as soon as it is complete, its Sims registered with their
// references parked as names; once the whole file is in, the names are
// resolved to ids through the registry's name index.
#include <algorithm>
#include <cstring>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "base/Text.h"
#include "base/Translate.h"
#include "model/SimRegistry.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"
#include "storage/GroupKeyIndex.h"
#include "storage/GroupParser.h"
#include "storage/NeighborhoodFile.h"
#include "storage/NeighborhoodKeys.h"
#include "storage/NumberedKeys.h"
#include "storage/ReadNameTable.h"

namespace {

// Replaces the first %s of a message with a text.
std::string Format(std::string pattern, std::string_view text) {
    size_t at = pattern.find("%s");
    if (at != std::string::npos) pattern.replace(at, 2, text);
    return pattern;
}

// The references of one Sim read from the file, parked until every Sim of
// the file is registered: friends, then chemistry entries, then the partner
// when there is one. The names are copied into one text, each ended by a
// line feed (which no value holds), because the file's text is gone by the
// time they are resolved; they are resolved in the order they were parked.
struct ParkedSim {
    Sim* sim;
    uint32_t friendCount;
    uint32_t chemistryCount;
    bool hasPartner;
};

struct ParkedNames {
    std::vector<ParkedSim> sims;
    // Blocks of a fixed size, so that the text never moves as it grows (a
    // growing single string would hold its old and new copy at once).
    static constexpr size_t kBlock = size_t{1} << 20;
    std::vector<std::string> blocks;

    struct Mark {
        size_t blocks;
        size_t size;
    };
    Mark Here() const { return {blocks.size(), blocks.empty() ? 0 : blocks.back().size()}; }
    void Restore(Mark mark) {
        blocks.resize(mark.blocks);
        if (!blocks.empty()) blocks.back().resize(mark.size);
    }
    void Add(std::string_view name) {
        if (blocks.empty() || blocks.back().size() + name.size() + 1 > blocks.back().capacity()) {
            blocks.emplace_back();
            blocks.back().reserve(std::max(kBlock, name.size() + 1));
        }
        blocks.back() += name;
        blocks.back() += '\n';
    }
};

// Hands out the parked names one after another.
class ParkedCursor {
public:
    explicit ParkedCursor(const std::vector<std::string>& blocks) : blocks_(blocks) {}
    // Frees the blocks whose names have all been handed out (and are no
    // longer looked at); the block being read stays.
    void FreeBlocksRead(std::vector<std::string>& blocks) {
        for (; freed_ + 1 < next_; ++freed_) std::string().swap(blocks[freed_]);
    }
    std::string_view Next() {
        while (at_ == end_) {
            const std::string& block = blocks_[next_++];
            at_ = block.data();
            end_ = block.data() + block.size();
        }
        const char* lf = static_cast<const char*>(std::memchr(at_, '\n', static_cast<size_t>(end_ - at_)));
        std::string_view name(at_, static_cast<size_t>(lf - at_));
        at_ = lf + 1;
        return name;
    }

private:
    const std::vector<std::string>& blocks_;
    size_t next_ = 0;
    size_t freed_ = 0;
    const char* at_ = nullptr;
    const char* end_ = nullptr;
};

class GroupReader {
public:
    // The families this reader adds are listed in `added`, so that a read
    // that fails later can take them out again; the Sims it registers go
    // into `names` unless that is null.
    GroupReader(SimRegistry& registry, const NestrelCareerInfo* careers, Prompter& prompter, bool renumber,
                ParkedNames& parked, std::vector<Family*>& added, ReadNameTable* names)
        : registry_(registry),
          careers_(careers),
          prompter_(prompter),
          renumber_(renumber),
          parked_(parked),
          added_(added),
          names_(names) {}

    void ReadFamily(const Group& group);

private:
    // The reader's keys hold no '=' or line feed, so they go straight to the
    // index, which is rebuilt in place for every group.
    bool Find(std::string_view key, std::string_view& value) {
        return index_.Usable() ? index_.Find(key, value) : group_->FindValue(key, value);
    }
    int32_t Number(std::string_view key, int32_t fallback) {
        std::string_view value;
        return Find(key, value) ? AtoiLike(value) : fallback;
    }
    // The value of a friend or chemistry position; see KeyBuffer for the two
    // forms of these keys.
    bool FindPair(char prefix, int32_t member, int32_t entry, std::string_view& value) {
        if (KeyBuffer::NeedsSeparator(member, entry) && Find(keys_.SeparatedPair(prefix, member, entry), value))
            return true;
        return Find(keys_.PlainPair(prefix, member, entry), value);
    }
    // Reads the entries of one list ("F" or "C") of a member, at the
    // positions below the stated count for which the group has a key, in
    // position order. Counts come from the file and are not trusted: only
    // positions that keys name are tried, so a count of two billion costs no
    // more than the group's size, and entries at scattered positions are
    // all read. Returns how many were found.
    uint32_t ReadEntries(char prefix, int32_t member, int32_t count) {
        uint32_t found = 0;
        const auto [first, last] = numbered_.Positions(prefix, member);
        for (auto* position = first; position != last && position->entry < count; ++position) {
            std::string_view value;
            if (FindPair(prefix, member, position->entry, value)) {
                parked_.Add(value);
                ++found;
            }
        }
        return found;
    }
    void ReadMember(Family& family, int32_t m, bool& lostPartner);

    SimRegistry& registry_;
    const NestrelCareerInfo* careers_;
    Prompter& prompter_;
    bool renumber_;
    ParkedNames& parked_;
    std::vector<Family*>& added_;
    ReadNameTable* names_;
    const Group* group_ = nullptr;
    KeyBuffer keys_;
    GroupKeyIndex index_;
    NumberedKeys numbered_;
    CareerTextCache careerTexts_;
};

void GroupReader::ReadFamily(const Group& group) {
    group_ = &group;
    if (group.Name().empty()) return;
    index_.Build(group.Body());
    int32_t count = Number("NumMembers", 0);
    if (count <= 0) return;
    Family* family = registry_.AddFamily(registry_.NewFamily(std::string(group.Name())));
    if (!family) return;
    added_.push_back(family);
    std::string_view ignored;
    family->homeless = Find("Homeless", ignored);

    // The members are those whose "Name" key the group holds, at any number
    // below the stated count: blocks deleted by hand leave gaps, and the
    // count itself is not trusted.
    numbered_.Build(group.Body());
    bool lostPartner = false;
    for (int32_t m : numbered_.Members()) {
        if (m >= count) break;
        ReadMember(*family, m, lostPartner);
    }

    if (lostPartner)
        prompter_.Notice(Format(tr("A family member of family %s was matched up with someone but their name was lost."),
                                family->name),
                         tr("Message"));
    // A family none of whose members could be read would be written back
    // without members and vanish at the next load; it is not kept.
    if (family->memberCount <= 0 && registry_.RemoveFamily(family)) added_.pop_back();
}

void GroupReader::ReadMember(Family& family, int32_t m, bool& lostPartner) {
    std::string_view firstName;
    if (!Find(keys_.Member("Name", m), firstName) || firstName.empty()) return;
    // A member without these keys (the writer always writes them) gets the
    // values a family starts with, not those of the member read before it.
    int32_t sign = Number(keys_.Member("Sign", m), 0);
    bool male = Number(keys_.Member("Gender", m), 0) == 1;
    std::unique_ptr<Sim> sim = registry_.NewSim(std::string(firstName), family.name, sign, male);
    if (!sim) return;

    int32_t status = Number(keys_.Member("Status", m), 3);
    std::string_view partnerName;
    Find(keys_.Member("Match", m), partnerName);
    if (status == 3) {
        partnerName = {};
    } else if (status != 0 && partnerName.empty()) {
        status = 3;
        lostPartner = true;
    }
    sim->status = status;

    sim->townie = Number(keys_.Member("Townie", m), 0) == 1;
    sim->vampire = Number(keys_.Member("Vampire", m), 0) == 1;
    sim->atCollege = Number(keys_.Member("College", m), 0) == 1;
    sim->degree = Number(keys_.Member("Degree", m), 0);
    sim->aspiration = Number(keys_.Member("Aspir", m), 0);
    bool momLink = Number(keys_.Member("MomLiv", m), 0) == 1;
    std::string_view momName;
    Find(keys_.Member("Mom", m), momName);
    bool dadLink = Number(keys_.Member("DadLiv", m), 0) == 1;
    std::string_view dadName;
    Find(keys_.Member("Dad", m), dadName);
    int32_t lifeStage = Number(keys_.Member("Age", m), 1);
    int32_t careerCode = Number(keys_.Member("Career", m), kCareerUnemployed);
    auto level = static_cast<int16_t>(Number(keys_.Member("Level", m), 0));

    const ParkedNames::Mark parkedMark = parked_.Here();
    const uint32_t friends = ReadEntries('F', m, Number(keys_.Member("FriendCount", m), 0));
    const uint32_t chemistry = ReadEntries('C', m, Number(keys_.Member("ChemCount", m), 0));

    CareerFromStoredValues(sim->career, lifeStage, careerCode, level, renumber_, careers_, careerTexts_);
    sim->momLinkPending = momLink;
    sim->dadLinkPending = dadLink;
    sim->mom.SetName(std::string(momName));
    sim->dad.SetName(std::string(dadName));

    // A second member of the same first name is refused (and deleted) by the
    // registry: every lookup by that full name would find the first anyway.
    const bool hasPartner = !partnerName.empty();
    if (hasPartner) parked_.Add(partnerName);
    if (Sim* added = registry_.AddSim(std::move(sim), false, &family)) {
        parked_.sims.push_back({added, friends, chemistry, hasPartner});
        if (names_) names_->Add(added->firstName, family.name, added->id);
    } else
        parked_.Restore(parkedMark);
}

// Whether a parent link read from the file still waits for its name to be
// looked up.
bool ParentPending(const ParentRef& parent, bool pending) { return pending && !parent.name.empty(); }

// Turns the names parked for the Sims read from one file into ids. Lookups
// search every registered Sim, so an imported Sim can refer to one loaded
// earlier; when the read's own Sims are all there is, `table` (if not null)
// answers instead of the registry, without reaching the Sims.
void ResolveNames(SimRegistry& registry, ParkedNames& parked, const ReadNameTable* table) {
    // A batch of Sims at a time: every name of the batch with its hash first,
    // chemistry entries without their type; then the lookups, each starting
    // to fetch what the lookups a little further on will read, so that the
    // walks through memory overlap. Batches keep the lists small, and the
    // blocks of parked names are freed once read, as the Sims' own lists grow.
    constexpr size_t kBatch = 8192;
    std::vector<std::string_view> names;
    std::vector<uint64_t> hashes;
    std::vector<int32_t> types;
    names.reserve(kBatch);
    types.reserve(kBatch);
    ParkedCursor cursor(parked.blocks);
    size_t first = 0;
    while (first < parked.sims.size()) {
        names.clear();
        types.clear();
        cursor.FreeBlocksRead(parked.blocks);
        size_t last = first;
        for (; last < parked.sims.size() && names.size() < kBatch; ++last) {
            const ParkedSim& entry = parked.sims[last];
            for (uint32_t j = 0; j < entry.friendCount; ++j) names.push_back(cursor.Next());
            for (uint32_t j = 0; j < entry.chemistryCount; ++j) {
                // "full name,type". The type follows the last comma, so a name
                // that holds a comma still resolves.
                std::string_view name = cursor.Next();
                std::string_view type;
                size_t comma = name.rfind(',');
                if (comma != std::string_view::npos) {
                    type = name.substr(comma + 1);
                    name = name.substr(0, comma);
                }
                names.push_back(name);
                types.push_back(AtoiLike(type));
            }
            if (entry.hasPartner) names.push_back(cursor.Next());
            const Sim& sim = *entry.sim;
            if (ParentPending(sim.mom, sim.momLinkPending)) names.push_back(sim.mom.name);
            if (ParentPending(sim.dad, sim.dadLinkPending)) names.push_back(sim.dad.name);
        }
        hashes.resize(names.size());
        for (size_t k = 0; k < names.size(); ++k) hashes[k] = SimRegistry::FullNameHash(names[k]);

        size_t k = 0;
        size_t chemistry = 0;
        auto lookUp = [&]() {
            int32_t id = -1;
            if (table) {
                constexpr size_t kSlotAhead = 16, kNameAhead = 8;
                if (k + kSlotAhead < names.size()) table->PrefetchSlot(hashes[k + kSlotAhead]);
                if (k + kNameAhead < names.size()) table->PrefetchName(hashes[k + kNameAhead]);
                id = table->Find(names[k], hashes[k]);
            } else {
                constexpr size_t kSlotAhead = 24, kSimAhead = 12, kFamilyAhead = 4;
                if (k + kSlotAhead < names.size()) registry.PrefetchNameSlot(hashes[k + kSlotAhead]);
                if (k + kSimAhead < names.size()) registry.PrefetchNamedSim(hashes[k + kSimAhead]);
                if (k + kFamilyAhead < names.size()) registry.PrefetchNamedFamily(hashes[k + kFamilyAhead]);
                const Sim* found = registry.FindSimByName(names[k], hashes[k]);
                if (found) id = found->id;
            }
            ++k;
            return id;
        };
        auto resolveParent = [&](ParentRef& parent, bool& pending) {
            if (ParentPending(parent, pending)) {
                const int32_t id = lookUp();
                parent.simId = id;
                parent.isSim = id != -1;
            }
            pending = false;
        };
        for (size_t i = first; i < last; ++i) {
            const ParkedSim& entry = parked.sims[i];
            Sim* sim = entry.sim;
            sim->friendIds.reserve(sim->friendIds.size() + entry.friendCount);
            for (uint32_t j = 0; j < entry.friendCount; ++j) {
                int32_t id = lookUp();
                if (id != -1) sim->friendIds.push_back(id);
            }
            for (uint32_t j = 0; j < entry.chemistryCount; ++j) {
                int32_t id = lookUp();
                const int32_t type = types[chemistry++];
                if (id != -1) sim->chemistry.Append(id, type);
            }
            if (entry.hasPartner) sim->partnerId = lookUp();
            resolveParent(sim->mom, sim->momLinkPending);
            resolveParent(sim->dad, sim->dadLinkPending);
        }
        first = last;
    }
}

}  // namespace

bool NeighborhoodFile::Read(const std::string& name, size_t chunkSize) {
    if (!registry_) return false;
    return ReadFile(ResolvePath(name), chunkSize);
}

bool NeighborhoodFile::ReadFile(const std::string& path, size_t chunkSize) {
    if (!registry_) return false;
    return ReadGroups([&](const GroupSink& sink) { return StreamGroupFile(path, sink, chunkSize); });
}

bool NeighborhoodFile::ReadFromText(std::string contents) {
    if (!registry_) return false;
    return ReadGroups([&](const GroupSink& sink) {
        GroupParser parser(sink);
        parser.Adopt(std::move(contents));
        parser.Finish();
        return true;
    });
}

bool NeighborhoodFile::ReadGroups(const std::function<bool(const GroupSink&)>& feed) {
    if (!registry_) return false;
    SilentPrompter silent;
    Prompter& prompter = prompter_ ? *prompter_ : silent;

    // What a failed read puts back.
    const std::string oldFileVersion = fileCareerVersion_;
    const bool oldCareerUpdate = careerUpdate_;
    const bool oldModified = registry_->modified;
    IdCounters* counters = registry_->Counters();
    const IdCounters oldCounters = counters ? *counters : IdCounters();

    // The first group decides about the career version (it is the settings
    // group in files this program writes); family groups are read as they
    // arrive.
    ParkedNames parked;
    std::vector<Family*> added;
    // The read's own name table serves only a registry that starts empty:
    // otherwise a Sim registered earlier may own a name first.
    std::optional<ReadNameTable> names;
    if (registry_->allSims.IsEmpty()) names.emplace();
    std::optional<GroupReader> reader;
    auto sink = [&](const Group& group) {
        if (!reader) {
            const bool settings = group.Name() == "settings";
            fileCareerVersion_ = "0.0";
            std::string_view version;
            if (settings && group.FindValue("CareerVers", version)) fileCareerVersion_ = std::string(version);
            careerUpdate_ = CheckCareerVersion(fileCareerVersion_, careerVersion_, prompter);
            reader.emplace(*registry_, careerInfo_, prompter, careerUpdate_, parked, added, names ? &*names : nullptr);
            if (settings) return;
        }
        reader->ReadFamily(group);
    };
    const bool complete = feed(sink);
    const bool sawGroups = reader.has_value();
    reader.reset();

    if (!complete) {
        // A read that fails part way changes nothing: the families and Sims
        // it added go again (nothing refers to them yet, the names are still
        // parked), and so do the ids they took.
        registry_->RemoveFamiliesWithMembers({added.rbegin(), added.rend()});
        if (counters) *counters = oldCounters;
        registry_->modified = oldModified;
        fileCareerVersion_ = oldFileVersion;
        careerUpdate_ = oldCareerUpdate;
        return false;
    }
    if (!sawGroups) return false;
    if (names) names->Seal();
    ResolveNames(*registry_, parked, names && names->Usable() ? &*names : nullptr);
    registry_->RecountAllFamilies();
    return true;
}
