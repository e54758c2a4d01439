#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Sim;

/// Order codes of the Sim lists (the settings' first and second order).
/// Any other number orders nothing.
constexpr int32_t kOrderNone = 0;
constexpr int32_t kOrderLifeStage = 1;
constexpr int32_t kOrderAvailable = 2;
constexpr int32_t kOrderGender = 3;
constexpr int32_t kOrderLastName = 4;
constexpr int32_t kOrderFirstName = 5;

/// What the order comparison looks at for one Sim, computed once per row so
/// that sorting never rebuilds names or re-reads working hours. Name keys are
/// filled only when an order code needs them.
struct SimOrderKey {
    int32_t lifeStage = 0;
    bool available = false;
    bool male = false;
    /// SortName ("last, first") lower-cased byte by byte.
    std::string lastNameKey;
    /// FullName ("first last") lower-cased byte by byte.
    std::string firstNameKey;
};

/// The two-key comparison that orders the main window's Sim lists: for each
/// of the two codes in turn the first non-zero result decides.
///   1 life stage: higher codes first (Child, Teen, Adult, Elder);
///   2 available at the hour: available Sims first;
///   3 gender: females first;
///   4 last name: SortName without regard to case;
///   5 first name: FullName without regard to case.
/// Texts compare lower-cased byte by byte, a prefix before the longer text.
/// Rows equal under both codes keep their order when sorted with Sort().
class SimOrder {
public:
    SimOrder(int32_t firstOrder, int32_t secondOrder, int hour);

    SimOrderKey KeyFor(const Sim& sim) const;
    /// The same when the caller already knows whether the Sim is free at the hour.
    SimOrderKey KeyFor(const Sim& sim, bool availableAtHour) const;
    /// -1, 0 or +1.
    int Compare(const SimOrderKey& a, const SimOrderKey& b) const;
    int CompareSims(const Sim& a, const Sim& b) const;
    /// Neither code orders anything: every pair compares equal.
    bool OrdersNothing() const;
    /// The positions of `keys` in sorted order (stable).
    std::vector<size_t> Sort(const std::vector<SimOrderKey>& keys) const;

private:
    int CompareByCode(int32_t code, const SimOrderKey& a, const SimOrderKey& b) const;
    bool Uses(int32_t code) const { return codes_[0] == code || codes_[1] == code; }

    int32_t codes_[2];
    int hour_;
};
