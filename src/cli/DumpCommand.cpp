// "dump": the neighborhood as JSON, one family per line so that two dumps
// compare well with diff. Written family by family: a large neighborhood is
// never held as one JSON tree.
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "base/Utf8Text.h"
#include "careers/NestrelCareerInfo.h"

namespace {

using Json = nlohmann::ordered_json;

Json Text(const std::string& bytes) { return Json(TextAsUtf8(bytes)); }

Json Parent(const SimRegistry& reg, const ParentRef& parent) {
    std::string name = parent.ShownName(reg);
    if (name.empty()) return nullptr;
    Json j;
    j["name"] = std::move(name);
    j["isSim"] = parent.isSim;
    return j;
}

Json Member(const SimRegistry& reg, const CareerList& careers, const Sim& sim) {
    Json j;
    j["firstName"] = Text(sim.firstName);
    j["fullName"] = sim.ShownFullName();
    j["sign"] = sim.sign;
    j["signName"] = Text(sim.signName);
    j["status"] = sim.status;
    j["statusName"] = Text(sim.StatusName());
    const Sim* partner = sim.Partner(reg);
    j["partner"] = partner ? Json(partner->ShownFullName()) : Json(nullptr);
    j["male"] = sim.male;
    j["lifeStage"] = sim.LifeStage();
    j["careerCode"] = sim.career.careerCode;
    j["careerName"] = Text(sim.career.definition ? sim.career.GetCareerName()
                                                 : CareerNameForCode(&careers, sim.career.careerCode));
    j["level"] = sim.career.level;
    j["hours"] = Text(sim.CareerHours());
    j["townie"] = sim.townie;
    j["vampire"] = sim.vampire;
    j["atCollege"] = sim.atCollege;
    j["degree"] = sim.degree;
    j["aspiration"] = sim.aspiration;
    j["mom"] = Parent(reg, sim.mom);
    j["dad"] = Parent(reg, sim.dad);
    Json friends = Json::array();
    for (int32_t id : sim.friendIds)
        if (const Sim* f = reg.FindSim(id)) friends.push_back(f->ShownFullName());
    j["friends"] = std::move(friends);
    Json chemistry = Json::array();
    for (const ChemistryEntry& entry : sim.chemistry) {
        const Sim* other = reg.FindSim(entry.simId);
        if (!other) continue;
        Json c;
        c["name"] = other->ShownFullName();
        c["type"] = entry.type;
        chemistry.push_back(std::move(c));
    }
    j["chemistry"] = std::move(chemistry);
    return j;
}

std::string Compact(const Json& j) {
    // Every text went through TextAsUtf8 already; replacing stays as a guard.
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

int RunDump(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    const SimRegistry& reg = hood.registry;

    std::string out;
    out += "{\"file\":" + Compact(Text(path));
    out += ",\"careerVersion\":" + Compact(Text(hood.file.FileCareerVersion()));
    out += ",\"families\":[";
    bool first = true;
    for (const Family* family : reg.families) {
        Json f;
        f["name"] = Text(family->name);
        f["homeless"] = family->homeless;
        f["friendCount"] = family->friendCount;
        Json members = Json::array();
        for (const Sim* sim : family->members) members.push_back(Member(reg, hood.careers.careers, *sim));
        f["members"] = std::move(members);
        out += first ? "\n" : ",\n";
        first = false;
        out += Compact(f);
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
