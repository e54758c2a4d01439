#pragma once
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

/// The numbers that a family group's numbered keys carry: the members that have a
/// "Name<m>" key, and for each member the friend ("F") and chemistry ("C")
/// positions that some key may stand for. Members, friends and chemistry entries
/// are then read exactly where keys exist, whatever numbers they sit at, instead of
/// trying every number up to a count the file states (which may be two billion, or
/// may leave gaps where blocks were deleted by hand). Built in one walk over the
/// group's lines; the numbers are those the writer produces (decimal, no sign, no
/// leading zero).
///
/// A plain position key such as "F112" can stand for member 1 position 12 or member
/// 11 position 2; both are listed, and the reader's own look-up decides.
class NumberedKeys {
public:
    /// Rebuilds the lists for a group body, reusing the memory of earlier builds.
    void Build(std::string_view body);

    /// The member numbers with a "Name" key, ascending, without repeats.
    const std::vector<int32_t>& Members() const { return members_; }

    struct Position {
        char prefix;
        int32_t member;
        int32_t entry;
        auto operator<=>(const Position&) const = default;
    };
    /// The candidate positions of `prefix` ('F' or 'C') for `member`, ascending
    /// by entry, without repeats: [first, last) of the candidates.
    std::pair<const Position*, const Position*> Positions(char prefix, int32_t member) const;

private:
    void AddPair(char prefix, std::string_view digits);

    std::vector<int32_t> members_;
    std::vector<Position> positions_;
};
