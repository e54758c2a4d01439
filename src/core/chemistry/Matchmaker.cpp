#include "chemistry/Matchmaker.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Utf8Text.h"
#include "chemistry/ChemMatching.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

std::vector<int32_t> MatchmakerStatusChoices(int32_t lifeStage) {
    if (lifeStage == kLifeStageAdult) return {kStatusMarried, kStatusCommitted, kStatusMatchedUp};
    if (lifeStage == kLifeStageTeen) return {kStatusCommitted, kStatusMatchedUp};
    return {kStatusMatchedUp};
}

namespace {

// "last, first" as shown: each name decoded on its own, as full names are.
std::string ShownSortName(const Sim& sim) {
    std::string out;
    AppendAsUtf8(out, sim.ResolvedLastName());
    out += ", ";
    AppendAsUtf8(out, sim.firstName);
    return out;
}

}  // namespace

std::pair<int32_t, int32_t> MatchmakerLists::PairKey(int32_t a, int32_t b) { return {std::min(a, b), std::max(a, b)}; }

bool MatchmakerLists::Fill(const MatchmakerSettings& settings) {
    settings_ = settings;
    females_.clear();
    males_.clear();
    rows_.clear();
    listedPairs_.clear();
    if (registry_.families.IsEmpty()) return false;

    const int32_t stage = settings.currentAge;
    const bool withElders = stage == kLifeStageAdult && settings.elderCheck;
    filling_ = true;
    dropped_.clear();
    for (const Family* family : registry_.families)
        for (Sim* sim : family->members) {
            const int32_t simStage = sim->LifeStage();
            if (simStage != stage && !(withElders && simStage == kLifeStageElder)) continue;
            if (sim->townie && !settings.townieCheck) continue;
            if (sim->status == kStatusSingle || sim->status == kStatusNone) {
                (sim->male ? males_ : females_).push_back({ShownSortName(*sim), sim->id});
            } else if (!settings.filterMarried || sim->status == kStatusMatchedUp) {
                AddPairRow(*sim);
            }
        }
    filling_ = false;
    if (!dropped_.empty())
        for (std::vector<SimEntry>* list : {&females_, &males_})
            list->erase(std::remove_if(list->begin(), list->end(),
                                       [&](const SimEntry& e) { return dropped_.count(e.simId) != 0; }),
                        list->end());
    dropped_.clear();
    SortEntries(females_);
    SortEntries(males_);
    SortRows(0);
    return true;
}

void MatchmakerLists::AddEntry(const Sim& sim) {
    std::vector<SimEntry>& list = sim.male ? males_ : females_;
    if (std::any_of(list.begin(), list.end(), [&](const SimEntry& e) { return e.simId == sim.id; })) return;
    SimEntry entry{ShownSortName(sim), sim.id};
    auto at = std::upper_bound(list.begin(), list.end(), entry, [](const SimEntry& a, const SimEntry& b) {
        const int c = CompareNoCase(a.text, b.text);
        return c != 0 ? c < 0 : a.text < b.text;
    });
    list.insert(at, std::move(entry));
}

void MatchmakerLists::RemoveEntry(const Sim& sim) {
    if (filling_) {
        dropped_.insert(sim.id);
        return;
    }
    for (std::vector<SimEntry>* list : {&females_, &males_})
        list->erase(std::remove_if(list->begin(), list->end(), [&](const SimEntry& e) { return e.simId == sim.id; }),
                    list->end());
}

bool MatchmakerLists::AddPairRow(Sim& sim) {
    Sim* partner = sim.Partner(registry_);
    // A Sim recorded as its own partner has no pair to show.
    if (partner == nullptr || partner == &sim) return false;
    if (const Sim* other = partner->Partner(registry_);
        partner->partnerId != sim.id && other != nullptr && other != partner && other->partnerId == partner->id) {
        // The partner's own link is returned by another Sim: that pair stands,
        // and this Sim's link, returned by nobody, goes. It is single now.
        registry_.Touch(&sim);
        sim.status = kStatusSingle;
        sim.partnerId = -1;
        changed_ = true;
        AddEntry(sim);
        return false;
    }
    if (partner->status != sim.status || partner->partnerId != sim.id) {
        // The partner is made to agree with the Sim, and its own former
        // partner (when that one still points back) goes Single.
        LinkPartners(registry_, sim, sim.status, *partner);
        changed_ = true;
        // Wherever the partner was listed as single, it is not single now.
        RemoveEntry(*partner);
    }
    if (!listedPairs_.insert(PairKey(sim.id, partner->id)).second) return false;
    const Sim& female = sim.male ? *partner : sim;
    const Sim& male = sim.male ? sim : *partner;
    PairRow row;
    row.female = female.ShownFullName();
    row.male = male.ShownFullName();
    row.status = sim.status;
    row.femaleId = female.id;
    row.maleId = male.id;
    row.text = row.female + ";" + row.male + ";" + std::to_string(row.status);
    rows_.push_back(std::move(row));
    return true;
}

bool MatchmakerLists::Pair(int32_t femaleId, int32_t maleId, int32_t status) {
    Sim* female = registry_.FindSim(femaleId);
    Sim* male = registry_.FindSim(maleId);
    if (female == nullptr || male == nullptr || female == male) return false;
    // Former partners who still point back are freed; when that happens the
    // lists no longer show the neighborhood as it is and are filled again.
    auto boundElsewhere = [&](const Sim& sim, const Sim& other) {
        const Sim* former = sim.Partner(registry_);
        return former != nullptr && former != &other && former != &sim && former->partnerId == sim.id;
    };
    const bool refill = boundElsewhere(*female, *male) || boundElsewhere(*male, *female);
    LinkPartners(registry_, *female, status, *male);
    changed_ = true;
    if (refill) {
        Fill(settings_);
        return true;
    }
    AddPairRow(*female);
    RemoveEntry(*female);
    RemoveEntry(*male);
    return true;
}

bool MatchmakerLists::Unpair(size_t index) {
    if (index >= rows_.size()) return false;
    const PairRow row = rows_[index];
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    listedPairs_.erase(PairKey(row.femaleId, row.maleId));
    for (int32_t id : {row.femaleId, row.maleId}) {
        Sim* sim = registry_.FindSim(id);
        if (sim == nullptr) continue;
        // A partner other than the row's, still pointing back, is freed too:
        // nobody keeps a link to a Sim that has gone single.
        if (Sim* partner = sim->Partner(registry_);
            partner && partner != sim && partner->id != row.femaleId && partner->id != row.maleId &&
            partner->partnerId == sim->id) {
            registry_.Touch(partner);
            partner->status = kStatusSingle;
            partner->partnerId = -1;
        }
        registry_.Touch(sim);
        sim->status = kStatusSingle;
        sim->partnerId = -1;
        AddEntry(*sim);
    }
    changed_ = true;
    return true;
}

void MatchmakerLists::SortRows(int column) {
    std::stable_sort(rows_.begin(), rows_.end(), [column](const PairRow& a, const PairRow& b) {
        return column == 1 ? CompareNoCase(a.male, b.male) < 0 : CompareNoCase(a.text, b.text) < 0;
    });
}
