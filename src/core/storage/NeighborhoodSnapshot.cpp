#include "storage/NeighborhoodSnapshot.h"

#include "model/SimRegistry.h"

namespace {

std::string NameOf(const SimRegistry& registry, int32_t id) {
    const Sim* s = registry.FindSim(id);
    return s ? s->FullName() : std::string("-");
}

}  // namespace

std::string DescribeNeighborhood(const SimRegistry& registry, bool asStored) {
    std::string out;
    for (const Family* family : registry.families) {
        out += "family [" + family->name + "] homeless=" + std::to_string(family->homeless) +
               " members=" + std::to_string(family->memberCount) + "\n";
        for (const Sim* sim : family->members) {
            int32_t status = sim->status;
            std::string partner = NameOf(registry, sim->partnerId);
            if (asStored) {
                bool hasPartnerStatus = status != 0 && status != 3;
                if (!hasPartnerStatus) partner = "-";
                if (hasPartnerStatus && partner == "-") status = 3;
            }
            out += "  sim [" + sim->firstName + "] sign=" + std::to_string(sim->sign) +
                   " male=" + std::to_string(sim->male) + " status=" + std::to_string(status) +
                   " partner=[" + partner + "] townie=" + std::to_string(sim->townie) +
                   " vampire=" + std::to_string(sim->vampire) + " college=" + std::to_string(sim->atCollege) +
                   " degree=" + std::to_string(sim->degree) + " aspiration=" + std::to_string(sim->aspiration) +
                   " age=" + std::to_string(sim->career.lifeStage) + " career=" +
                   std::to_string(sim->career.careerCode) + " level=" + std::to_string(sim->career.level) +
                   " definition=" + (sim->career.definition ? sim->career.definition->name : std::string("-")) + "\n";
            out += "    mom isSim=" + std::to_string(sim->mom.isSim) + " [" + sim->mom.DisplayName(registry) +
                   "] dad isSim=" + std::to_string(sim->dad.isSim) + " [" + sim->dad.DisplayName(registry) + "]\n";
            out += "    friends";
            for (int32_t id : sim->friendIds) out += " [" + NameOf(registry, id) + "]";
            out += "\n    chemistry";
            for (const ChemistryEntry& e : sim->chemistry)
                out += " [" + NameOf(registry, e.simId) + "]=" + std::to_string(e.type);
            out += "\n";
        }
    }
    return out;
}
