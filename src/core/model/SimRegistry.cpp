#include "model/SimRegistry.h"

#include <algorithm>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "base/Translate.h"

namespace {
SilentPrompter& Silence() {
    static SilentPrompter silent;
    return silent;
}
}  // namespace

SimRegistry::SimRegistry() = default;

SimRegistry::SimRegistry(IdCounters& counters, Prompter& prompter)
    : counters_(&counters), prompter_(&prompter) {}

SimRegistry::~SimRegistry() {
    // Members lists refer into allSims: drop the families first.
    families.Clear();
    allSims.Clear();
}

Prompter& SimRegistry::GetPrompter() const { return prompter_ ? *prompter_ : Silence(); }

std::unique_ptr<Sim> SimRegistry::NewSim(const std::string& firstName,
                                         const std::string& lastName, int32_t sign,
                                         bool male) const {
    int32_t id = counters_ ? counters_->NextSimId() : -1;
    return std::make_unique<Sim>(firstName, lastName, sign, id, male);
}

std::unique_ptr<Family> SimRegistry::NewFamily(const std::string& familyName) const {
    int32_t id = counters_ ? counters_->NextFamilyId() : -1;
    return std::make_unique<Family>(familyName, id);
}

// --- Index buckets ----------------------------------------------------------

void SimRegistry::BucketInsert(Bucket& bucket, Entry entry) {
    if (bucket.empty() || bucket.back().seq < entry.seq) {
        bucket.push_back(entry);
        return;
    }
    auto at = std::lower_bound(bucket.begin(), bucket.end(), entry.seq,
                               [](const Entry& e, uint64_t seq) { return e.seq < seq; });
    bucket.insert(at, entry);
}

void SimRegistry::BucketRemove(Bucket& bucket, const Sim* sim) {
    auto it = std::find_if(bucket.begin(), bucket.end(),
                           [sim](const Entry& e) { return e.sim == sim; });
    if (it != bucket.end()) bucket.erase(it);
}

void SimRegistry::RebuildNameIndex() const {
    byName_.clear();
    for (Sim* sim : allSims) {
        auto slot = slots_.find(sim);
        if (slot == slots_.end()) continue;
        // allSims is in registration order, so appending keeps each bucket sorted.
        slot->second.indexedName = sim->FullName();
        byName_[slot->second.indexedName].push_back({slot->second.seq, sim});
    }
    nameIndexStale_ = false;
}

// --- Lookups ------------------------------------------------------------------

Sim* SimRegistry::FindSim(int32_t simId) const {
    if (simId == -1) return nullptr;
    auto found = firstById_.find(simId);
    return found == firstById_.end() ? nullptr : found->second.sim;
}

int32_t SimRegistry::FindSimIdByName(std::string_view fullName) const {
    Sim* sim = FindSimByName(fullName);
    return sim ? sim->id : -1;
}

Sim* SimRegistry::FindSimByName(std::string_view fullName) const {
    if (nameIndexStale_) RebuildNameIndex();
    auto found = byName_.find(std::string(fullName));
    if (found == byName_.end() || found->second.empty()) return nullptr;
    Sim* first = found->second.front().sim;
    if (first->FullName() != fullName) {
        // Somebody renamed a Sim or a family without telling the registry:
        // file everybody afresh under their present names and look again.
        RebuildNameIndex();
        found = byName_.find(std::string(fullName));
        if (found == byName_.end() || found->second.empty()) return nullptr;
        first = found->second.front().sim;
    }
    return first;
}

// --- Sims -----------------------------------------------------------------------

Sim* SimRegistry::AddSim(std::unique_ptr<Sim> sim, bool recount, Family* family) {
    if (!sim) return nullptr;
    if (!family) {
        GetPrompter().Notice(tr("Error occurred. No family specified."), tr("Message"));
        return nullptr;
    }
    sim->ApplySign();
    sim->family = family;
    // A family never holds two members of one first name: they would share one
    // full name and every lookup and the file would only know the first. The
    // refused Sim is not registered and goes with its unique_ptr, so no Sim
    // is left in allSims outside its family; the caller learns it from nullptr.
    if (family->HasMember(sim->firstName, sim->ResolvedLastName())) return nullptr;
    Sim* raw = allSims.AppendOwned(std::move(sim));
    if (!raw) return nullptr;
    if (!family->AddMember(*this, raw)) {
        allSims.Remove(raw);
        return nullptr;
    }
    const uint64_t seq = nextSeq_++;
    SimSlot& slot = slots_[raw];
    slot.seq = seq;
    slot.indexedId = raw->id;
    slot.indexedName = raw->FullName();
    if (!firstById_.try_emplace(raw->id, Entry{seq, raw}).second)
        BucketInsert(idDuplicates_[raw->id], {seq, raw});
    if (!nameIndexStale_) BucketInsert(byName_[slot.indexedName], {seq, raw});
    if (recount) family->RecountFriends(*this);
    return raw;
}

bool SimRegistry::RemoveSim(Sim* sim) {
    if (!sim || !allSims.Contains(sim)) return false;
    if (Family* family = sim->family) {
        family->RemoveMember(sim);
        if (family->memberCount <= 0 && family->members.IsEmpty()) RemoveFamily(family);
        sim->family = nullptr;
    }
    sim->Detach(*this);
    if (Sim* partner = FindSim(sim->partnerId); partner && partner != sim) {
        partner->status = kStatusSingle;
        partner->partnerId = -1;
    }
    auto slot = slots_.find(sim);
    if (slot != slots_.end()) {
        const int32_t indexedId = slot->second.indexedId;
        auto first = firstById_.find(indexedId);
        auto dups = idDuplicates_.find(indexedId);
        if (first != firstById_.end() && first->second.sim == sim) {
            if (dups != idDuplicates_.end() && !dups->second.empty()) {
                first->second = dups->second.front();
                dups->second.erase(dups->second.begin());
            } else {
                firstById_.erase(first);
            }
        } else if (dups != idDuplicates_.end()) {
            BucketRemove(dups->second, sim);
        }
        if (dups != idDuplicates_.end() && dups->second.empty()) idDuplicates_.erase(dups);
        if (!nameIndexStale_) {
            auto nameBucket = byName_.find(slot->second.indexedName);
            if (nameBucket != byName_.end()) {
                BucketRemove(nameBucket->second, sim);
                if (nameBucket->second.empty()) byName_.erase(nameBucket);
            }
        }
        slots_.erase(slot);
    }
    allSims.Remove(sim);
    modified = true;
    return true;
}

void SimRegistry::ReindexSim(Sim& sim) {
    auto slot = slots_.find(&sim);
    if (slot == slots_.end() || nameIndexStale_) return;
    std::string now = sim.FullName();
    if (now == slot->second.indexedName) return;
    auto old = byName_.find(slot->second.indexedName);
    if (old != byName_.end()) {
        BucketRemove(old->second, &sim);
        if (old->second.empty()) byName_.erase(old);
    }
    BucketInsert(byName_[now], {slot->second.seq, &sim});
    slot->second.indexedName = std::move(now);
}

void SimRegistry::RenameSim(Sim& sim, const std::string& newFirstName) {
    sim.firstName = newFirstName;
    ReindexSim(sim);
}

void SimRegistry::ReindexFamily(Family& family) {
    for (Sim* member : family.members) ReindexSim(*member);
}

void SimRegistry::RenameFamily(Family& family, const std::string& newName) {
    family.name = newName;
    ReindexFamily(family);
}

// --- Families -------------------------------------------------------------------

Family* SimRegistry::AddFamily(std::unique_ptr<Family> family) {
    return families.Append(std::move(family));
}

bool SimRegistry::RemoveFamily(Family* family) {
    if (!family || !families.Contains(family)) return false;
    if (!family->members.IsEmpty()) return false;
    return families.Remove(family);
}

void SimRegistry::RemoveFamilyWithMembers(Family* family) {
    if (!family || !families.Contains(family)) return;
    Sim* member = family->members.Front();
    while (member) {
        Sim* next = family->members.Next(member);
        RemoveSim(member);
        member = next;
    }
    // A family that had no members at all goes as well.
    if (families.Contains(family) && family->members.IsEmpty()) RemoveFamily(family);
}

void SimRegistry::SetHomeless(Family* family, bool flag) {
    if (family) family->homeless = flag;
}

bool SimRegistry::IsFamilyNameFree(std::string_view familyName, int32_t familyId) const {
    for (const Family* family : families)
        if (family->id != familyId && family->name == familyName) return false;
    return true;
}

// --- Indexes and summaries ----------------------------------------------------

void SimRegistry::RebuildIndexArrays() {
    familyIndex.clear();
    simIndex.clear();
    familyIndex.reserve(families.Count());
    simIndex.reserve(allSims.Count());
    for (Family* family : families) {
        familyIndex.push_back(family);
        for (Sim* member : family->members) simIndex.push_back(member);
    }
}

void SimRegistry::SortAndIndex() {
    if (families.IsEmpty()) return;
    families.SortByName();
    RebuildIndexArrays();
    // The family count can only disagree if the lists were corrupted; a Sim
    // count that disagrees means a registered Sim is missing from its family.
    if (familyIndex.size() != families.Count() || simIndex.size() != allSims.Count())
        GetPrompter().Notice(tr("Error with Family List"), tr("Message"));
}

Family* SimRegistry::FamilyAt(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= families.Count() ||
        static_cast<size_t>(i) >= familyIndex.size())
        return nullptr;
    return familyIndex[static_cast<size_t>(i)];
}

Sim* SimRegistry::SimAt(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= allSims.Count() ||
        static_cast<size_t>(i) >= simIndex.size())
        return nullptr;
    return simIndex[static_cast<size_t>(i)];
}

void SimRegistry::BuildAspirationGroups() {
    RebuildIndexArrays();
    for (auto& group : aspirationGroups) group.clear();
    for (size_t j = 0; j < simIndex.size(); ++j) {
        int32_t code = simIndex[j]->aspiration;
        // An aspiration code outside the table belongs to no group.
        if (code >= 0 && code < kAspirationCount)
            aspirationGroups[static_cast<size_t>(code)].push_back(static_cast<int32_t>(j));
    }
}

const std::vector<std::string>& SimRegistry::FamilyNames() {
    familyNames.clear();
    for (const Family* family : families) familyNames.push_back(family->name);
    return familyNames;
}

void SimRegistry::RecountAllFamilies() {
    for (Family* family : families) family->RecountFriends(*this);
}

int SimRegistry::CountMales() const {
    int count = 0;
    for (const Family* family : families) count += family->CountMembersOfGender(true);
    return count;
}

int SimRegistry::CountFemales() const {
    int count = 0;
    for (const Family* family : families) count += family->CountMembersOfGender(false);
    return count;
}

int SimRegistry::CountTeensAndChildren() const {
    int count = 0;
    for (const Family* family : families) count += family->CountTeensAndChildren();
    return count;
}

void SimRegistry::Clear() {
    familyIndex.clear();
    simIndex.clear();
    for (auto& group : aspirationGroups) group.clear();
    families.Clear();
    allSims.Clear();
    slots_.clear();
    firstById_.clear();
    idDuplicates_.clear();
    byName_.clear();
    nameIndexStale_ = false;
}
