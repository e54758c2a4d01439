// "dump": the neighborhood as JSON, one family per line so that two dumps
// compare well with diff. Written family by family: a large neighborhood is
// never held as one JSON tree.
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_map>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "base/Utf8Text.h"
#include "careers/NestrelCareerInfo.h"

namespace {

using Json = nlohmann::ordered_json;

/// Appends `utf8` as a JSON string. Texts that need no escaping, nearly all names,
/// are copied as they are; any other goes through the JSON library's escaping.
void AppendJsonString(std::string& out, std::string_view utf8) {
    bool plain = true;
    for (char c : utf8)
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
            plain = false;
            break;
        }
    if (plain) {
        out += '"';
        out += utf8;
        out += '"';
        return;
    }
    // Every text reaching here is valid UTF-8; replacing stays as a guard.
    out += Json(std::string(utf8)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

/// Writes one JSON object's members straight into the output, in the order given,
/// so that no document is built per Sim: the dump of a large neighborhood costs
/// about what reading it does.
class ObjectWriter {
public:
    explicit ObjectWriter(std::string& out) : out_(out) { out_ += '{'; }
    ~ObjectWriter() { out_ += '}'; }
    ObjectWriter(const ObjectWriter&) = delete;
    ObjectWriter& operator=(const ObjectWriter&) = delete;

    std::string& Key(std::string_view key) {
        out_ += first_ ? "\"" : ",\"";
        first_ = false;
        out_ += key;
        out_ += "\":";
        return out_;
    }
    void Text(std::string_view key, std::string_view bytes) { AppendJsonString(Key(key), TextAsUtf8(bytes)); }
    void Utf8(std::string_view key, std::string_view utf8) { AppendJsonString(Key(key), utf8); }
    void Bool(std::string_view key, bool value) { Key(key) += value ? "true" : "false"; }
    void Int(std::string_view key, long long value) {
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Key(key).append(digits, end);
    }
    void Null(std::string_view key) { Key(key) += "null"; }

private:
    std::string& out_;
    bool first_ = true;
};

/// The full names of linked Sims as JSON strings, each escaped once however many
/// friend and chemistry lists name it.
class QuotedNames {
public:
    const std::string& Of(const Sim& sim) {
        auto [it, added] = names_.try_emplace(&sim);
        if (added) AppendJsonString(it->second, sim.ShownFullName());
        return it->second;
    }

private:
    std::unordered_map<const Sim*, std::string> names_;
};

void WriteParent(ObjectWriter& j, std::string_view key, const SimRegistry& reg, const ParentRef& parent) {
    std::string name = parent.ShownName(reg);
    if (name.empty()) return j.Null(key);
    std::string& out = j.Key(key);
    ObjectWriter p(out);
    p.Utf8("name", name);
    p.Bool("isSim", parent.isSim);
}

void WriteMember(std::string& out, const SimRegistry& reg, const CareerList& careers, QuotedNames& names,
                 const Sim& sim) {
    ObjectWriter j(out);
    j.Text("firstName", sim.firstName);
    j.Utf8("fullName", sim.ShownFullName());
    j.Int("sign", sim.sign);
    j.Text("signName", sim.signName);
    j.Int("status", sim.status);
    j.Text("statusName", sim.StatusName());
    if (const Sim* partner = sim.Partner(reg))
        j.Key("partner") += names.Of(*partner);
    else
        j.Null("partner");
    j.Bool("male", sim.male);
    j.Int("lifeStage", sim.LifeStage());
    j.Int("careerCode", sim.career.careerCode);
    j.Text("careerName", sim.career.definition ? sim.career.GetCareerName()
                                               : CareerNameForCode(&careers, sim.career.careerCode));
    j.Int("level", sim.career.level);
    j.Text("hours", sim.CareerHours());
    j.Bool("townie", sim.townie);
    j.Bool("vampire", sim.vampire);
    j.Bool("atCollege", sim.atCollege);
    j.Int("degree", sim.degree);
    j.Int("aspiration", sim.aspiration);
    WriteParent(j, "mom", reg, sim.mom);
    WriteParent(j, "dad", reg, sim.dad);
    std::string& friends = j.Key("friends");
    friends += '[';
    bool first = true;
    for (int32_t id : sim.friendIds)
        if (const Sim* f = reg.FindSim(id)) {
            if (!first) friends += ',';
            first = false;
            friends += names.Of(*f);
        }
    friends += ']';
    std::string& chemistry = j.Key("chemistry");
    chemistry += '[';
    first = true;
    for (const ChemistryEntry& entry : sim.chemistry) {
        const Sim* other = reg.FindSim(entry.simId);
        if (!other) continue;
        if (!first) chemistry += ',';
        first = false;
        ObjectWriter c(chemistry);
        c.Key("name") += names.Of(*other);
        c.Int("type", entry.type);
    }
    chemistry += ']';
}

}  // namespace

int RunDump(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    const SimRegistry& reg = hood.registry;

    QuotedNames names;
    std::string out;
    out += "{\"file\":";
    AppendJsonString(out, TextAsUtf8(path));
    out += ",\"careerVersion\":";
    AppendJsonString(out, TextAsUtf8(hood.file.FileCareerVersion()));
    out += ",\"families\":[";
    bool first = true;
    for (const Family* family : reg.families) {
        out += first ? "\n" : ",\n";
        first = false;
        {
            ObjectWriter f(out);
            f.Text("name", family->name);
            f.Bool("homeless", family->homeless);
            f.Int("friendCount", family->friendCount);
            std::string& members = f.Key("members");
            members += '[';
            bool firstMember = true;
            for (const Sim* sim : family->members) {
                if (!firstMember) members += ',';
                firstMember = false;
                WriteMember(members, reg, hood.careers.careers, names, *sim);
            }
            members += ']';
        }
        if (out.size() > (1u << 20)) {
            std::cout << out;
            out.clear();
        }
    }
    out += "\n]}\n";
    std::cout << out;
    std::cout.flush();
    return std::cout ? kExitOk : kExitError;
}
