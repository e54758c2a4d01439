#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Family;
class Sim;
class SimRegistry;

/// The message refusing a family name the neighborhood file cannot hold
/// (']' ends a group heading, a line break ends a line), or empty text.
std::string CheckFamilyNameText(const std::string& name);

/// The family dialog's OK checks in order: empty name, no member listed, a
/// name the file cannot hold, a name another family has (exact case). Empty
/// text when the dialog may close. `name` is trimmed first.
std::string CheckFamilyOk(const SimRegistry& registry, const Family& family, std::string& name, int listedMembers);

/// Takes every link other Sims hold to a Sim that is about to be deleted
/// without having been registered: friends, chemistry and partner, on the
/// registered Sims and on the other waiting Sims; a waiting Sim that has it
/// as mother or father keeps it as a typed-in parent.
void UnlinkUnregistered(SimRegistry& registry, Sim& sim, const std::vector<Sim*>& others);

/// The Sims a family dialog created that have not joined the family yet. It
/// owns them until they are committed; a Sim discarded (Cancel, Remove) is
/// first unlinked from every Sim, so that no id of it stays behind.
class PendingMembers {
public:
    explicit PendingMembers(SimRegistry& registry) : registry_(registry) {}
    ~PendingMembers();
    PendingMembers(const PendingMembers&) = delete;
    PendingMembers& operator=(const PendingMembers&) = delete;

    /// A blank new Sim for the family: next Sim id, empty first name, the
    /// family's stored name as last name, male, no sign. Not yet listed.
    std::unique_ptr<Sim> MakeBlank(Family& family) const;
    Sim* Add(std::unique_ptr<Sim> sim);
    /// Deletes a listed Sim, or one not yet listed (`sim` of MakeBlank after a
    /// cancelled edit), after unlinking it.
    void Discard(Sim* sim);
    void Discard(std::unique_ptr<Sim> sim);
    void DiscardAll();
    bool Contains(const Sim* sim) const;
    size_t Count() const { return sims_.size(); }
    Sim* At(size_t i) const { return sims_[i].get(); }
    std::vector<const Sim*> View() const;
    /// Registers every waiting Sim as a member of the family (which the
    /// registry must hold), then recounts the family's friends once. A Sim the
    /// registry refuses is unlinked before it goes.
    void CommitTo(Family& family);

private:
    std::vector<Sim*> Others(const Sim* except) const;
    SimRegistry& registry_;
    std::vector<std::unique_ptr<Sim>> sims_;
};

/// Removes a registered member at once (friends, chemistry and partner
/// unlinked) but keeps its family even when it has no member left, because a
/// family dialog still edits it; `DropFamilyIfEmpty` settles that when the
/// dialog ends.
bool RemoveMemberKeepingFamily(SimRegistry& registry, Sim& sim);
/// Deletes a registered family that has no member; true when it did.
bool DropFamilyIfEmpty(SimRegistry& registry, Family* family);

/// One row of the family dialog's member list.
struct MemberRow {
    int32_t simId = -1;
    std::string name;
    std::string age;
    std::string match;
};
/// The rows: registered members in order, then the waiting Sims.
std::vector<MemberRow> FamilyMemberRows(const SimRegistry& registry, const Family& family,
                                        const std::vector<const Sim*>& pending);

/// The names of the family's friends as the last recount left them, in order;
/// an id that no longer names a Sim gives empty text.
std::vector<std::string> FamilyFriendNames(const SimRegistry& registry, const Family& family);
