#include "ShotRegistry.h"

std::vector<Shot>& RegisteredShots() {
    static std::vector<Shot> shots;
    return shots;
}

std::vector<MessageShot>& RegisteredMessageShots() {
    static std::vector<MessageShot> shots;
    return shots;
}
