#include "export/GedcomWriter.h"

#include <cstdint>
#include <unordered_map>
#include <string_view>
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
    std::string_view typedName;  // the first Sim's own text: the registry stays put while exporting
    // Kept here so that the parent and couple walks, which look people up in
    // no particular order, need not reach into each Sim's record again.
    bool male = false;
    int famc = -1;
};

struct Union {
    int husband = -1;
    int wife = -1;
    bool married = false;
};

// Never 0: a union has at least one of its two people.
uint64_t PairKey(int wife, int husband) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(wife + 1)) << 32) |
           static_cast<uint32_t>(husband + 1);
}

// The unions by their pair of people. There is about one union per two
// people, so a flat table (linear probing, at most half full, key 0 free)
// saves the node allocated per union by a node-based map.
class PairIndex {
public:
    void Reserve(size_t count) { Rehash(Capacity(count)); }

    /// The value filed under `key`, or -1.
    int Find(uint64_t key) const {
        for (size_t at = Slot(key);; at = (at + 1) & mask_) {
            if (slots_[at].key == key) return slots_[at].value;
            if (slots_[at].key == 0) return -1;
        }
    }
    /// Files `value` under `key` unless the key is there; returns the value filed.
    int Insert(uint64_t key, int value) {
        if ((count_ + 1) * 2 > slots_.size()) Rehash(slots_.size() * 2);
        for (size_t at = Slot(key);; at = (at + 1) & mask_) {
            if (slots_[at].key == key) return slots_[at].value;
            if (slots_[at].key == 0) {
                slots_[at] = {key, value};
                ++count_;
                return value;
            }
        }
    }

private:
    struct Entry {
        uint64_t key;
        int value;
    };
    static size_t Capacity(size_t count) {
        size_t capacity = 16;
        while (capacity < count * 2) capacity *= 2;
        return capacity;
    }
    size_t Slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    void Rehash(size_t capacity) {
        std::vector<Entry> old(capacity, Entry{0, -1});
        old.swap(slots_);
        mask_ = capacity - 1;
        shift_ = 64;
        for (size_t c = capacity; c > 1; c >>= 1) --shift_;
        count_ = 0;
        for (const Entry& e : old)
            if (e.key != 0) Insert(e.key, e.value);
    }

    std::vector<Entry> slots_ = std::vector<Entry>(16, Entry{0, -1});
    size_t mask_ = 15;
    int shift_ = 60;
    size_t count_ = 0;
};

// Cross-references are "@I<n>@" for people and "@F<n>@" for families, counted from 1.
constexpr char kPersonXref = 'I';
constexpr char kUnionXref = 'F';

// Appends a name part for a NAME line: slashes would end the surname early.
void AppendNamePart(std::string& out, std::string_view bytes) {
    const size_t from = out.size();
    AppendAsUtf8(out, bytes);
    for (size_t i = from; i < out.size(); ++i)
        if (out[i] == '/') out[i] = ' ';
}

std::string NamePart(std::string_view bytes) {
    std::string text;
    AppendNamePart(text, bytes);
    return text;
}

// "Mary Ann Smith" -> "Mary Ann /Smith/": the last word of a typed-in name is
// taken as the surname; a single word stays a given name.
std::string TypedGedcomName(std::string_view typed) {
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

// The note's labels, looked up in the translation once per export, not per Sim.
struct NoteLabels {
    std::string sign = tr("Sign: ");
    std::string aspiration = tr("Aspiration: ");
    std::string lifeStage = tr("Life stage: ");
    std::string townie = tr("Townie");
    std::string vampire = tr("Vampire");
    std::string atCollege = tr("At college");
    std::string degree = tr("Degree: ");
    std::vector<std::string> aspirations = AspirationTexts();
    std::vector<std::string> lifeStages = LifeStageTexts();
    std::vector<std::string> majors = MajorTexts();
};

// The table's text for `code`, empty outside it (as the single look-ups give).
std::string_view TableEntry(const std::vector<std::string>& table, int32_t code) {
    if (code < 0 || static_cast<size_t>(code) >= table.size()) return {};
    return table[static_cast<size_t>(code)];
}

// The Sim's note, one fact per line, into `note` (reused from Sim to Sim).
void SimNote(const Sim& sim, const NoteLabels& labels, std::string& note) {
    note.clear();
    auto start = [&note] {
        if (!note.empty()) note += '\n';
    };
    auto line = [&](const std::string& label, std::string_view value, bool decode) {
        if (value.empty()) return;
        start();
        note += label;
        if (decode)
            AppendAsUtf8(note, value);
        else
            note += value;
    };
    line(labels.sign, sim.signName, true);
    line(labels.aspiration, TableEntry(labels.aspirations, sim.aspiration), false);
    line(labels.lifeStage, TableEntry(labels.lifeStages, sim.LifeStage()), false);
    for (auto [flag, label] : {std::pair{sim.townie, &labels.townie}, std::pair{sim.vampire, &labels.vampire},
                               std::pair{sim.atCollege, &labels.atCollege}})
        if (flag && !label->empty()) {
            start();
            note += *label;
        }
    if (sim.degree != 0) line(labels.degree, TableEntry(labels.majors, sim.degree), false);
    if (!sim.career.careerText.empty()) {
        start();
        AppendAsUtf8(note, sim.career.careerText);
    }
}

class Exporter {
public:
    Exporter(const SimRegistry& registry, const GedcomSink& sink) : reg_(registry), sink_(sink), lines_(out_) {}

    bool Run(const std::string& version) {
        CollectSims();
        CollectParents();
        CollectCouples();
        IndexChildren();
        IndexSpouses();
        WriteHeader(version);
        for (size_t i = 0; i < people_.size() && ok_; ++i) {
            PrefetchSim(i + 2 * kAhead);
            PrefetchTexts(i + kAhead);
            WritePerson(static_cast<int>(i));
        }
        for (size_t f = 0; f < unions_.size() && ok_; ++f) WriteUnion(static_cast<int>(f));
        lines_.Raw(0, "TRLR");
        Flush();
        return ok_;
    }

private:
    void CollectSims() {
        const size_t registered = reg_.allSims.Count();
        denseIndex_.assign(registered * 2 + 16, -1);
        unionIndex_.Reserve(registered / 2);
        // The members first, without reading their records, so that filing
        // them can ask for each record a few Sims ahead.
        std::vector<const Sim*> sims;
        sims.reserve(registered);
        for (const Family* family : reg_.families)
            for (const Sim* sim : family->members) sims.push_back(sim);
        // Sims outside every family are still people of the neighborhood.
        // Every member is registered, so when the counts agree there is none.
        if (sims.size() != registered)
            for (const Sim* sim : reg_.allSims) sims.push_back(sim);
        people_.reserve(sims.size());
        for (size_t i = 0; i < sims.size(); ++i) {
#if defined(__GNUC__)
            if (i + kAhead < sims.size()) __builtin_prefetch(sims[i + kAhead]);
#endif
            AddSim(sims[i]);
        }
        simCount_ = people_.size();
    }

    void AddSim(const Sim* sim) {
        if (!sim || !FilePerson(sim->id, static_cast<int>(people_.size()))) return;
        Person p;
        p.sim = sim;
        p.male = sim->male;
        people_.push_back(p);
    }

    // Sim ids are dense from 1 in a loaded neighborhood, so most index an array;
    // ids of hand-made records far beyond the count go to a hash map.
    bool FilePerson(int32_t id, int person) {
        if (id >= 0 && static_cast<size_t>(id) < denseIndex_.size()) {
            int& slot = denseIndex_[static_cast<size_t>(id)];
            if (slot >= 0) return false;
            slot = person;
            return true;
        }
        return sparseIndex_.try_emplace(id, person).second;
    }

    int PersonOfSim(int32_t id) const {
        if (id >= 0 && static_cast<size_t>(id) < denseIndex_.size()) return denseIndex_[static_cast<size_t>(id)];
        auto it = sparseIndex_.find(id);
        return it == sparseIndex_.end() ? -1 : it->second;
    }

    // The person a parent reference names: a Sim when it is linked to one (or
    // carries no typed name), otherwise the typed-in name's own person.
    int ParentIndex(const ParentRef& ref, bool asMother) {
        if (ref.isSim || ref.name.empty()) {
            if (ref.simId < 0) return -1;
            return PersonOfSim(ref.simId);
        }
        auto [it, added] = typedIndex_.try_emplace(ref.name, static_cast<int>(people_.size()));
        if (added) {
            Person p;
            p.typedName = it->first;
            p.male = !asMother;
            people_.push_back(p);
        }
        return it->second;
    }

    void CollectParents() {
        for (size_t i = 0; i < simCount_; ++i) {
#if defined(__GNUC__)
            if (i + kAhead < simCount_) {
                __builtin_prefetch(&people_[i + kAhead].sim->mom);
                __builtin_prefetch(&people_[i + kAhead].sim->dad);
            }
#endif
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
            people_[i].famc = UnionFor(mom, dad);
        }
    }

    // Each union's children in the order of the people (counted, then filled in one walk).
    void IndexChildren() {
        childStart_.assign(unions_.size() + 1, 0);
        for (size_t i = 0; i < simCount_; ++i)
            if (people_[i].famc >= 0) ++childStart_[static_cast<size_t>(people_[i].famc) + 1];
        for (size_t f = 1; f < childStart_.size(); ++f) childStart_[f] += childStart_[f - 1];
        children_.resize(childStart_.back());
        std::vector<size_t> fill(childStart_.begin(), childStart_.end() - 1);
        for (size_t i = 0; i < simCount_; ++i)
            if (people_[i].famc >= 0) children_[fill[static_cast<size_t>(people_[i].famc)]++] = static_cast<int>(i);
    }

    // The walks over the Sims read each record whole; in a neighborhood too
    // large for the caches they would wait on memory once per Sim without a
    // hint a few Sims ahead.
    static constexpr size_t kAhead = 8;
    void PrefetchSim(size_t person) const {
#if defined(__GNUC__)
        if (person >= simCount_) return;
        const char* record = reinterpret_cast<const char*>(people_[person].sim);
        for (size_t offset = 0; offset < sizeof(Sim); offset += 64) __builtin_prefetch(record + offset);
#else
        (void)person;
#endif
    }

    // Once a record has arrived: the texts it keeps elsewhere (a long career
    // text, the family and its name).
    void PrefetchTexts(size_t person) const {
#if defined(__GNUC__)
        if (person >= simCount_) return;
        const Sim& sim = *people_[person].sim;
        const std::string& career = sim.career.careerText;
        for (size_t offset = 0; offset < career.size(); offset += 64) __builtin_prefetch(career.data() + offset);
        if (sim.family) {
            __builtin_prefetch(sim.family);
            __builtin_prefetch(sim.family->name.data());
        }
#else
        (void)person;
#endif
    }

    bool IsMale(int person) const {
        return people_[static_cast<size_t>(person)].male;
    }

    int UnionFor(int wife, int husband) {
        const int next = static_cast<int>(unions_.size());
        const int u = unionIndex_.Insert(PairKey(wife, husband), next);
        if (u == next) {
            Union added;
            added.wife = wife;
            added.husband = husband;
            unions_.push_back(added);
        }
        return u;
    }

    int FindUnion(int a, int b) const {
        const int u = unionIndex_.Find(PairKey(a, b));
        return u >= 0 ? u : unionIndex_.Find(PairKey(b, a));
    }

    void CollectCouples() {
        for (size_t i = 0; i < simCount_; ++i) {
            const Sim& sim = *people_[i].sim;
            if (sim.status != kStatusMarried && sim.status != kStatusCommitted) continue;
            const int a = static_cast<int>(i);
            const int b = PersonOfSim(sim.partnerId);
            if (b < 0 || b == a) continue;
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
        lines_.Record(kPersonXref, index + 1, "INDI");
        if (p.sim) {
            const Sim& sim = *p.sim;
            name_.clear();
            AppendNamePart(name_, sim.firstName);
            name_ += " /";
            AppendNamePart(name_, sim.ResolvedLastName());
            name_ += '/';
            lines_.Text(1, "NAME", name_);
            lines_.Raw(1, "SEX", sim.male ? "M" : "F");
            SimNote(sim, labels_, note_);
            if (!note_.empty()) lines_.Text(1, "NOTE", note_);
        } else {
            lines_.Text(1, "NAME", TypedGedcomName(p.typedName));
            lines_.Raw(1, "SEX", p.male ? "M" : "F");
            lines_.Text(1, "NOTE", tr("Named as a parent; not a Sim of the neighborhood."));
        }
        if (p.famc >= 0) lines_.Pointer(1, "FAMC", kUnionXref, p.famc + 1);
        const size_t from = spouseStart_[static_cast<size_t>(index)];
        const size_t to = spouseStart_[static_cast<size_t>(index) + 1];
        for (size_t k = from; k < to; ++k) lines_.Pointer(1, "FAMS", kUnionXref, spouseUnions_[k] + 1);
        MaybeFlush();
    }

    void WriteUnion(int index) {
        const Union& u = unions_[static_cast<size_t>(index)];
        lines_.Record(kUnionXref, index + 1, "FAM");
        if (u.husband >= 0) lines_.Pointer(1, "HUSB", kPersonXref, u.husband + 1);
        if (u.wife >= 0) lines_.Pointer(1, "WIFE", kPersonXref, u.wife + 1);
        if (u.married) lines_.Raw(1, "MARR", "Y");
        for (size_t k = childStart_[static_cast<size_t>(index)]; k < childStart_[static_cast<size_t>(index) + 1]; ++k)
            lines_.Pointer(1, "CHIL", kPersonXref, children_[k] + 1);
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
    NoteLabels labels_;
    std::string note_;
    std::string name_;
    bool ok_ = true;
    std::vector<Person> people_;
    size_t simCount_ = 0;
    std::vector<int> denseIndex_;
    std::unordered_map<int32_t, int> sparseIndex_;
    std::unordered_map<std::string_view, int> typedIndex_;
    std::vector<Union> unions_;
    PairIndex unionIndex_;
    std::vector<size_t> childStart_;
    std::vector<int> children_;
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
