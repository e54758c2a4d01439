#include "model/Sim.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Utf8Text.h"
#include "model/Family.h"
#include "model/SimRegistry.h"
#include "model/TextFormat.h"
#include "model/Vocabulary.h"

Sim::Sim(std::string first, std::string last, int32_t signCode, int32_t simId, bool isMale)
    : id(simId), sign(signCode), male(isMale), firstName(std::move(first)), lastName(std::move(last)) {}

const std::string& Sim::ResolvedLastName() const { return family ? family->name : lastName; }

std::string Sim::FullName() const { return firstName + " " + ResolvedLastName(); }

std::string Sim::SortName() const { return ResolvedLastName() + ", " + firstName; }

std::string Sim::ShownFullName() const {
    std::string out;
    AppendAsUtf8(out, firstName);
    out += ' ';
    AppendAsUtf8(out, ResolvedLastName());
    return out;
}

std::string Sim::ListLabel() const {
    std::string out = ShownFullName();
    out += " (";
    AppendAsUtf8(out, signName);
    out += ')';
    return out;
}

std::string Sim::ListLabelWithFriends() const {
    return ListLabel() + "(" + std::to_string(friendIds.size()) + ")";
}

void Sim::ApplySign() {
    if (SignIndexForCode(sign) < 0) return;
    signName = SignTextForCode(sign);
    likes = LikesMaskForCode(sign);
}

std::string Sim::StatusName() const { return StatusText(status); }

Sim* Sim::Partner(const SimRegistry& registry) const { return registry.FindSim(partnerId); }

std::string Sim::PartnerFullName(const SimRegistry& registry) const {
    const Sim* partner = Partner(registry);
    return partner ? partner->FullName() : std::string();
}

Sim* Sim::SetPartner(SimRegistry& registry, int32_t newStatus, int32_t newPartnerId) {
    registry.Touch(this);
    if (Sim* partner = registry.FindSim(newPartnerId)) registry.Touch(partner);
    status = newStatus;
    if (Sim* former = registry.FindSim(partnerId)) {
        registry.Touch(former);
        former->status = kStatusSingle;
        former->partnerId = -1;
    }
    partnerId = newPartnerId;
    Sim* partner = registry.FindSim(newPartnerId);
    if (partner) {
        partner->status = newStatus;
        partner->partnerId = id;
    }
    return partner;
}

bool Sim::HasFriend(int32_t simId) const {
    return std::find(friendIds.begin(), friendIds.end(), simId) != friendIds.end();
}

bool Sim::AddFriend(SimRegistry& registry, int32_t simId, bool mirror) {
    if (HasFriend(simId)) return false;
    registry.Touch(this);
    friendIds.push_back(simId);
    if (family) family->RecountFriends(registry);
    // Every Sim of a family is registered and ids are unique, so the lookup by
    // id finds exactly the member a walk of all families would find.
    if (mirror) {
        Sim* other = registry.FindSim(simId);
        if (other && other->family && other != this) other->AddFriend(registry, id, false);
    }
    return true;
}

bool Sim::RemoveFriend(int32_t simId) {
    if (friendIds.empty()) return true;
    auto it = std::find(friendIds.begin(), friendIds.end(), simId);
    if (it == friendIds.end()) return false;
    friendIds.erase(it);
    return true;
}

void Sim::ClearFriends(SimRegistry& registry) {
    for (int32_t friendId : friendIds)
        if (Sim* other = registry.FindSim(friendId); other && other != this) {
            registry.Touch(other);
            other->RemoveFriend(id);
        }
    if (!friendIds.empty()) registry.Touch(this);
    friendIds.clear();
}

std::string Sim::FriendFullName(const SimRegistry& registry, int index) const {
    if (index < 0 || static_cast<size_t>(index) >= friendIds.size()) return std::string();
    const Sim* other = registry.FindSim(friendIds[static_cast<size_t>(index)]);
    return other ? other->FullName() : std::string();
}

bool Sim::AddChemistry(SimRegistry& registry, int32_t simId, int32_t type, bool mirror) {
    if (chemistry.Contains(simId)) return false;
    registry.Touch(this);
    chemistry.Append(simId, type);
    if (mirror) {
        Sim* other = registry.FindSim(simId);
        if (other && other != this) other->AddChemistry(registry, id, type, false);
    }
    return true;
}

void Sim::RemoveChemistry(int32_t simId) { chemistry.RemoveFirst(simId); }

void Sim::ClearChemistry(SimRegistry& registry) {
    for (const ChemistryEntry& entry : chemistry)
        if (Sim* other = registry.FindSim(entry.simId); other && other != this) {
            registry.Touch(other);
            other->RemoveChemistry(id);
        }
    if (!chemistry.IsEmpty()) registry.Touch(this);
    chemistry.Clear();
}

void Sim::Detach(SimRegistry& registry) {
    ClearFriends(registry);
    ClearChemistry(registry);
}

bool Sim::HasKnownParent(const SimRegistry& registry) const {
    if (!mom.DisplayName(registry).empty()) return true;
    return !dad.DisplayName(registry).empty();
}

bool Sim::IsHomeless() const { return family && family->homeless; }

bool Sim::IsAvailableAt(int hour) const {
    return IsAvailableWithHours(CareerHours(), LifeStage(), IsHomeless(), hour);
}

namespace {

struct HourPart {
    int value = 0;
    char suffix = '\0';
};

// "9a" -> 9 with suffix 'a'; "5p" -> 17. An empty part reads as 0 without a
// suffix, so damaged hours never read outside the text.
HourPart ParseHourPart(std::string_view part) {
    HourPart out;
    if (part.empty()) return out;
    out.suffix = part.back();
    int64_t value = AtoiLike(part.substr(0, part.size() - 1));
    if (out.suffix == 'p' || out.suffix == 'P') value += 12;
    out.value = static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    return out;
}

bool IsP(char c) { return c == 'p' || c == 'P'; }
bool IsA(char c) { return c == 'a' || c == 'A'; }

}  // namespace

bool IsAvailableWithHours(const std::string& hours, int32_t lifeStage, bool homeless, int hour) {
    if (homeless) return false;
    if (hours == kHoursNone) return true;
    if (lifeStage == kLifeStageTeen && hour >= 9 && hour <= 12) return false;
    std::string_view text(hours);
    size_t dash = text.find('-');
    std::string_view startPart = dash == std::string_view::npos ? text : text.substr(0, dash);
    std::string_view endPart =
        dash == std::string_view::npos ? std::string_view() : text.substr(dash + 1);
    HourPart start = ParseHourPart(startPart);
    HourPart end = ParseHourPart(endPart);
    if (IsP(start.suffix) && IsA(end.suffix))  // a shift that runs past midnight
        return end.value <= hour && hour < start.value;
    return hour < start.value || hour >= end.value;
}
