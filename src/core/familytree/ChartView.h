#pragma once
#include <vector>

/// How the family tree window and its printouts scale a chart: zoom steps, fitting a
/// chart into an area, the size a chart opens at, and how a chart is cut into pages.

/// The scale below which names are too small to read comfortably.
constexpr double kReadableZoom = 0.6;
constexpr double kMinZoom = 0.1;
constexpr double kMaxZoom = 4.0;

/// The next larger (smaller) of the zoom steps 10 % ... 400 %; a scale between two
/// steps goes to the nearer step in that direction.
double ZoomIn(double zoom);
double ZoomOut(double zoom);

/// The largest scale, not above normal size, at which a chart of this size fits in the
/// area (never below the smallest zoom).
double FitZoom(int chartWidth, int chartHeight, int areaWidth, int areaHeight);

/// The scale a chart opens at: fitted to the area when names stay readable there,
/// else normal size (the window then scrolls to the root).
double OpeningZoom(int chartWidth, int chartHeight, int areaWidth, int areaHeight);

/// One printed page: the part of the chart (in chart pixels) it shows.
struct PrintPage {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// How a chart is printed: the scale from chart pixels to page pixels and the pages.
struct PrintPlan {
    double scale = 1;
    std::vector<PrintPage> pages;
};

/// Fit: one page, the chart scaled down (never up) to the printable area. Spread: the
/// chart at `normalScale` (chart pixels to page pixels at normal size), cut into as
/// many pages across and down as it needs, row by row. An empty chart or page area
/// gives no pages.
PrintPlan PlanPrint(int chartWidth, int chartHeight, int pageWidth, int pageHeight, bool fit, double normalScale);
