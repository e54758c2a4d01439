#include "history/NeighborhoodHistory.h"

#include <algorithm>
#include <memory>

#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

namespace {

std::vector<int32_t> FamilyOrder(const SimRegistry& registry) {
    std::vector<int32_t> ids;
    ids.reserve(registry.families.Count());
    for (const Family* family : registry.families) ids.push_back(family->id);
    return ids;
}

}  // namespace

NeighborhoodHistory::NeighborhoodHistory(SimRegistry& registry, size_t limit)
    : registry_(registry), limit_(limit < 1 ? 1 : limit) {
    registry_.SetJournal(this);
}

NeighborhoodHistory::~NeighborhoodHistory() {
    if (registry_.Journal() == this) registry_.SetJournal(nullptr);
}

std::string NeighborhoodHistory::UndoName() const { return CanUndo() ? steps_[applied_ - 1].name : std::string(); }

std::string NeighborhoodHistory::RedoName() const { return CanRedo() ? steps_[applied_].name : std::string(); }

size_t NeighborhoodHistory::Bytes() const {
    size_t bytes = 0;
    for (const Step& step : steps_) bytes += step.bytes;
    return bytes;
}

void NeighborhoodHistory::Clear() {
    steps_.clear();
    applied_ = 0;
    savedAt_ = 0;
    depth_ = 0;
    open_ = Step{};
    openSims_.clear();
    openFamilies_.clear();
}

// --- Recording -------------------------------------------------------------------

void NeighborhoodHistory::Begin(const std::string& name) {
    if (depth_++ > 0) return;
    open_ = Step{};
    open_.name = name;
    openSims_.clear();
    openFamilies_.clear();
}

size_t NeighborhoodHistory::SimSlot(const Sim& sim) {
    auto [it, fresh] = openSims_.try_emplace(&sim, open_.sims.size());
    if (fresh) open_.sims.push_back({SimImage::Of(sim), SimImage{}, false});
    return it->second;
}

size_t NeighborhoodHistory::FamilySlot(const Family& family) {
    auto [it, fresh] = openFamilies_.try_emplace(&family, open_.families.size());
    if (fresh) open_.families.push_back({FamilyImage::Of(family), FamilyImage{}, false});
    return it->second;
}

void NeighborhoodHistory::WillChange(const Sim& sim) {
    if (depth_ > 0 && !applying_) SimSlot(sim);
}

void NeighborhoodHistory::WillChange(const Family& family) {
    if (depth_ > 0 && !applying_) FamilySlot(family);
}

void NeighborhoodHistory::Added(const Sim& sim) {
    if (depth_ == 0 || applying_) return;
    // A new Sim was not there before; its address may be a deleted Sim's,
    // whose record is already closed.
    openSims_[&sim] = open_.sims.size();
    open_.sims.push_back({SimImage{}, SimImage{}, false});
}

void NeighborhoodHistory::Added(const Family& family) {
    if (depth_ == 0 || applying_) return;
    openFamilies_[&family] = open_.families.size();
    open_.families.push_back({FamilyImage{}, FamilyImage{}, false});
    open_.familyEvents.emplace_back(family.id, -1);
}

void NeighborhoodHistory::WillRemove(const Sim& sim) {
    if (depth_ == 0 || applying_) return;
    SimChange& change = open_.sims[SimSlot(sim)];
    change.after = SimImage{};
    change.removed = true;
    openSims_.erase(&sim);
}

void NeighborhoodHistory::WillRemove(const Family& family) {
    if (depth_ == 0 || applying_) return;
    FamilyChange& change = open_.families[FamilySlot(family)];
    // Where it stood, so that taking the removal back puts it there again.
    const size_t place = registry_.families.PlaceOf(&family);
    if (change.before.present) change.before.place = place;
    open_.familyEvents.emplace_back(family.id, static_cast<long>(place));
    change.after = FamilyImage{};
    change.removed = true;
    openFamilies_.erase(&family);
}

void NeighborhoodHistory::WillReorderFamilies() {
    if (depth_ == 0 || applying_ || open_.reordered) return;
    open_.reordered = true;
    // The order the step started from: today's, with the families the step
    // has added or removed so far taken back, latest first.
    std::vector<int32_t> order = FamilyOrder(registry_);
    for (auto it = open_.familyEvents.rbegin(); it != open_.familyEvents.rend(); ++it) {
        if (it->second < 0) {
            std::erase(order, it->first);
        } else {
            const size_t place = std::min(static_cast<size_t>(it->second), order.size());
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(place), it->first);
        }
    }
    open_.orderBefore = std::move(order);
}

bool NeighborhoodHistory::End() {
    if (depth_ == 0) return false;
    if (--depth_ > 0) return false;
    for (const auto& [sim, slot] : openSims_) open_.sims[slot].after = SimImage::Of(*sim);
    for (const auto& [family, slot] : openFamilies_) {
        FamilyChange& change = open_.families[slot];
        change.after = FamilyImage::Of(*family);
        if (!change.before.present) change.after.place = registry_.families.PlaceOf(family);
    }
    openSims_.clear();
    openFamilies_.clear();
    if (open_.reordered) {
        open_.orderAfter = FamilyOrder(registry_);
        if (open_.orderAfter == open_.orderBefore) {
            open_.reordered = false;
            open_.orderBefore.clear();
            open_.orderAfter.clear();
        }
    }
    // Records that were only looked at, or changed and changed back, are no
    // part of the step.
    std::erase_if(open_.sims, [](const SimChange& c) { return c.before == c.after; });
    std::erase_if(open_.families, [](const FamilyChange& c) { return c.before == c.after; });
    Step step = std::move(open_);
    open_ = Step{};
    step.familyEvents.clear();
    step.familyEvents.shrink_to_fit();
    if (step.sims.empty() && step.families.empty() && !step.reordered) return false;

    step.bytes = sizeof(Step) + step.name.capacity() +
                 (step.orderBefore.capacity() + step.orderAfter.capacity()) * sizeof(int32_t);
    for (const SimChange& c : step.sims) step.bytes += c.before.Bytes() + c.after.Bytes();
    for (const FamilyChange& c : step.families) step.bytes += c.before.Bytes() + c.after.Bytes();

    // A new step ends the steps that were undone; if the saved state was
    // among them it cannot come back.
    steps_.resize(applied_);
    if (savedAt_ > static_cast<long>(applied_)) savedAt_ = -1;
    steps_.push_back(std::move(step));
    ++applied_;
    while (steps_.size() > limit_) {
        steps_.pop_front();
        --applied_;
        if (savedAt_ >= 0) --savedAt_;
    }
    return true;
}

// --- Undo and redo ----------------------------------------------------------------

bool NeighborhoodHistory::Undo() {
    if (depth_ > 0 || !CanUndo()) return false;
    Apply(steps_[applied_ - 1], false);
    --applied_;
    return true;
}

bool NeighborhoodHistory::Redo() {
    if (depth_ > 0 || !CanRedo()) return false;
    Apply(steps_[applied_], true);
    ++applied_;
    return true;
}

void NeighborhoodHistory::Apply(const Step& step, bool forward) {
    applying_ = true;
    auto target = [forward](const auto& change) -> const auto& { return forward ? change.after : change.before; };
    auto current = [forward](const auto& change) -> const auto& { return forward ? change.before : change.after; };

    // The step's families as they are now. A family is found through one of
    // its members, which the registry finds by id at once; only a family
    // without a member it knows is searched for in the list.
    std::unordered_map<int32_t, Family*> families;
    auto locate = [this](const FamilyImage& image) -> Family* {
        for (int32_t memberId : image.memberIds)
            if (Sim* member = registry_.FindSim(memberId); member && member->family && member->family->id == image.id)
                return member->family;
        return registry_.families.FindById(image.id);
    };
    for (const FamilyChange& change : step.families) {
        if (!current(change).present) continue;
        Family* found = locate(current(change));
        if (!found) found = locate(target(change));
        if (found) families[change.before.present ? change.before.id : change.after.id] = found;
    }

    // What was added goes first, latest first going back and in order going
    // forward, so that places taken back are those the records had.
    const size_t simCount = step.sims.size();
    const size_t familyCount = step.families.size();
    auto nth = [forward](size_t i, size_t count) { return forward ? i : count - 1 - i; };

    for (size_t i = 0; i < simCount; ++i) {
        const SimChange& change = step.sims[nth(i, simCount)];
        if (target(change).present || !current(change).present) continue;
        Sim* sim = registry_.FindSim(current(change).id);
        if (!sim) continue;
        if (sim->family) {
            sim->family->members.Remove(sim);
            sim->family->InvalidateMemberIndex();
        }
        registry_.DiscardSim(sim);
    }
    for (size_t i = 0; i < familyCount; ++i) {
        const FamilyChange& change = step.families[nth(i, familyCount)];
        if (target(change).present || !current(change).present) continue;
        auto found = families.find(current(change).id);
        if (found == families.end()) continue;
        for (Sim* member : found->second->members)
            if (member->family == found->second) member->family = nullptr;
        found->second->members.Clear();
        registry_.DiscardFamily(found->second);
        families.erase(found);
    }
    for (size_t i = 0; i < familyCount; ++i) {
        const FamilyChange& change = step.families[nth(i, familyCount)];
        const FamilyImage& image = target(change);
        if (!image.present || current(change).present) continue;
        families[image.id] = registry_.RestoreFamily(std::make_unique<Family>(image.name, image.id), image.place);
    }
    for (size_t i = 0; i < simCount; ++i) {
        const SimChange& change = step.sims[nth(i, simCount)];
        const SimImage& image = target(change);
        if (!image.present || current(change).present) continue;
        registry_.RestoreSim(std::make_unique<Sim>(image.firstName, image.lastName, image.sign, image.id, image.male),
                             image.registration);
    }

    // Then every record is written back as it was.
    for (const SimChange& change : step.sims) {
        const SimImage& image = target(change);
        if (!image.present) continue;
        Sim* sim = registry_.FindSim(image.id);
        if (!sim) continue;
        image.ApplyTo(*sim);
        if (!(sim->family && sim->family->id == image.familyId)) {
            auto found = families.find(image.familyId);
            sim->family = found != families.end() ? found->second : registry_.families.FindById(image.familyId);
        }
        registry_.ReindexSim(*sim);
    }
    for (const FamilyChange& change : step.families) {
        const FamilyImage& image = target(change);
        if (!image.present) continue;
        auto found = families.find(image.id);
        if (found == families.end()) continue;
        Family* family = found->second;
        image.ApplyTo(*family);
        family->members.Clear();
        for (int32_t memberId : image.memberIds)
            if (Sim* member = registry_.FindSim(memberId)) {
                member->family = family;
                family->members.Append(member);
            }
        family->InvalidateMemberIndex();
        registry_.ReindexFamily(*family);
    }
    if (step.reordered) {
        std::unordered_map<int32_t, Family*> byId;
        byId.reserve(registry_.families.Count());
        for (Family* family : registry_.families) byId.emplace(family->id, family);
        std::vector<Family*> order;
        const std::vector<int32_t>& ids = forward ? step.orderAfter : step.orderBefore;
        order.reserve(ids.size());
        for (int32_t id : ids)
            if (auto found = byId.find(id); found != byId.end()) order.push_back(found->second);
        registry_.families.Reorder(order);
    }
    applying_ = false;
}
