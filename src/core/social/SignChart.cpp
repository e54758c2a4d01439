#include "social/SignChart.h"

#include "model/Vocabulary.h"

std::vector<SignChartRow> LikesDislikesChartRows() {
    std::vector<SignChartRow> rows;
    rows.reserve(kSignCount);
    for (int i = 0; i < kSignCount; ++i)
        rows.push_back({SignText(i), SignLikesText(i), SignDislikesText(i)});
    return rows;
}
