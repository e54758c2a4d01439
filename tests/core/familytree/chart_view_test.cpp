// Zoom steps, fitting, the opening scale and cutting a chart into printed pages.
#include <gtest/gtest.h>

#include "familytree/ChartView.h"

namespace {

TEST(ChartViewTest, ZoomStepsGoToTheNextStepAndStopAtTheEnds) {
    EXPECT_DOUBLE_EQ(ZoomIn(1.0), 1.25);
    EXPECT_DOUBLE_EQ(ZoomOut(1.0), 0.8);
    EXPECT_DOUBLE_EQ(ZoomIn(0.7), 0.8);   // between steps: the next one up
    EXPECT_DOUBLE_EQ(ZoomOut(0.7), 0.67);
    EXPECT_DOUBLE_EQ(ZoomIn(4.0), 4.0);
    EXPECT_DOUBLE_EQ(ZoomOut(0.1), 0.1);
    EXPECT_DOUBLE_EQ(ZoomOut(ZoomIn(1.0)), 1.0);
}

TEST(ChartViewTest, FitAndOpeningScale) {
    struct Case {
        int chartW, chartH, areaW, areaH;
        double fit, opening;
    };
    const Case cases[] = {
        {500, 300, 1000, 600, 1.0, 1.0},     // fits at normal size: never enlarged
        {1000, 300, 800, 600, 0.8, 0.8},     // readable when fitted
        {3000, 300, 800, 600, 800.0 / 3000, 1.0},  // too small fitted: normal size
        {400, 1200, 800, 600, 0.5, 1.0},
        {100000, 100, 800, 600, 0.1, 1.0},   // never below the smallest zoom
        {0, 0, 800, 600, 1.0, 1.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(FitZoom(c.chartW, c.chartH, c.areaW, c.areaH), c.fit) << c.chartW << "x" << c.chartH;
        EXPECT_DOUBLE_EQ(OpeningZoom(c.chartW, c.chartH, c.areaW, c.areaH), c.opening) << c.chartW << "x" << c.chartH;
    }
}

TEST(ChartViewTest, PrintFitsOnePageOrSpreadsOverPagesCoveringTheChart) {
    const PrintPlan fit = PlanPrint(3000, 500, 1000, 1400, true, 2.0);
    ASSERT_EQ(fit.pages.size(), 1u);
    EXPECT_DOUBLE_EQ(fit.scale, 1000.0 / 3000);
    EXPECT_DOUBLE_EQ(PlanPrint(100, 50, 1000, 1400, true, 2.0).scale, 2.0);  // not enlarged beyond normal

    // 3000 x 500 chart pixels at 2 page pixels each on 1000 x 800 pages: 500 x 400 chart
    // pixels a page, six across and two down.
    const PrintPlan spread = PlanPrint(3000, 500, 1000, 800, false, 2.0);
    EXPECT_DOUBLE_EQ(spread.scale, 2.0);
    ASSERT_EQ(spread.pages.size(), 12u);
    long area = 0;
    for (const PrintPage& page : spread.pages) {
        EXPECT_LE(page.x + page.width, 3000);
        EXPECT_LE(page.y + page.height, 500);
        area += static_cast<long>(page.width) * page.height;
    }
    EXPECT_EQ(area, 3000L * 500);
    EXPECT_EQ(spread.pages[6].x, 0);
    EXPECT_EQ(spread.pages[6].y, 400);
    EXPECT_EQ(spread.pages[11].height, 100);
    EXPECT_TRUE(PlanPrint(0, 10, 1000, 800, false, 2.0).pages.empty());
}

}  // namespace
