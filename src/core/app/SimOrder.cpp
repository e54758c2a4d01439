#include "app/SimOrder.h"

#include <algorithm>
#include <numeric>

#include "base/Text.h"
#include "model/Sim.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

int CompareNumbers(int64_t a, int64_t b) { return (a > b) - (a < b); }

}  // namespace

SimOrder::SimOrder(int32_t firstOrder, int32_t secondOrder, int hour)
    : codes_{firstOrder, secondOrder}, hour_(hour) {}

SimOrderKey SimOrder::KeyFor(const Sim& sim) const {
    return KeyFor(sim, Uses(kOrderAvailable) && sim.IsAvailableAt(hour_));
}

SimOrderKey SimOrder::KeyFor(const Sim& sim, bool availableAtHour) const {
    SimOrderKey key;
    key.lifeStage = sim.LifeStage();
    key.male = sim.male;
    key.available = availableAtHour;
    if (Uses(kOrderLastName)) key.lastNameKey = AsciiLower(sim.SortName());
    if (Uses(kOrderFirstName)) key.firstNameKey = AsciiLower(sim.FullName());
    return key;
}

int SimOrder::CompareByCode(int32_t code, const SimOrderKey& a, const SimOrderKey& b) const {
    switch (code) {
        case kOrderLifeStage:
            return CompareNumbers(b.lifeStage, a.lifeStage);
        case kOrderAvailable:
            return CompareNumbers(b.available, a.available);
        case kOrderGender:
            return CompareNumbers(a.male, b.male);
        case kOrderLastName:
            // std::string compares its bytes as unsigned char, a prefix first:
            // the same order as CompareNoCase on the original texts.
            return Sign(a.lastNameKey.compare(b.lastNameKey));
        case kOrderFirstName:
            return Sign(a.firstNameKey.compare(b.firstNameKey));
        default:
            return 0;
    }
}

int SimOrder::Compare(const SimOrderKey& a, const SimOrderKey& b) const {
    for (int32_t code : codes_) {
        int result = CompareByCode(code, a, b);
        if (result != 0) return result;
    }
    return 0;
}

int SimOrder::CompareSims(const Sim& a, const Sim& b) const {
    return Compare(KeyFor(a), KeyFor(b));
}

bool SimOrder::OrdersNothing() const {
    for (int32_t code : codes_)
        if (code >= kOrderLifeStage && code <= kOrderFirstName) return false;
    return true;
}

std::vector<size_t> SimOrder::Sort(const std::vector<SimOrderKey>& keys) const {
    std::vector<size_t> order(keys.size());
    std::iota(order.begin(), order.end(), size_t{0});
    if (OrdersNothing()) return order;
    std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
        return Compare(keys[x], keys[y]) < 0;
    });
    return order;
}
