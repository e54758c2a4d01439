#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "careers/SimCareerData.h"
#include "model/MatchList.h"
#include "model/ParentRef.h"

class Family;
class MyList;
class SimRegistry;

/// One person of the neighborhood. Sims refer to one another only by id,
/// resolved through the registry on every use; a Sim's only pointer is to its
/// own family. The link-pending flags mark parents named in a file until the
/// file reader resolves them to ids.
///
/// Renaming a registered Sim (firstName) or moving it to another family
/// changes its full name: do it through SimRegistry::RenameSim / ReindexSim so
/// that lookups by name stay right.
class Sim {
    // The registry's bookkeeping, beside the names a lookup compares: when
    // the Sim was registered, and the id and the hash of the full name under
    // which the registry's indexes file it.
    friend class SimRegistry;
    uint64_t registrySeq_ = 0;
    uint64_t indexedNameHash_ = 0;
    int32_t indexedId_ = -1;
    bool registered_ = false;

public:
    Sim(std::string first, std::string last, int32_t signCode, int32_t simId, bool isMale);
    virtual ~Sim() = default;
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;

    // What walks over all Sims and lookups by name read comes first, so
    // that they touch one or two cache lines of each Sim.
    int32_t id = -1;
    int32_t sign = 0;
    int32_t likes = 0;
    int32_t status = 3;
    int32_t partnerId = -1;
    bool male = false;
    bool townie = false;
    bool vampire = false;
    bool atCollege = false;
    Family* family = nullptr;
    std::string firstName;
    std::string lastName;
    std::vector<int32_t> friendIds;
    MatchList chemistry;
    std::string signName;
    bool momLinkPending = false;
    bool dadLinkPending = false;
    ParentRef mom;
    ParentRef dad;
    SimCareerData career;
    int32_t degree = 0;
    int32_t aspiration = 0;

    // --- Names ---
    /// The family's name when the Sim has a family, else its own lastName.
    const std::string& ResolvedLastName() const;
    /// "first last" — the form by which files and lookups name a Sim.
    std::string FullName() const;
    /// "last, first".
    std::string SortName() const;
    /// "first last" as shown to the user: each name decoded on its own (see
    /// base/Utf8Text.h), so the result is UTF-8 even when the two names were stored
    /// in different encodings. Not for lookups, which compare the stored bytes.
    std::string ShownFullName() const;
    /// "first last (sign)", shown like ShownFullName.
    std::string ListLabel() const;
    /// "first last (sign)(friend count)".
    std::string ListLabelWithFriends() const;

    // --- Sign ---
    /// Sets signName and likes for one of the twelve sign codes; any other
    /// code leaves both unchanged.
    void ApplySign();

    // --- Status and partner ---
    std::string StatusName() const;
    ::Sim* Partner(const SimRegistry& registry) const;
    std::string PartnerFullName(const SimRegistry& registry) const;
    /// Gives this Sim the status and partner; the former partner becomes
    /// Single, the new one gets the same status and this Sim as partner.
    /// Returns the new partner (nullptr when not found).
    ::Sim* SetPartner(SimRegistry& registry, int32_t newStatus, int32_t newPartnerId);

    // --- Friends ---
    bool HasFriend(int32_t simId) const;
    /// Adds a friend (and, mirrored, this Sim to the friend), recounting the
    /// family friends of the families concerned. False when already a friend.
    bool AddFriend(SimRegistry& registry, int32_t simId, bool mirror);
    /// True when the list is empty or the id was removed; false when the
    /// list holds other ids only. Touches nobody else.
    bool RemoveFriend(int32_t simId);
    /// Leaves every friend's list, then empties this Sim's list. Family
    /// friend counts are left for the next recount.
    void ClearFriends(SimRegistry& registry);
    /// The full name of the friend at a position, or empty text.
    std::string FriendFullName(const SimRegistry& registry, int index) const;

    // --- Chemistry ---
    /// False when there already is an entry for the Sim; mirrored, the other
    /// Sim gets an entry of the same type.
    bool AddChemistry(SimRegistry& registry, int32_t simId, int32_t type, bool mirror);
    void RemoveChemistry(int32_t simId);
    /// Every chemistry partner drops its entry for this Sim; then the list is emptied.
    void ClearChemistry(SimRegistry& registry);

    /// ClearFriends then ClearChemistry: the Sim leaves all links.
    void Detach(SimRegistry& registry);

    // --- Parents ---
    bool HasKnownParent(const SimRegistry& registry) const;

    // --- Family and time ---
    bool IsHomeless() const;
    int32_t LifeStage() const { return career.lifeStage; }
    std::string CareerHours() const { return career.GetHours(); }
    /// Whether the Sim is free at an hour 7..24 (not at work, not at school,
    /// not homeless).
    bool IsAvailableAt(int hour) const;

private:
    // Where the list that owns this Sim keeps it, so that the all-Sims list
    // finds a Sim's place without an index of its own: a Sim has at most one
    // owner. Kept at the end, away from what walks read.
    friend class MyList;
    const MyList* ownerList_ = nullptr;
    size_t ownerPos_ = 0;
};

/// The rule of IsAvailableAt for given working hours, life stage and
/// homelessness; exposed for lists that test hours without a Sim.
bool IsAvailableWithHours(const std::string& hours, int32_t lifeStage, bool homeless, int hour);
