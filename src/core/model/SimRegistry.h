#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/ChangeJournal.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/MyList.h"
#include "model/Sim.h"
#include "model/Vocabulary.h"

struct IdCounters;
class Prompter;

/// The whole neighborhood: the families and the all-Sims list that owns every
/// Sim, with the lookups by id and by full name and the operations that add
/// and remove Sims and families while keeping the links between them.
///
/// Lookups by id and by full name go through hash indexes that are kept in
/// step with `allSims` by AddSim, RemoveSim, RenameSim, RenameFamily and
/// Clear; their answers are those of a walk of `allSims` in order (the Sim
/// registered first wins when two share an id or a full name). Change
/// `allSims` and `families` only through the registry. Code that changes a
/// registered Sim's first name, its family, or a family's name directly must
/// call ReindexSim / ReindexFamily (or InvalidateNameIndex) afterwards.
///
/// The owner hands in the application's id counters and the prompter that
/// shows the registry's few messages.
class SimRegistry {
public:
    SimRegistry();
    SimRegistry(IdCounters& counters, Prompter& prompter);
    virtual ~SimRegistry();
    SimRegistry(const SimRegistry&) = delete;
    SimRegistry& operator=(const SimRegistry&) = delete;

    void SetIdCounters(IdCounters* counters) { counters_ = counters; }
    IdCounters* Counters() const { return counters_; }
    /// nullptr means nobody is told anything.
    void SetPrompter(Prompter* prompter) { prompter_ = prompter; }
    Prompter& GetPrompter() const;

    /// The journal told of every change before it happens (the undo history);
    /// nullptr while nothing is recorded.
    void SetJournal(ChangeJournal* journal) { journal_ = journal; }
    ChangeJournal* Journal() const { return journal_; }
    bool Recording() const { return journal_ && journal_->Recording(); }
    /// Tells the journal that a record is about to change. Code that writes a
    /// registered Sim's or family's fields directly calls it first; the
    /// registry's and the records' own operations do so themselves.
    void Touch(const Sim* sim) const {
        if (journal_ && sim) journal_->WillChange(*sim);
    }
    void Touch(const Family* family) const {
        if (journal_ && family) journal_->WillChange(*family);
    }

    /// The neighborhood file name last loaded (or configured at start-up).
    std::string name;
    FamilyList families;
    MyList allSims{MyList::Ownership::Owns};
    /// Snapshots rebuilt by SortAndIndex / BuildAspirationGroups.
    std::vector<Family*> familyIndex;
    std::vector<Sim*> simIndex;
    std::vector<std::string> familyNames;
    std::array<std::vector<int32_t>, kAspirationCount> aspirationGroups;
    /// Set by the operations that change the neighborhood (RemoveSim); the
    /// owner shows it and clears it after a save.
    bool modified = false;

    // --- Making new records with the application's counters ---
    /// A new unregistered Sim with the next Sim id (id -1 without counters).
    std::unique_ptr<Sim> NewSim(const std::string& firstName, const std::string& lastName,
                                int32_t sign, bool male) const;
    /// A new family with the next family id (id -1 without counters).
    std::unique_ptr<Family> NewFamily(const std::string& familyName) const;

    // --- Lookups ---
    /// The first registered Sim with this id; nullptr for -1 or none.
    Sim* FindSim(int32_t simId) const;
    /// The id of the first registered Sim whose full name is exactly this
    /// text; -1 when none.
    int32_t FindSimIdByName(std::string_view fullName) const;
    Sim* FindSimByName(std::string_view fullName) const;
    /// For readers that look up many names in a row: the hash the name index
    /// files a full name under, a lookup given that hash, and hints that
    /// start fetching what a later lookup of the hash will read (first the
    /// index slot, then, once that has arrived, the Sim). Hints change
    /// nothing.
    static uint64_t FullNameHash(std::string_view fullName);
    Sim* FindSimByName(std::string_view fullName, uint64_t hash) const;
    void PrefetchNameSlot(uint64_t hash) const;
    void PrefetchNamedSim(uint64_t hash) const;
    void PrefetchNamedFamily(uint64_t hash) const;

    // --- Sims ---
    /// Registers a new Sim as a member of the family: sets its sign texts and
    /// its family, appends it to allSims and to the family's members, and
    /// recounts the family's friends when asked.
    /// Returns the registered Sim, or nullptr when nothing was registered:
    /// without a family (the user is told), or when the family already has a
    /// member of that first name. A refused Sim is deleted, so no Sim ever
    /// stays in allSims outside its family; callers that care check the result.
    Sim* AddSim(std::unique_ptr<Sim> sim, bool recount, Family* family);
    /// Deletes a registered Sim: it leaves its family (an emptied family is
    /// deleted too), its friends and chemistry partners drop it, its partner
    /// (when the partner's link is to it) becomes Single, and every Sim that
    /// had it as mother or father keeps it as a typed-in parent under its full
    /// name. False when the Sim is not registered.
    bool RemoveSim(Sim* sim);
    /// RemoveSim for each of the Sims, with one walk of all Sims for the
    /// parents however many go. Sims not registered are passed over.
    void RemoveSims(const std::vector<Sim*>& sims);
    /// Changes a registered Sim's first name and keeps the name lookups right.
    void RenameSim(Sim& sim, const std::string& newFirstName);
    /// Re-files one Sim (or all members of a family) under its current full
    /// name after its first name, family or family name changed.
    void ReindexSim(Sim& sim);
    void ReindexFamily(Family& family);
    /// Renames a family and re-files its members.
    void RenameFamily(Family& family, const std::string& newName);
    /// Forgets the name index; it is rebuilt at the next lookup by name.
    void InvalidateNameIndex() const { nameIndexStale_ = true; }

    // --- Families ---
    /// Appends the family; the registry owns it from then on. nullptr ignored.
    Family* AddFamily(std::unique_ptr<Family> family);
    /// Deletes a family. False when it is not in the list, and when it still
    /// has members (deleting it would leave them pointing at nothing): remove
    /// the members first, or use RemoveFamilyWithMembers.
    bool RemoveFamily(Family* family);
    /// RemoveSim for every member; the family goes with the last one.
    void RemoveFamilyWithMembers(Family* family);
    /// RemoveFamilyWithMembers for each family, with one walk of all Sims.
    void RemoveFamiliesWithMembers(const std::vector<Family*>& doomed);
    void SetHomeless(Family* family, bool flag);
    /// False when a family other than the one with this id has exactly this name.
    bool IsFamilyNameFree(std::string_view familyName, int32_t familyId) const;

    // --- Putting records back as they were (the undo history) ---
    // These change exactly what they are told and nothing else: no links are
    // mended, no family is recounted and the journal hears nothing, because
    // the history puts every record it touched back itself.
    /// When a registered Sim was registered; the all-Sims list is in this order.
    static uint64_t RegistrationOf(const Sim& sim) { return sim.registrySeq_; }
    /// Registers a Sim again under its former registration, at its former
    /// place in the all-Sims list, as a member of nobody (the caller sets its
    /// family and the family's members).
    Sim* RestoreSim(std::unique_ptr<Sim> sim, uint64_t registration);
    /// Deletes a registered Sim without touching any other record; the caller
    /// has taken it out of its family's members.
    void DiscardSim(Sim* sim);
    /// Puts a family back at a place of the family list (counted in families).
    Family* RestoreFamily(std::unique_ptr<Family> family, size_t place);
    /// Deletes a family without looking at its members.
    void DiscardFamily(Family* family);

    // --- Indexes and summaries ---
    /// Sorts the families by name (case ignored) and rebuilds both indexes.
    void SortAndIndex();
    Family* FamilyAt(int i) const;
    Sim* SimAt(int i) const;
    /// Rebuilds the indexes (unsorted) and the seven aspiration groups.
    void BuildAspirationGroups();
    const std::vector<std::string>& FamilyNames();
    void RecountAllFamilies();
    int CountMales() const;
    int CountFemales() const;
    int CountTeensAndChildren() const;
    /// Deletes every family and every Sim. The id counters are the owner's
    /// to reset.
    void Clear();
    bool IsEmpty() const { return families.IsEmpty(); }

private:
    struct Entry {
        uint64_t seq;
        Sim* sim;
    };
    using Bucket = std::vector<Entry>;  // sorted by registration order
    // One slot of the name index: the hash of the full name a Sim is filed
    // under, and the Sim (nullptr: free).
    struct NameSlot {
        uint64_t hash;
        Sim* sim;
    };

    // Every parent reference that leads to one of the leaving Sims becomes
    // a typed-in name, so that a child keeps its parent after the deletion.
    void KeepAsTypedInParents(const std::vector<Sim*>& leaving);
    // RemoveSim without the parents' walk.
    bool Unregister(Sim* sim);
    void RebuildIndexArrays();
    void RebuildNameIndex() const;
    void FileName(Sim* sim, uint64_t hash) const;
    void UnfileName(const Sim* sim, uint64_t hash) const;
    Sim* FirstWithId(int32_t id) const;
    void SetFirstWithId(int32_t id, Sim* sim);
    static void BucketInsert(Bucket& bucket, Entry entry);
    static void BucketRemove(Bucket& bucket, const Sim* sim);

    void Register(Sim* sim, uint64_t seq);
    void UnindexSim(Sim* sim);

    ChangeJournal* journal_ = nullptr;
    IdCounters* counters_ = nullptr;
    Prompter* prompter_ = nullptr;
    uint64_t nextSeq_ = 0;
    size_t registeredCount_ = 0;
    // The first registered Sim of each id: ids handed out by the counters are
    // dense from 1, so they index an array; other ids (hand-made records) sit
    // in a map. Later Sims with an id already taken wait in idDuplicates_ in
    // registration order.
    std::vector<Sim*> firstByDenseId_;
    std::unordered_map<int32_t, Sim*> firstBySparseId_;
    std::unordered_map<int32_t, Bucket> idDuplicates_;
    // Every registered Sim under the hash of its full name: open addressing
    // with linear probing, at most half full. Sims sharing a full name are
    // told apart by registration order at lookup.
    mutable std::vector<NameSlot> nameSlots_;
    mutable size_t nameCount_ = 0;
    mutable bool nameIndexStale_ = false;
};
