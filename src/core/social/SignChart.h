#pragma once
#include <string>
#include <vector>

/// One row of the likes/dislikes chart: a sign and the two signs it likes and
/// the two it dislikes, as display texts.
struct SignChartRow {
    std::string sign;
    std::string likes;
    std::string dislikes;
};

/// The twelve rows of the chart in the stored sign order (row i is the sign
/// with code 1 << i).
std::vector<SignChartRow> LikesDislikesChartRows();
