// Synthetic neighborhoods for tests and benchmarks, built with the model's own
// operations so that every link is one the program itself could have made.
#include "NeighborhoodGenerator.h"

#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/FileIO.h"
#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "careers/NestrelCareerInfo.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "storage/CareerFile.h"
#include "storage/NeighborhoodFile.h"

namespace {

// splitmix64: small, fast, and the same sequence on every platform and
// standard library (the standard distributions are not).
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int32_t Below(int64_t n) { return n <= 0 ? 0 : static_cast<int32_t>(Next() % static_cast<uint64_t>(n)); }
    int32_t Between(int32_t low, int32_t high) { return low + Below(int64_t(high) - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    uint64_t state_;
};

constexpr const char* kFirstSyllables[] = {
    "an", "bel", "cor", "da", "el", "fin", "ga", "hal", "is", "jo", "ka", "li",
    "mar", "no", "ol", "pe", "ro", "sa", "ta", "ul", "vi", "wen", "ya", "zo"};
constexpr const char* kLastSyllables[] = {
    "ash", "brook", "cal", "dun", "ell", "fair", "gar", "holl", "ing", "kes", "lowe", "mere",
    "north", "okin", "pry", "quin", "rath", "ster", "thorn", "vance", "wick", "yar", "m\xFCl", "ber",
    "ford", "ton", "ley", "wood", "ham", "by"};

std::string Capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

template <size_t N>
std::string Syllables(Rng& rng, const char* const (&table)[N], int low, int high) {
    std::string name;
    for (int i = rng.Between(low, high); i > 0; --i) name += table[rng.Below(N)];
    return Capitalized(name);
}

class Generator {
public:
    Generator(SimRegistry& reg, const NestrelCareerInfo* careers, const GeneratorOptions& options)
        : reg_(reg), careers_(careers), options_(options), rng_(options.seed) {
        if (careers_)
            for (const CareerDefinition* def : careers_->careers)
                if (def->enumValue > 0) careerCodes_.push_back(def->enumValue);
        if (careerCodes_.empty())
            for (int32_t code = 1; code <= 10; ++code) careerCodes_.push_back(code);
    }

    void Run();

private:
    struct Member {
        Sim* sim;
        int32_t stage;
    };

    std::string NewFamilyName();
    std::string TypedName() { return Syllables(rng_, kFirstSyllables, 2, 3) + " " + Syllables(rng_, kLastSyllables, 2, 3); }
    Sim* AddMember(Family& family, std::unordered_set<std::string>& used, bool male, int32_t stage);
    void BuildFamily(int32_t size);
    void GiveOlderParents(Sim& sim, bool fromNeighborhood);
    void SetCareer(Sim& sim, int32_t stage);
    void PairSinglesAcrossFamilies();
    void MakeFriendsAndChemistry();

    SimRegistry& reg_;
    const NestrelCareerInfo* careers_;
    GeneratorOptions options_;
    Rng rng_;
    std::vector<int32_t> careerCodes_;
    std::unordered_set<std::string> familyNames_;
    std::vector<Sim*> sims_;
    std::vector<Sim*> mothers_;  // adults and elders of earlier families, as parents of later ones
    std::vector<Sim*> fathers_;
    std::vector<Sim*> singles_;
};

std::string Generator::NewFamilyName() {
    for (int length = 2;; ++length) {
        for (int attempt = 0; attempt < 8; ++attempt) {
            std::string name = Syllables(rng_, kLastSyllables, length, length + 1);
            if (familyNames_.insert(name).second) return name;
        }
    }
}

Sim* Generator::AddMember(Family& family, std::unordered_set<std::string>& used, bool male, int32_t stage) {
    std::string first;
    for (int length = 2; first.empty(); ++length)
        for (int attempt = 0; attempt < 8 && first.empty(); ++attempt) {
            std::string name = Syllables(rng_, kFirstSyllables, length, length + 1);
            if (used.insert(name).second) first = std::move(name);
        }
    int32_t sign = rng_.Chance(3) ? 0 : SignCodeAt(rng_.Below(kSignCount));
    std::unique_ptr<Sim> sim = reg_.NewSim(first, family.name, sign, male);
    sim->aspiration = rng_.Below(kAspirationCount);
    sim->townie = rng_.Chance(5);
    sim->vampire = rng_.Chance(2);
    if (stage <= kLifeStageAdult && rng_.Chance(30)) sim->degree = rng_.Below(kMajorCount);
    if ((stage == kLifeStageAdult || stage == kLifeStageTeen) && rng_.Chance(5)) sim->atCollege = true;
    SetCareer(*sim, stage);
    Sim* added = reg_.AddSim(std::move(sim), false, &family);
    if (added) sims_.push_back(added);
    return added;
}

void Generator::SetCareer(Sim& sim, int32_t stage) {
    int32_t code = kCareerUnemployed;
    int32_t level = 0;
    if (stage == kLifeStageChild) {
        code = kCareerSchool;
    } else if (stage == kLifeStageTeen) {
        if (rng_.Chance(50)) {
            code = kCareerSchool;
            level = 10;
        } else {
            code = careerCodes_[size_t(rng_.Below(int64_t(careerCodes_.size())))];
            level = rng_.Between(11, 13);
        }
    } else {
        int roll = rng_.Below(100);
        if (roll < 15) {
            code = kCareerUnemployed;
        } else if (roll < 25) {
            code = kCareerEmployee;
        } else {
            code = careerCodes_[size_t(rng_.Below(int64_t(careerCodes_.size())))];
            level = stage == kLifeStageElder ? rng_.Between(11, 13) : rng_.Between(1, 10);
        }
    }
    CareerFromStoredValues(sim.career, stage, code, static_cast<int16_t>(level), false, careers_);
}

// The parents of a family's oldest members: often Sims of an earlier family
// (so trees span families and generations), else typed-in names, sometimes
// nobody.
void Generator::GiveOlderParents(Sim& sim, bool fromNeighborhood) {
    if (fromNeighborhood && !mothers_.empty() && rng_.Chance(50))
        sim.mom.SetSim(mothers_[size_t(rng_.Below(int64_t(mothers_.size())))]->id);
    else if (rng_.Chance(75))
        sim.mom.SetName(TypedName());
    if (fromNeighborhood && !fathers_.empty() && rng_.Chance(50))
        sim.dad.SetSim(fathers_[size_t(rng_.Below(int64_t(fathers_.size())))]->id);
    else if (rng_.Chance(75))
        sim.dad.SetName(TypedName());
}

void Generator::BuildFamily(int32_t size) {
    Family* family = reg_.AddFamily(reg_.NewFamily(NewFamilyName()));
    std::unordered_set<std::string> used;
    std::vector<Sim*> elders;
    const bool elderly = rng_.Chance(20);
    const int32_t headStage = elderly ? kLifeStageElder : kLifeStageAdult;

    Sim* mother = nullptr;
    Sim* father = nullptr;
    int32_t left = size;
    if (size >= 2 && rng_.Chance(80)) {
        father = AddMember(*family, used, true, headStage);
        mother = AddMember(*family, used, false, headStage);
        father->SetPartner(reg_, rng_.Chance(80) ? kStatusMarried : kStatusCommitted, mother->id);
        left -= 2;
    } else {
        bool male = rng_.Chance(50);
        Sim* head = AddMember(*family, used, male, headStage);
        (male ? father : mother) = head;
        --left;
        if (size == 1) singles_.push_back(head);
    }
    for (Sim* head : {father, mother})
        if (head) GiveOlderParents(*head, true);

    // A grandparent living with the family is the mother's or father's parent.
    if (left >= 2 && !elderly && rng_.Chance(25)) {
        Sim* grandma = AddMember(*family, used, false, kLifeStageElder);
        GiveOlderParents(*grandma, false);
        (mother ? mother : father)->mom.SetSim(grandma->id);
        --left;
    }
    for (; left > 0; --left) {
        int32_t stage = elderly ? kLifeStageAdult : (rng_.Chance(50) ? kLifeStageChild : kLifeStageTeen);
        Sim* child = AddMember(*family, used, rng_.Chance(50), stage);
        if (mother) child->mom.SetSim(mother->id);
        else child->mom.SetName(TypedName());
        if (father) child->dad.SetSim(father->id);
        else if (rng_.Chance(60)) child->dad.SetName(TypedName());
        if (stage == kLifeStageAdult) singles_.push_back(child);
    }
    for (Sim* head : {father, mother})
        if (head) (head->male ? fathers_ : mothers_).push_back(head);
    if (rng_.Chance(options_.homelessPercent)) reg_.SetHomeless(family, true);
}

void Generator::PairSinglesAcrossFamilies() {
    for (size_t i = 0; i + 1 < singles_.size(); i += 2) {
        if (!rng_.Chance(40)) continue;
        Sim* a = singles_[i];
        Sim* b = singles_[i + 1];
        if (a->family == b->family) continue;
        a->SetPartner(reg_, rng_.Chance(50) ? kStatusMatchedUp : kStatusCommitted, b->id);
    }
}

void Generator::MakeFriendsAndChemistry() {
    const int64_t count = int64_t(sims_.size());
    if (count < 2) return;
    for (Sim* sim : sims_) {
        int32_t friends = rng_.Below(2 * int64_t(options_.friendsPerSim) + 1);
        if (options_.manyFriends && rng_.Chance(5)) friends = rng_.Between(11, 30);
        for (int32_t k = 0; k < friends; ++k) {
            Sim* other = sims_[size_t(rng_.Below(count))];
            if (other != sim) sim->AddFriend(reg_, other->id, true);
        }
        int32_t chemistry = rng_.Chance(30) ? rng_.Between(1, 3) : 0;
        if (options_.manyFriends && rng_.Chance(5)) chemistry = rng_.Between(11, 15);
        for (int32_t k = 0; k < chemistry; ++k) {
            Sim* other = sims_[size_t(rng_.Below(count))];
            if (other != sim) sim->AddChemistry(reg_, other->id, rng_.Below(kChemistryTypeCount), true);
        }
    }
}

void Generator::Run() {
    sims_.reserve(size_t(options_.sims));
    const int32_t maxSize = options_.maxFamilySize < 1 ? 1 : options_.maxFamilySize;
    int64_t left = options_.sims;
    while (left > 0) {
        int32_t size = rng_.Between(1, maxSize);
        if (options_.largeFamilies && rng_.Chance(5)) size = rng_.Between(11, 40);
        if (size > left) size = static_cast<int32_t>(left);
        BuildFamily(size);
        left -= size;
    }
    PairSinglesAcrossFamilies();
    MakeFriendsAndChemistry();
    reg_.RecountAllFamilies();
}

}  // namespace

void GenerateNeighborhood(SimRegistry& registry, const NestrelCareerInfo* careers, const GeneratorOptions& options) {
    Generator(registry, careers, options).Run();
}

std::string GenerateNeighborhoodText(const GeneratorOptions& options, const std::string& careerVersion) {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry registry(counters, prompter);
    GenerateNeighborhood(registry, nullptr, options);
    NeighborhoodFile file;
    file.SetRegistry(&registry);
    file.SetCareerVersion(careerVersion);
    return file.WriteToText();
}

bool GenerateNeighborhoodFile(const GeneratorOptions& options, const std::string& path,
                              const std::string& careerVersion, std::string* error) {
    return WriteFileAtomically(path, GenerateNeighborhoodText(options, careerVersion), error);
}
