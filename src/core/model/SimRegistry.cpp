#include "model/SimRegistry.h"

#include <algorithm>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "base/Translate.h"
#include "model/FamilyFriendRecount.h"

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

// --- Name index -------------------------------------------------------------

namespace {
// FNV-1a over the bytes of the full name, so that "first last" hashes alike
// whether it comes whole from a file or in two parts from a Sim.
constexpr uint64_t kHashStart = 14695981039346656037ull;
inline uint64_t HashBytes(uint64_t h, std::string_view text) {
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}
inline uint64_t HashFullName(std::string_view fullName) { return HashBytes(kHashStart, fullName); }
inline uint64_t HashFullName(const Sim& sim) {
    return HashBytes(HashBytes(HashBytes(kHashStart, sim.firstName), " "), sim.ResolvedLastName());
}
// Whether the Sim's full name is exactly this text, without building it.
inline bool HasFullName(const Sim& sim, std::string_view fullName) {
    const std::string& first = sim.firstName;
    const std::string& last = sim.ResolvedLastName();
    return fullName.size() == first.size() + 1 + last.size() && fullName[first.size()] == ' ' &&
           fullName.compare(0, first.size(), first) == 0 && fullName.compare(first.size() + 1, last.size(), last) == 0;
}
}  // namespace

void SimRegistry::FileName(Sim* sim, uint64_t hash) const {
    if ((nameCount_ + 1) * 2 > nameSlots_.size()) {
        std::vector<NameSlot> old;
        old.swap(nameSlots_);
        size_t capacity = 64;
        while (capacity < (nameCount_ + 1) * 2) capacity <<= 1;
        nameSlots_.assign(capacity, NameSlot{0, nullptr});
        const size_t mask = capacity - 1;
        for (const NameSlot& slot : old) {
            if (!slot.sim) continue;
            size_t i = slot.hash & mask;
            while (nameSlots_[i].sim) i = (i + 1) & mask;
            nameSlots_[i] = slot;
        }
    }
    const size_t mask = nameSlots_.size() - 1;
    size_t i = hash & mask;
    while (nameSlots_[i].sim) i = (i + 1) & mask;
    nameSlots_[i] = {hash, sim};
    ++nameCount_;
}

void SimRegistry::UnfileName(const Sim* sim, uint64_t hash) const {
    if (nameSlots_.empty()) return;
    const size_t mask = nameSlots_.size() - 1;
    size_t i = hash & mask;
    for (;; i = (i + 1) & mask) {
        if (!nameSlots_[i].sim) return;
        if (nameSlots_[i].sim == sim) break;
    }
    // Backward shift: close the gap with later slots of the run that may
    // move to it, so that no probe ever stops early at a hole.
    --nameCount_;
    for (size_t j = (i + 1) & mask;; j = (j + 1) & mask) {
        if (!nameSlots_[j].sim) break;
        const size_t home = nameSlots_[j].hash & mask;
        // The slot at j may move to i unless its home lies cyclically in (i, j].
        const bool stays = (i <= j) ? (i < home && home <= j) : (i < home || home <= j);
        if (stays) continue;
        nameSlots_[i] = nameSlots_[j];
        i = j;
    }
    nameSlots_[i] = {0, nullptr};
}

void SimRegistry::RebuildNameIndex() const {
    nameSlots_.clear();
    nameCount_ = 0;
    for (Sim* sim : allSims) {
        if (!sim->registered_) continue;
        sim->indexedNameHash_ = HashFullName(*sim);
        FileName(sim, sim->indexedNameHash_);
    }
    nameIndexStale_ = false;
}

// --- Id index ---------------------------------------------------------------

Sim* SimRegistry::FirstWithId(int32_t id) const {
    if (id >= 0 && static_cast<size_t>(id) < firstByDenseId_.size())
        if (Sim* sim = firstByDenseId_[static_cast<size_t>(id)]) return sim;
    if (firstBySparseId_.empty()) return nullptr;
    auto found = firstBySparseId_.find(id);
    return found == firstBySparseId_.end() ? nullptr : found->second;
}

void SimRegistry::SetFirstWithId(int32_t id, Sim* sim) {
    if (!firstBySparseId_.empty()) firstBySparseId_.erase(id);
    if (id >= 0 && static_cast<size_t>(id) < firstByDenseId_.size()) {
        firstByDenseId_[static_cast<size_t>(id)] = sim;
        return;
    }
    if (!sim) return;
    // The array grows only for ids near the number of Sims, so odd ids cost
    // no memory.
    if (id >= 0 && static_cast<size_t>(id) <= 2 * registeredCount_ + 1024) {
        firstByDenseId_.resize(std::max(static_cast<size_t>(id) + 1, firstByDenseId_.size() * 3 / 2), nullptr);
        firstByDenseId_[static_cast<size_t>(id)] = sim;
    } else {
        firstBySparseId_[id] = sim;
    }
}

// --- Lookups ------------------------------------------------------------------

Sim* SimRegistry::FindSim(int32_t simId) const {
    if (simId == -1) return nullptr;
    return FirstWithId(simId);
}

int32_t SimRegistry::FindSimIdByName(std::string_view fullName) const {
    Sim* sim = FindSimByName(fullName);
    return sim ? sim->id : -1;
}

uint64_t SimRegistry::FullNameHash(std::string_view fullName) { return HashFullName(fullName); }

namespace {
inline void Prefetch(const void* address) {
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}
}  // namespace

void SimRegistry::PrefetchNameSlot(uint64_t hash) const {
    if (!nameSlots_.empty()) Prefetch(&nameSlots_[hash & (nameSlots_.size() - 1)]);
}

void SimRegistry::PrefetchNamedSim(uint64_t hash) const {
    if (nameSlots_.empty()) return;
    const NameSlot& slot = nameSlots_[hash & (nameSlots_.size() - 1)];
    if (slot.sim && slot.hash == hash) {
        // The bookkeeping, the family and the first name.
        Prefetch(slot.sim);
        Prefetch(reinterpret_cast<const char*>(slot.sim) + 64);
    }
}

void SimRegistry::PrefetchNamedFamily(uint64_t hash) const {
    if (nameSlots_.empty()) return;
    const NameSlot& slot = nameSlots_[hash & (nameSlots_.size() - 1)];
    if (slot.sim && slot.hash == hash && slot.sim->family) Prefetch(slot.sim->family);
}

Sim* SimRegistry::FindSimByName(std::string_view fullName) const {
    return FindSimByName(fullName, HashFullName(fullName));
}

Sim* SimRegistry::FindSimByName(std::string_view fullName, uint64_t hash) const {
    if (nameIndexStale_) RebuildNameIndex();
    if (nameSlots_.empty()) return nullptr;
    for (int pass = 0; pass < 2; ++pass) {
        const size_t mask = nameSlots_.size() - 1;
        Sim* best = nullptr;
        bool stale = false;
        for (size_t i = hash & mask; nameSlots_[i].sim; i = (i + 1) & mask) {
            const NameSlot& slot = nameSlots_[i];
            if (slot.hash != hash) continue;
            Sim* sim = slot.sim;
            if (HasFullName(*sim, fullName)) {
                if (!best || sim->registrySeq_ < best->registrySeq_) best = sim;
            } else if (HashFullName(*sim) != slot.hash) {
                // Somebody renamed a Sim or a family without telling the
                // registry: file everybody afresh under their present names
                // and look again.
                stale = true;
                break;
            }
        }
        if (!stale) return best;
        RebuildNameIndex();
    }
    return nullptr;
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
    Touch(family);
    Sim* raw = allSims.AppendOwned(std::move(sim));
    if (!raw) return nullptr;
    if (!family->AddMember(*this, raw)) {
        allSims.Remove(raw);
        return nullptr;
    }
    Register(raw, nextSeq_++);
    if (journal_) journal_->Added(*raw);
    if (recount) family->RecountFriends(*this);
    return raw;
}

void SimRegistry::Register(Sim* raw, uint64_t seq) {
    raw->registered_ = true;
    raw->registrySeq_ = seq;
    raw->indexedId_ = raw->id;
    raw->indexedNameHash_ = HashFullName(*raw);
    ++registeredCount_;
    if (!FirstWithId(raw->id)) {
        SetFirstWithId(raw->id, raw);
    } else if (Sim* first = FirstWithId(raw->id); first->registrySeq_ > seq) {
        // Put back before the Sim that stood in for it: the earlier registration wins.
        BucketInsert(idDuplicates_[raw->id], {first->registrySeq_, first});
        SetFirstWithId(raw->id, raw);
    } else {
        BucketInsert(idDuplicates_[raw->id], {seq, raw});
    }
    if (!nameIndexStale_) FileName(raw, raw->indexedNameHash_);
}

// Besides the parents, the links other Sims hold to the leaving Sims without a
// link back (a friend, a chemistry entry, a partner) are dropped here: leaving
// reaches only the Sims it lists itself.
void SimRegistry::KeepAsTypedInParents(const std::vector<Sim*>& leaving) {
    if (leaving.empty()) return;
    // A reference leads to a Sim when FindSim finds it by the stored id; the
    // names are taken now, while the leaving Sims still have their families.
    std::unordered_map<int32_t, const Sim*> byId;
    for (Sim* sim : leaving)
        if (FindSim(sim->id) == sim) byId.emplace(sim->id, sim);
    if (byId.empty()) return;
    auto settle = [&](ParentRef& ref) {
        if (!ref.isSim && !ref.name.empty()) return;  // already a typed-in name
        auto found = byId.find(ref.simId);
        if (found != byId.end()) ref.SetNameOf(*found->second);
    };
    // Links by id: once the Sim leaves, its id leads nowhere, unless another
    // Sim shares it (a damaged file), when the link now leads to that one.
    auto gone = [&](int32_t id) {
        if (!byId.count(id)) return false;
        auto dups = idDuplicates_.find(id);
        return dups == idDuplicates_.end() || dups->second.empty();
    };
    for (Sim* sim : allSims) {
        if (byId.count(sim->id) && FindSim(sim->id) == sim) continue;  // leaving itself
        const bool momLeaves = (sim->mom.isSim || sim->mom.name.empty()) && byId.count(sim->mom.simId);
        const bool dadLeaves = (sim->dad.isSim || sim->dad.name.empty()) && byId.count(sim->dad.simId);
        const bool friendLeaves = std::any_of(sim->friendIds.begin(), sim->friendIds.end(), gone);
        const bool chemistryLeaves =
            std::any_of(sim->chemistry.begin(), sim->chemistry.end(),
                        [&](const ChemistryEntry& entry) { return gone(entry.simId); });
        const bool partnerLeaves = sim->partnerId >= 0 && gone(sim->partnerId);
        if (!(momLeaves || dadLeaves || friendLeaves || chemistryLeaves || partnerLeaves)) continue;
        // The Sim changes: the history must see it as it was first.
        Touch(sim);
        settle(sim->mom);
        settle(sim->dad);
        if (friendLeaves) std::erase_if(sim->friendIds, gone);
        if (chemistryLeaves) {
            std::vector<int32_t> drop;
            for (const ChemistryEntry& entry : sim->chemistry)
                if (gone(entry.simId)) drop.push_back(entry.simId);
            for (int32_t id : drop) sim->chemistry.RemoveFirst(id);
        }
        if (partnerLeaves) {
            sim->partnerId = -1;
            sim->status = kStatusSingle;
        }
    }
}

bool SimRegistry::RemoveSim(Sim* sim) {
    if (!sim || !allSims.Contains(sim)) return false;
    KeepAsTypedInParents({sim});
    return Unregister(sim);
}

void SimRegistry::RemoveSims(const std::vector<Sim*>& sims) {
    std::vector<Sim*> leaving;
    for (Sim* sim : sims)
        if (sim && allSims.Contains(sim)) leaving.push_back(sim);
    KeepAsTypedInParents(leaving);
    for (Sim* sim : leaving) Unregister(sim);
}

bool SimRegistry::Unregister(Sim* sim) {
    if (!sim || !allSims.Contains(sim)) return false;
    Touch(sim);
    Touch(FindSim(sim->partnerId));
    if (Family* family = sim->family) {
        Touch(family);
        family->RemoveMember(sim);
        if (family->memberCount <= 0 && family->members.IsEmpty()) RemoveFamily(family);
        sim->family = nullptr;
    }
    sim->Detach(*this);
    // A partner whose own link is to another Sim keeps that pair.
    if (Sim* partner = FindSim(sim->partnerId); partner && partner != sim && partner->partnerId == sim->id) {
        partner->status = kStatusSingle;
        partner->partnerId = -1;
    }
    if (journal_) journal_->WillRemove(*sim);
    UnindexSim(sim);
    allSims.Remove(sim);
    modified = true;
    return true;
}

void SimRegistry::UnindexSim(Sim* sim) {
    if (!sim->registered_) return;
    const int32_t indexedId = sim->indexedId_;
    auto dups = idDuplicates_.find(indexedId);
    if (FirstWithId(indexedId) == sim) {
        if (dups != idDuplicates_.end() && !dups->second.empty()) {
            SetFirstWithId(indexedId, dups->second.front().sim);
            dups->second.erase(dups->second.begin());
        } else {
            SetFirstWithId(indexedId, nullptr);
        }
    } else if (dups != idDuplicates_.end()) {
        BucketRemove(dups->second, sim);
    }
    if (dups != idDuplicates_.end() && dups->second.empty()) idDuplicates_.erase(dups);
    if (!nameIndexStale_) UnfileName(sim, sim->indexedNameHash_);
    sim->registered_ = false;
    --registeredCount_;
}

Sim* SimRegistry::RestoreSim(std::unique_ptr<Sim> sim, uint64_t registration) {
    if (!sim) return nullptr;
    sim->family = nullptr;
    Sim* raw = allSims.InsertOwnedInOrder(std::move(sim), registration);
    if (!raw) return nullptr;
    Register(raw, registration);
    if (nextSeq_ <= registration) nextSeq_ = registration + 1;
    return raw;
}

void SimRegistry::DiscardSim(Sim* sim) {
    if (!sim || !allSims.Contains(sim)) return;
    UnindexSim(sim);
    allSims.Remove(sim);
}

Family* SimRegistry::RestoreFamily(std::unique_ptr<Family> family, size_t place) {
    return families.InsertAt(std::move(family), place);
}

void SimRegistry::DiscardFamily(Family* family) { families.Remove(family); }

void SimRegistry::ReindexSim(Sim& sim) {
    if (sim.family) sim.family->InvalidateMemberIndex();
    if (!sim.registered_ || nameIndexStale_) return;
    const uint64_t now = HashFullName(sim);
    // Slots are found by hash and compared by the Sim's present name, so a
    // Sim whose name hashes alike stays rightly filed.
    if (now == sim.indexedNameHash_) return;
    UnfileName(&sim, sim.indexedNameHash_);
    sim.indexedNameHash_ = now;
    FileName(&sim, now);
}

void SimRegistry::RenameSim(Sim& sim, const std::string& newFirstName) {
    Touch(&sim);
    sim.firstName = newFirstName;
    ReindexSim(sim);
}

void SimRegistry::ReindexFamily(Family& family) {
    for (Sim* member : family.members) ReindexSim(*member);
}

void SimRegistry::RenameFamily(Family& family, const std::string& newName) {
    Touch(&family);
    family.name = newName;
    ReindexFamily(family);
}

// --- Families -------------------------------------------------------------------

Family* SimRegistry::AddFamily(std::unique_ptr<Family> family) {
    Family* added = families.Append(std::move(family));
    if (journal_ && added) journal_->Added(*added);
    return added;
}

bool SimRegistry::RemoveFamily(Family* family) {
    if (!family || !families.Contains(family)) return false;
    if (!family->members.IsEmpty()) return false;
    if (journal_) {
        journal_->WillChange(*family);
        journal_->WillRemove(*family);
    }
    return families.Remove(family);
}

void SimRegistry::RemoveFamilyWithMembers(Family* family) { RemoveFamiliesWithMembers({family}); }

void SimRegistry::RemoveFamiliesWithMembers(const std::vector<Family*>& doomed) {
    // A family goes with its last member; one that had no members at all
    // goes as well.
    std::vector<Family*> memberless;
    std::vector<Sim*> leaving;
    for (Family* family : doomed) {
        if (!family || !families.Contains(family)) continue;
        if (family->members.IsEmpty()) memberless.push_back(family);
        for (Sim* member : family->members) leaving.push_back(member);
    }
    RemoveSims(leaving);
    for (Family* family : memberless) RemoveFamily(family);
}

void SimRegistry::SetHomeless(Family* family, bool flag) {
    Touch(family);
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
    for (Family* family : families) familyIndex.push_back(family);
    // Families and their member arrays lie anywhere in memory once sorted:
    // fetch a few families ahead, and their member arrays a little later.
    constexpr size_t kFamilyAhead = 16, kMembersAhead = 8;
    for (size_t j = 0; j < familyIndex.size(); ++j) {
#if defined(__GNUC__)
        if (j + kFamilyAhead < familyIndex.size()) __builtin_prefetch(&familyIndex[j + kFamilyAhead]->members);
#endif
        if (j + kMembersAhead < familyIndex.size()) familyIndex[j + kMembersAhead]->members.PrefetchItems();
        for (Sim* member : familyIndex[j]->members) simIndex.push_back(member);
    }
}

void SimRegistry::SortAndIndex() {
    if (families.IsEmpty()) return;
    if (journal_) journal_->WillReorderFamilies();
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
    if (journal_)
        for (const Family* family : families) journal_->WillChange(*family);
    RecountEveryFamily(*this);
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
    registeredCount_ = 0;
    firstByDenseId_.clear();
    firstBySparseId_.clear();
    idDuplicates_.clear();
    nameSlots_.clear();
    nameCount_ = 0;
    nameIndexStale_ = false;
}
