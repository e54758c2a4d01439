#include "ShotRegistry.h"

std::vector<Shot>& RegisteredShots() {
    static std::vector<Shot> shots;
    return shots;
}
