// Writing the neighborhood file. The text is built in a buffer of about a
// megabyte that is handed to the file whenever it fills and then reused, so
// saving touches little fresh memory however large the neighborhood; the
// file goes through a temporary file and a rename. The same code builds the
// whole text in memory when no file is given.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/FileIO.h"
#include "base/Prompter.h"
#include "base/Translate.h"
#include "model/SimRegistry.h"
#include "storage/NeighborhoodFile.h"
#include "storage/NeighborhoodKeys.h"

namespace {

// A family name can be stored only when it is not empty (a group without a
// name has no header, so its members would join the family before it) and
// holds neither ']' (which ends the name on reading) nor a line feed.
bool IsStorableFamilyName(std::string_view name) {
    return !name.empty() && name.find(']') == std::string_view::npos && name.find('\n') == std::string_view::npos;
}

// Values end at the line's end, so a line feed inside a name would start a
// new line (and could forge keys); it is stored as a blank.
std::string_view Storable(std::string_view text, std::string& scratch) {
    if (text.find('\n') == std::string_view::npos) return text;
    scratch.assign(text);
    for (char& c : scratch)
        if (c == '\n') c = ' ';
    return scratch;
}

class Writer {
public:
    // The buffer is handed to the file once it holds this much.
    static constexpr size_t kFlushAt = size_t{1} << 20;

    // Without a file the whole text stays in the buffer (see TakeText).
    Writer(const SimRegistry& registry, Prompter& prompter, AtomicFileWriter* file)
        : registry_(registry), prompter_(prompter), file_(file) {
        if (file_) out_.reserve(kFlushAt + kFlushAt / 8);
    }

    // Family names to store, and the stored full name of every Sim; the
    // first tells the user about families saved under another name.
    void Prepare() {
        ChooseFamilyNames();
        BuildNameTable();
    }
    void WriteAll(std::string_view careerVersion);
    // Hands the rest of the buffer to the file; false when any write failed.
    bool Flush();
    std::string TakeText() { return std::move(out_); }

private:
    void ChooseFamilyNames();
    void BuildNameTable();
    void WriteFamily(const Family& family);
    void FlushIfFull() {
        if (file_ && out_.size() >= kFlushAt) Flush();
    }

    std::string_view FamilyName(const Family* family) const {
        auto it = substitutes_.find(family);
        return it == substitutes_.end() ? std::string_view(family->name) : std::string_view(it->second);
    }
    // The full name by which the file refers to a Sim, with the family name
    // the file stores.
    void AppendFullName(std::string& out, const Sim& sim) const {
        std::string scratch;
        out += Storable(sim.firstName, scratch);
        out += ' ';
        out += sim.family ? FamilyName(sim.family) : Storable(sim.lastName, scratch);
    }
    // The stored full name of the Sim FindSim finds for an id; false when
    // there is none. Names come from the table built once per save: the file
    // names most Sims many times, and building each name afresh walks from
    // the Sim to its family and both names.
    bool NameOf(int32_t id, std::string_view& name) {
        if (id >= 0 && static_cast<size_t>(id) < nameOf_.size() && nameOf_[static_cast<size_t>(id)].length) {
            const NameRef ref = nameOf_[static_cast<size_t>(id)];
            name = std::string_view(names_).substr(ref.offset, ref.length);
            return true;
        }
        const Sim* sim = registry_.FindSim(id);
        if (!sim) return false;
        other_.clear();
        AppendFullName(other_, *sim);
        name = other_;
        return true;
    }
    // "key=full name" and the line's end when the Sim exists.
    void NameLine(std::string_view key, int32_t id) {
        std::string_view name;
        if (!NameOf(id, name)) return;
        Key(key);
        out_ += name;
        out_ += "\r\n";
    }
    void Key(std::string_view key) {
        out_ += key;
        out_ += '=';
    }
    void Line(std::string_view key, std::string_view value) {
        Key(key);
        out_ += value;
        out_ += "\r\n";
    }
    void Number(int32_t value) {
        char digits[16];
        auto r = std::to_chars(digits, digits + sizeof digits, value);
        out_.append(digits, static_cast<size_t>(r.ptr - digits));
    }
    void Line(std::string_view key, int32_t value) {
        Key(key);
        Number(value);
        out_ += "\r\n";
    }
    void ParentLines(const char* livKey, const char* nameKey, int32_t m, const ParentRef& parent);
    void WriteMember(const Sim& sim, int32_t m);

    const SimRegistry& registry_;
    Prompter& prompter_;
    AtomicFileWriter* file_;
    bool failed_ = false;
    std::string out_;
    KeyBuffer keys_;
    std::unordered_map<const Family*, std::string> substitutes_;
    // 8 bytes an entry, so that the table of a large neighborhood stays in
    // the cache as long as it can: the file names most Sims many times.
    struct NameRef {
        uint32_t offset;
        uint32_t length;  // 0: no entry (a stored full name holds at least the blank)
    };
    // The look-ups of a member's friends go all over the table and the
    // names: ask for the table entries one member ahead, and for the names
    // just before the member is written.
    void PrefetchNameRefs(const Sim& sim) const {
#if defined(__GNUC__)
        for (int32_t id : sim.friendIds)
            if (id >= 0 && static_cast<size_t>(id) < nameOf_.size()) __builtin_prefetch(&nameOf_[static_cast<size_t>(id)]);
#else
        (void)sim;
#endif
    }
    void PrefetchNames(const Sim& sim) const {
#if defined(__GNUC__)
        for (int32_t id : sim.friendIds)
            if (id >= 0 && static_cast<size_t>(id) < nameOf_.size() && nameOf_[static_cast<size_t>(id)].length)
                __builtin_prefetch(names_.data() + nameOf_[static_cast<size_t>(id)].offset);
#else
        (void)sim;
#endif
    }
    std::vector<NameRef> nameOf_;
    std::string names_;
    std::string other_;
};

void Writer::BuildNameTable() {
    // Ids handed out by the counters are dense from 1; others are looked up.
    const size_t limit = registry_.allSims.Count() * 2 + 1024;
    for (const Sim* sim : registry_.allSims) {
        if (sim->id < 0 || static_cast<size_t>(sim->id) >= limit) continue;
        if (registry_.FindSim(sim->id) != sim) continue;
        const auto id = static_cast<size_t>(sim->id);
        if (id >= nameOf_.size()) nameOf_.resize(std::max(id + 1, nameOf_.size() * 3 / 2), NameRef{0, 0});
        const size_t start = names_.size();
        AppendFullName(names_, *sim);
        // Names past 4 GB in all (never in practice) are looked up one by one.
        if (names_.size() > UINT32_MAX) {
            names_.resize(start);
            break;
        }
        nameOf_[id] = {static_cast<uint32_t>(start), static_cast<uint32_t>(names_.size() - start)};
    }
}

// Families whose names cannot be stored are saved under a substitute name
// that no other family has, and every reference to their members uses it,
// so nothing is lost and the user is told where to find them. (Skipping
// them would drop their Sims; writing them nameless would merge them into
// the family before them.)
void Writer::ChooseFamilyNames() {
    std::unordered_set<std::string_view> taken;
    for (const Family* f : registry_.families) taken.insert(f->name);
    for (const Family* f : registry_.families) {
        if (IsStorableFamilyName(f->name)) continue;
        // The name goes into the file, which reads the same in every language.
        const std::string base = "Unnamed Family";
        std::string name = base;
        for (int n = 2; taken.count(name); ++n) name = base + " " + std::to_string(n);
        auto& stored = substitutes_[f] = name;
        taken.insert(stored);
        std::string text = tr("The family \"%1\" cannot be saved under its name and was saved as \"%2\".");
        std::string shown = f->name;
        for (char& c : shown)
            if (c == '\n') c = ' ';
        text.replace(text.find("%1"), 2, shown);
        text.replace(text.find("%2"), 2, stored);
        prompter_.Notice(text, tr("Message"));
    }
}

void Writer::ParentLines(const char* livKey, const char* nameKey, int32_t m, const ParentRef& parent) {
    Line(keys_.Member(livKey, m), parent.isSim ? 1 : 0);
    if (parent.isSim || parent.name.empty()) {
        NameLine(keys_.Member(nameKey, m), parent.simId);
    } else {
        std::string scratch;
        Line(keys_.Member(nameKey, m), Storable(parent.name, scratch));
    }
}

void Writer::WriteMember(const Sim& sim, int32_t m) {
    std::string scratch;
    Line(keys_.Member("Name", m), Storable(sim.firstName, scratch));
    Line(keys_.Member("Sign", m), sim.sign);
    Line(keys_.Member("Status", m), sim.status);
    if (sim.status != 0 && sim.status != 3) NameLine(keys_.Member("Match", m), sim.partnerId);
    Line(keys_.Member("Townie", m), sim.townie ? 1 : 0);
    Line(keys_.Member("Vampire", m), sim.vampire ? 1 : 0);
    Line(keys_.Member("College", m), sim.atCollege ? 1 : 0);
    Line(keys_.Member("Degree", m), sim.degree);
    Line(keys_.Member("Aspir", m), sim.aspiration);
    ParentLines("MomLiv", "Mom", m, sim.mom);
    ParentLines("DadLiv", "Dad", m, sim.dad);
    Line(keys_.Member("Gender", m), sim.male ? 1 : 0);
    Line(keys_.Member("Age", m), sim.career.lifeStage);
    Line(keys_.Member("Career", m), sim.career.careerCode);
    Line(keys_.Member("Level", m), sim.career.level);

    Line(keys_.Member("FriendCount", m), static_cast<int32_t>(sim.friendIds.size()));
    // A friend that is not found leaves its position empty: the numbering is
    // not closed up, so the count still says how many positions there are.
    for (size_t j = 0; j < sim.friendIds.size(); ++j) {
        const int32_t id = sim.friendIds[j];
        if (id >= 0) NameLine(keys_.Pair('F', m, static_cast<int32_t>(j)), id);
    }
    Line(keys_.Member("ChemCount", m), static_cast<int32_t>(sim.chemistry.Count()));
    int32_t k = 0;
    for (const ChemistryEntry& entry : sim.chemistry) {
        std::string_view name;
        if (!NameOf(entry.simId, name)) continue;
        Key(keys_.Pair('C', m, k++));
        out_ += name;
        out_ += ',';
        Number(entry.type);
        out_ += "\r\n";
    }
    // The member's block ends with a line holding a single CR (CR CR LF on
    // disk); readers find no key in it.
    out_ += "\r\r\n";
    // Checked per member, so that one huge family is not built whole either.
    FlushIfFull();
}

void Writer::WriteFamily(const Family& family) {
    out_ += '[';
    out_ += FamilyName(&family);
    out_ += "]\r\n";
    Line("NumMembers", family.memberCount);
    if (family.homeless) Line("Homeless", "1");
    // Members without a first name cannot be named in the file; they are
    // left out and take no number.
    int32_t m = 0;
    auto ahead = family.members.begin();
    const auto end = family.members.end();
    if (ahead != end) PrefetchNameRefs(**ahead), ++ahead;
    for (const Sim* sim : family.members) {
        if (ahead != end) PrefetchNameRefs(**ahead), ++ahead;
        if (sim->firstName.empty()) continue;
        PrefetchNames(*sim);
        WriteMember(*sim, m++);
    }
    FlushIfFull();
}

void Writer::WriteAll(std::string_view careerVersion) {
    out_ += "[settings]\r\nCareerVers=";
    std::string scratch;
    out_ += Storable(careerVersion, scratch);
    out_ += "\r\n";
    for (const Family* family : registry_.families) {
        if (failed_) break;
        WriteFamily(*family);
    }
}

bool Writer::Flush() {
    // After a failed write the rest is dropped: the file is abandoned anyway.
    if (!failed_ && !out_.empty()) failed_ = !file_->Write(out_);
    out_.clear();
    return !failed_;
}

}  // namespace

std::string NeighborhoodFile::WriteToText() {
    if (!registry_ || registry_->IsEmpty()) return std::string();
    SilentPrompter silent;
    Writer writer(*registry_, prompter_ ? *prompter_ : silent, nullptr);
    writer.Prepare();
    writer.WriteAll(careerVersion_);
    return writer.TakeText();
}

bool NeighborhoodFile::Write(const std::string& name) { return WriteFile(ResolvePath(name)); }

bool NeighborhoodFile::WriteFile(const std::string& path) {
    lastError_.clear();
    if (!registry_ || registry_->IsEmpty()) {
        lastError_ = tr("There are no families to save.");
        return false;
    }
    SilentPrompter silent;
    AtomicFileWriter file;
    Writer writer(*registry_, prompter_ ? *prompter_ : silent, &file);
    writer.Prepare();
    if (file.Open(path)) {
        writer.WriteAll(careerVersion_);
        if (writer.Flush() && file.Commit()) return true;
    }
    lastError_ = file.Error();
    return false;
}

bool NeighborhoodFile::WriteCopy(const std::string& path, std::string* error) const {
    if (!registry_ || registry_->IsEmpty()) {
        if (error) *error = tr("There are no families to save.");
        return false;
    }
    // Nobody asked for this file: whatever the writer would tell the user about the
    // neighborhood, a real save tells them.
    SilentPrompter silent;
    AtomicFileWriter file;
    Writer writer(*registry_, silent, &file);
    writer.Prepare();
    if (file.Open(path)) {
        writer.WriteAll(careerVersion_);
        if (writer.Flush() && file.Commit()) return true;
    }
    if (error) *error = file.Error();
    return false;
}
