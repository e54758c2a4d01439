#include "export/GedcomWriter.h"

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/FileIO.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"
#include "export/GedcomLines.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {

// Bytes gathered before they are handed to the sink.
constexpr size_t kFlushBytes = 1u << 20;

struct Person {
    const Sim* sim = nullptr;   // null for a parent known only by a typed-in name
    const std::string* typedName = nullptr;
    bool typedMale = false;
    int famc = -1;
};

struct Union {
    int husband = -1;
    int wife = -1;
    bool married = false;
    std::vector<int> children;
};

uint64_t PairKey(int wife, int husband) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(wife + 1)) << 32) |
           static_cast<uint32_t>(husband + 1);
}

std::string PersonXref(int index) { return "@I" + std::to_string(index + 1) + "@"; }
std::string UnionXref(int index) { return "@F" + std::to_string(index + 1) + "@"; }

// A name part for a NAME line: slashes would end the surname early.
std::string NamePart(std::string_view bytes) {
    std::string text = TextAsUtf8(bytes);
    for (char& c : text)
        if (c == '/') c = ' ';
    return text;
}

// "Mary Ann Smith" -> "Mary Ann /Smith/": the last word of a typed-in name is
// taken as the surname; a single word stays a given name.
std::string TypedGedcomName(const std::string& typed) {
    std::string text = NamePart(typed);
    size_t end = text.find_last_not_of(" \t");
    if (end == std::string::npos) return text;
    text.resize(end + 1);
    size_t begin = text.find_first_not_of(" \t");
    text.erase(0, begin);
    size_t space = text.find_last_of(" \t");
    if (space == std::string::npos) return text;
    return text.substr(0, space) + " /" + text.substr(space + 1) + "/";
}

std::string SimNote(const Sim& sim) {
    std::string note;
    auto line = [&note](const std::string& text) {
        if (text.empty()) return;
        if (!note.empty()) note += '\n';
        note += text;
    };
    if (!sim.signName.empty()) line(tr("Sign: ") + TextAsUtf8(sim.signName));
    const std::string aspiration = AspirationText(sim.aspiration);
    if (!aspiration.empty()) line(tr("Aspiration: ") + aspiration);
    const std::string stage = LifeStageText(sim.LifeStage());
    if (!stage.empty()) line(tr("Life stage: ") + stage);
    if (sim.townie) line(tr("Townie"));
    if (sim.vampire) line(tr("Vampire"));
    if (sim.atCollege) line(tr("At college"));
    if (sim.degree != 0) {
        const std::string major = MajorText(sim.degree);
        if (!major.empty()) line(tr("Degree: ") + major);
    }
    line(TextAsUtf8(sim.career.careerText));
    return note;
}

class Exporter {
public:
    Exporter(const SimRegistry& registry, const GedcomSink& sink) : reg_(registry), sink_(sink), lines_(out_) {}

    bool Run(const std::string& version) {
        CollectSims();
        CollectParents();
        CollectCouples();
        IndexSpouses();
        WriteHeader(version);
        for (size_t i = 0; i < people_.size() && ok_; ++i) WritePerson(static_cast<int>(i));
        for (size_t f = 0; f < unions_.size() && ok_; ++f) WriteUnion(static_cast<int>(f));
        lines_.Raw(0, "TRLR");
        Flush();
        return ok_;
    }

private:
    void CollectSims() {
        people_.reserve(reg_.allSims.Count());
        simIndex_.reserve(reg_.allSims.Count());
        for (const Family* family : reg_.families)
            for (const Sim* sim : family->members) AddSim(sim);
        // Sims outside every family are still people of the neighborhood.
        for (const Sim* sim : reg_.allSims) AddSim(sim);
        simCount_ = people_.size();
    }

    void AddSim(const Sim* sim) {
        if (!sim || !simIndex_.try_emplace(sim->id, static_cast<int>(people_.size())).second) return;
        Person p;
        p.sim = sim;
        people_.push_back(p);
    }

    // The person a parent reference names: a Sim when it is linked to one (or
    // carries no typed name), otherwise the typed-in name's own person.
    int ParentIndex(const ParentRef& ref, bool asMother) {
        if (ref.isSim || ref.name.empty()) {
            if (ref.simId < 0) return -1;
            auto it = simIndex_.find(ref.simId);
            return it == simIndex_.end() ? -1 : it->second;
        }
        auto [it, added] = typedIndex_.try_emplace(ref.name, static_cast<int>(people_.size()));
        if (added) {
            Person p;
            p.typedName = &it->first;
            p.typedMale = !asMother;
            people_.push_back(p);
        }
        return it->second;
    }

    void CollectParents() {
        for (size_t i = 0; i < simCount_; ++i) {
            const Sim& sim = *people_[i].sim;
            const int child = static_cast<int>(i);
            int mom = ParentIndex(sim.mom, true);
            int dad = ParentIndex(sim.dad, false);
            // A Sim recorded as its own parent would make a loop in every chart.
            if (mom == child) mom = -1;
            if (dad == child) dad = -1;
            // The same person as mother and father is one parent, not a couple.
            if (mom == dad) dad = -1;
            if (mom < 0 && dad < 0) continue;
            if (mom >= 0 && dad < 0 && IsMale(mom)) std::swap(mom, dad);
            else if (dad >= 0 && mom < 0 && !IsMale(dad)) std::swap(mom, dad);
            const int u = UnionFor(mom, dad);
            unions_[static_cast<size_t>(u)].children.push_back(child);
            people_[i].famc = u;
        }
    }

    bool IsMale(int person) const {
        const Person& p = people_[static_cast<size_t>(person)];
        return p.sim ? p.sim->male : p.typedMale;
    }

    int UnionFor(int wife, int husband) {
        auto [it, added] = unionIndex_.try_emplace(PairKey(wife, husband), static_cast<int>(unions_.size()));
        if (added) {
            Union u;
            u.wife = wife;
            u.husband = husband;
            unions_.push_back(std::move(u));
        }
        return it->second;
    }

    int FindUnion(int a, int b) const {
        auto it = unionIndex_.find(PairKey(a, b));
        if (it != unionIndex_.end()) return it->second;
        it = unionIndex_.find(PairKey(b, a));
        return it == unionIndex_.end() ? -1 : it->second;
    }

    void CollectCouples() {
        for (size_t i = 0; i < simCount_; ++i) {
            const Sim& sim = *people_[i].sim;
            if (sim.status != kStatusMarried && sim.status != kStatusCommitted) continue;
            auto it = simIndex_.find(sim.partnerId);
            if (it == simIndex_.end() || it->second == static_cast<int>(i)) continue;
            const int a = static_cast<int>(i);
            const int b = it->second;
            const bool married = sim.status == kStatusMarried;
            int u = FindUnion(a, b);
            if (u < 0) {
                // Wife first by sex; a same-sex pair keeps the order first met.
                int wife = a, husband = b;
                if (IsMale(a) && !IsMale(b)) std::swap(wife, husband);
                u = UnionFor(wife, husband);
            }
            if (married) unions_[static_cast<size_t>(u)].married = true;
        }
    }

    // Each person's own unions, by person (counted, then filled in one walk).
    void IndexSpouses() {
        spouseStart_.assign(people_.size() + 1, 0);
        for (const Union& u : unions_) {
            if (u.wife >= 0) ++spouseStart_[static_cast<size_t>(u.wife) + 1];
            if (u.husband >= 0) ++spouseStart_[static_cast<size_t>(u.husband) + 1];
        }
        for (size_t i = 1; i < spouseStart_.size(); ++i) spouseStart_[i] += spouseStart_[i - 1];
        spouseUnions_.resize(spouseStart_.back());
        std::vector<size_t> fill(spouseStart_.begin(), spouseStart_.end() - 1);
        for (size_t f = 0; f < unions_.size(); ++f) {
            const Union& u = unions_[f];
            if (u.wife >= 0) spouseUnions_[fill[static_cast<size_t>(u.wife)]++] = static_cast<int>(f);
            if (u.husband >= 0) spouseUnions_[fill[static_cast<size_t>(u.husband)]++] = static_cast<int>(f);
        }
    }

    void WriteHeader(const std::string& version) {
        lines_.Raw(0, "HEAD");
        lines_.Raw(1, "SOUR", "NESTREL");
        lines_.Text(2, "VERS", version.empty() ? std::string("1") : version);
        lines_.Raw(2, "NAME", "Nestrel");
        lines_.Raw(1, "SUBM", "@U1@");
        lines_.Raw(1, "GEDC");
        lines_.Raw(2, "VERS", "5.5.1");
        lines_.Raw(2, "FORM", "LINEAGE-LINKED");
        lines_.Raw(1, "CHAR", "UTF-8");
        lines_.Record("@U1@", "SUBM");
        lines_.Raw(1, "NAME", "Nestrel");
    }

    void WritePerson(int index) {
        const Person& p = people_[static_cast<size_t>(index)];
        lines_.Record(PersonXref(index), "INDI");
        if (p.sim) {
            const Sim& sim = *p.sim;
            lines_.Text(1, "NAME", NamePart(sim.firstName) + " /" + NamePart(sim.ResolvedLastName()) + "/");
            lines_.Raw(1, "SEX", sim.male ? "M" : "F");
            const std::string note = SimNote(sim);
            if (!note.empty()) lines_.Text(1, "NOTE", note);
        } else {
            lines_.Text(1, "NAME", TypedGedcomName(*p.typedName));
            lines_.Raw(1, "SEX", p.typedMale ? "M" : "F");
            lines_.Text(1, "NOTE", tr("Named as a parent; not a Sim of the neighborhood."));
        }
        if (p.famc >= 0) lines_.Raw(1, "FAMC", UnionXref(p.famc));
        const size_t from = spouseStart_[static_cast<size_t>(index)];
        const size_t to = spouseStart_[static_cast<size_t>(index) + 1];
        for (size_t k = from; k < to; ++k) lines_.Raw(1, "FAMS", UnionXref(spouseUnions_[k]));
        MaybeFlush();
    }

    void WriteUnion(int index) {
        const Union& u = unions_[static_cast<size_t>(index)];
        lines_.Record(UnionXref(index), "FAM");
        if (u.husband >= 0) lines_.Raw(1, "HUSB", PersonXref(u.husband));
        if (u.wife >= 0) lines_.Raw(1, "WIFE", PersonXref(u.wife));
        if (u.married) lines_.Raw(1, "MARR", "Y");
        for (int child : u.children) lines_.Raw(1, "CHIL", PersonXref(child));
        MaybeFlush();
    }

    void MaybeFlush() {
        if (out_.size() >= kFlushBytes) Flush();
    }
    void Flush() {
        if (ok_ && !out_.empty()) ok_ = sink_(out_);
        out_.clear();
    }

    const SimRegistry& reg_;
    const GedcomSink& sink_;
    std::string out_;
    GedcomLines lines_;
    bool ok_ = true;
    std::vector<Person> people_;
    size_t simCount_ = 0;
    std::unordered_map<int32_t, int> simIndex_;
    std::unordered_map<std::string, int> typedIndex_;
    std::vector<Union> unions_;
    std::unordered_map<uint64_t, int> unionIndex_;
    std::vector<size_t> spouseStart_;
    std::vector<int> spouseUnions_;
};

}  // namespace

bool WriteGedcom(const SimRegistry& registry, const std::string& programVersion, const GedcomSink& sink) {
    Exporter exporter(registry, sink);
    return exporter.Run(programVersion);
}

std::string GedcomText(const SimRegistry& registry, const std::string& programVersion) {
    std::string text;
    WriteGedcom(registry, programVersion, [&text](std::string_view bytes) {
        text.append(bytes);
        return true;
    });
    return text;
}

bool ExportGedcomFile(const SimRegistry& registry, const std::string& programVersion,
                      const std::string& path, std::string& error) {
    AtomicFileWriter writer;
    if (!writer.Open(path)) {
        error = writer.Error();
        return false;
    }
    const bool written = WriteGedcom(registry, programVersion,
                                     [&writer](std::string_view bytes) { return writer.Write(bytes); });
    if (!written || !writer.Commit()) {
        error = writer.Error();
        writer.Abandon();
        return false;
    }
    return true;
}
