#include "familytree/ChartView.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSteps[] = {0.1, 0.25, 0.33, 0.5, 0.67, 0.8, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
// Scales within this of a step count as that step.
constexpr double kSame = 0.005;

}  // namespace

double ZoomIn(double zoom) {
    for (double step : kSteps)
        if (step > zoom + kSame) return step;
    return kMaxZoom;
}

double ZoomOut(double zoom) {
    for (size_t i = std::size(kSteps); i-- > 0;)
        if (kSteps[i] < zoom - kSame) return kSteps[i];
    return kMinZoom;
}

double FitZoom(int chartWidth, int chartHeight, int areaWidth, int areaHeight) {
    if (chartWidth <= 0 || chartHeight <= 0 || areaWidth <= 0 || areaHeight <= 0) return 1.0;
    const double fit = std::min(static_cast<double>(areaWidth) / chartWidth, static_cast<double>(areaHeight) / chartHeight);
    return std::clamp(fit, kMinZoom, 1.0);
}

double OpeningZoom(int chartWidth, int chartHeight, int areaWidth, int areaHeight) {
    const double fit = FitZoom(chartWidth, chartHeight, areaWidth, areaHeight);
    return fit >= kReadableZoom ? fit : 1.0;
}

PrintPlan PlanPrint(int chartWidth, int chartHeight, int pageWidth, int pageHeight, bool fit, double normalScale) {
    PrintPlan plan;
    if (chartWidth <= 0 || chartHeight <= 0 || pageWidth <= 0 || pageHeight <= 0 || normalScale <= 0) return plan;
    if (fit) {
        const double scale = std::min({static_cast<double>(pageWidth) / chartWidth,
                                       static_cast<double>(pageHeight) / chartHeight, normalScale});
        plan.scale = scale;
        plan.pages.push_back({0, 0, chartWidth, chartHeight});
        return plan;
    }
    plan.scale = normalScale;
    // The part of the chart one page holds, in chart pixels.
    const int across = std::max(1, static_cast<int>(std::floor(pageWidth / normalScale)));
    const int down = std::max(1, static_cast<int>(std::floor(pageHeight / normalScale)));
    for (int y = 0; y < chartHeight; y += down)
        for (int x = 0; x < chartWidth; x += across)
            plan.pages.push_back({x, y, std::min(across, chartWidth - x), std::min(down, chartHeight - y)});
    return plan;
}
