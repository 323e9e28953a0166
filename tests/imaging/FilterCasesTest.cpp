// The filter engine's documented numbers: thresholds, steps, roundings, the
// whole-picture region and its outside column and row, the small-region rule,
// the region clipping, the frame's draw mode and repaint, and SplitColor.

#include "imaging/FilterPass.h"
#include "imaging/mdlFilter.h"
#include "support/TestSupport.h"

#include "pinxel/ScriptedHostServices.h"

#include <cmath>
#include <limits>
#include <vector>

using namespace pinxel;
using pinxel::test::filledImage;
using pinxel::test::randomImage;
using pinxel::test::sameImage;

namespace {

class FilterCasesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HostServices::setCurrent(&m_host);
        m_surface.AutoSize = true;
    }
    void TearDown() override
    {
        HostServices::setCurrent(nullptr);
        EXPECT_TRUE(m_host.messages().isEmpty()) << m_host.messages().join(QStringLiteral(" | ")).toStdString();
    }

    void load(const QImage &picture) { m_surface.setPicture(picture); }
    void run(int filter, int left, int top, int right, int bottom)
    {
        FilterPicture(filter, m_surface, left, top, right, bottom, m_random);
    }
    void runWhole(int filter) { run(filter, -1, -1, -1, -1); }
    Color at(int x, int y) const { return m_surface.GetPixel(x, y); }
    void put(int x, int y, Color color) { m_surface.SetPixel(x, y, color); }

    // The regions the surface was asked to repaint at once.
    std::vector<QRegion> &recordRefreshes()
    {
        m_refreshes.clear();
        QObject::connect(&m_surface, &PictureSurface::refreshRequested,
                         [this](const QRegion &region) { m_refreshes.push_back(region); });
        return m_refreshes;
    }

    ScriptedHostServices m_host;
    PictureSurface m_surface;
    RandomSource m_random{1234};
    std::vector<QRegion> m_refreshes;
};

TEST_F(FilterCasesTest, AllFourBoundsAtMinusOneBecomeTheWholePictureAndOneMore)
{
    load(randomImage(100, 80, 1));
    int left = -1, top = -1, right = -1, bottom = -1;
    FilterPicture(FilterBlackWhite, m_surface, left, top, right, bottom, m_random);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(right, 100);
    EXPECT_EQ(bottom, 80);
    // The extra column and row are read as -1, black, and the writes vanish.
    EXPECT_EQ(m_surface.pixelWidth(), 100);
    EXPECT_EQ(m_surface.pixelHeight(), 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_TRUE(at(x, y) == 0 || at(x, y) == 0xFFFFFF) << x << ", " << y;
}

TEST_F(FilterCasesTest, OtherRegionsAreClippedAndLeftAsGiven)
{
    const QImage picture = randomImage(30, 30, 2);
    load(picture);
    int left = -1, top = 10, right = 3, bottom = 14;
    FilterPicture(FilterBlackWhite, m_surface, left, top, right, bottom, m_random);
    EXPECT_EQ(left, -1);
    EXPECT_EQ(right, 3);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool inside = x <= 3 && y >= 10 && y <= 14;
            if (!inside) {
                ASSERT_EQ(at(x, y), fromQRgb(picture.pixel(x, y))) << x << ", " << y;
            }
        }
}

// Bounds at the ends of the 32-bit range clip like any other: a region that
// misses the picture changes nothing, and none overflows in a neighbourhood.
TEST_F(FilterCasesTest, RegionsAtTheEndsOfTheRangeClipWithoutOverflow)
{
    const QImage picture = randomImage(23, 17, 5);
    constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
    const int misses[][4] = {
        {0, 0, 5, Min}, {0, 0, Min, 5}, {Max, 0, 5, 5}, {0, Max, 5, 5}, {Min + 1, Min + 1, Min + 1, Min + 1}};
    for (int filter = 0; filter <= FilterWave; ++filter) {
        for (const auto &b : misses) {
            load(picture);
            run(filter, b[0], b[1], b[2], b[3]);
            ASSERT_TRUE(sameImage(picture, m_surface.Image()))
                << "filter " << filter << " region " << b[0] << " " << b[1] << " " << b[2] << " " << b[3];
        }
        // The whole range clips to the whole picture, as its own bounds do
        // (Diffuse drawing the same random numbers both times).
        load(picture);
        m_random = RandomSource(99);
        run(filter, Min, Min, Max, Max);
        const QImage clipped = m_surface.Image().copy();
        load(picture);
        m_random = RandomSource(99);
        run(filter, 0, 0, 22, 16);
        ASSERT_TRUE(sameImage(clipped, m_surface.Image())) << "filter " << filter;
    }
}

TEST_F(FilterCasesTest, WaveAndDiffuseAtTheCanvasEdgeFilterOnlyTheClippedSquare)
{
    // A brush square at the left or top edge neither takes the whole picture nor fails.
    const QImage picture = randomImage(60, 60, 3);
    for (const int filter : {FilterWave, FilterCrease, FilterDiffuse, FilterBlur, FilterEmboss, FilterSharpen}) {
        load(picture);
        run(filter, -1, 10, 3, 14);
        for (int y = 0; y < 60; ++y)
            for (int x = 4; x < 60; ++x)
                ASSERT_EQ(at(x, y), fromQRgb(picture.pixel(x, y))) << "filter " << filter << " at " << x << ", " << y;
        load(picture);
        run(filter, -7, -7, 2, 2);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                if (x > 2 || (filter != FilterWave && filter != FilterCrease && y > 2)) {
                    ASSERT_EQ(at(x, y), fromQRgb(picture.pixel(x, y)))
                        << "filter " << filter << " at " << x << ", " << y;
                }
    }
}

TEST_F(FilterCasesTest, BlackWhiteThresholdIs192OnAnyComponent)
{
    load(filledImage(20, 20, 0));
    put(1, 1, composeColor(191, 191, 191));
    put(2, 1, composeColor(192, 0, 0));
    put(3, 1, composeColor(0, 192, 0));
    put(4, 1, composeColor(0, 0, 192));
    runWhole(FilterBlackWhite);
    EXPECT_EQ(at(1, 1), 0);
    EXPECT_EQ(at(2, 1), 0xFFFFFF);
    EXPECT_EQ(at(3, 1), 0xFFFFFF);
    EXPECT_EQ(at(4, 1), 0xFFFFFF);
}

TEST_F(FilterCasesTest, BrightnessAndDarknessTakeAbsoluteValues)
{
    const Color colour = composeColor(250, 10, 0);
    load(filledImage(20, 20, colour));
    runWhole(FilterBrightness);
    EXPECT_EQ(at(5, 5), composeColor(255, 42, 32));
    load(filledImage(20, 20, colour));
    runWhole(FilterDarkness);
    EXPECT_EQ(at(5, 5), composeColor(218, 22, 32));
}

TEST_F(FilterCasesTest, RegionsBelowArea256StepByTwo)
{
    const Color colour = composeColor(250, 10, 0);
    load(filledImage(40, 40, colour));
    run(FilterBrightness, 10, 10, 24, 24);  // 15 x 15 pixels, area 14 x 14
    EXPECT_EQ(at(10, 10), composeColor(252, 12, 2));
    EXPECT_EQ(at(25, 25), colour);
    run(FilterDarkness, 30, 30, 30, 30);
    EXPECT_EQ(at(30, 30), composeColor(248, 8, 2));
    // The whole picture counts by its own area: 17 x 15 is below 256, 16 x 16 is not.
    load(filledImage(17, 15, colour));
    runWhole(FilterBrightness);
    EXPECT_EQ(at(0, 0), composeColor(252, 12, 2));
    load(filledImage(16, 16, colour));
    runWhole(FilterBrightness);
    EXPECT_EQ(at(0, 0), composeColor(255, 42, 32));
}

TEST_F(FilterCasesTest, BlurDividesByTenAndRoundsHalvesToEven)
{
    load(filledImage(30, 30, 0xFFFFFF));
    run(FilterBlur, 5, 5, 20, 20);
    EXPECT_EQ(at(10, 10), composeColor(230, 230, 230));  // 2295 / 10 = 229.5
    EXPECT_EQ(at(5, 10), 0xFFFFFF);                      // the region's own border stays
    EXPECT_EQ(at(20, 20), 0xFFFFFF);
    // At the whole picture's last column the outside cells add red -1 three
    // times, at its corner five times, and green and blue 0.
    load(filledImage(30, 30, composeColor(1, 1, 1)));
    runWhole(FilterBlur);
    EXPECT_EQ(at(10, 10), composeColor(1, 1, 1));  // 0.9
    EXPECT_EQ(at(29, 10), composeColor(0, 1, 1));  // 0.3 and 0.6
    EXPECT_EQ(at(10, 29), composeColor(0, 1, 1));
    EXPECT_EQ(at(29, 29), composeColor(0, 0, 0));  // |-0.1| and 0.4
}

TEST_F(FilterCasesTest, EmbossGivesMidGreyOnFlatAreasAndLeavesTheLastColumnAndRow)
{
    const Color colour = composeColor(200, 200, 200);
    load(filledImage(30, 30, colour));
    run(FilterEmboss, 5, 5, 20, 20);
    EXPECT_EQ(at(5, 5), composeColor(128, 128, 128));
    EXPECT_EQ(at(19, 19), composeColor(128, 128, 128));
    EXPECT_EQ(at(20, 10), colour);
    EXPECT_EQ(at(10, 20), colour);
    // Whole picture: the last column and row meet the outside (red -1, green 0, blue 0).
    load(filledImage(30, 30, colour));
    runWhole(FilterEmboss);
    EXPECT_EQ(at(29, 10), composeColor(73, 72, 72));
    EXPECT_EQ(at(10, 29), composeColor(73, 72, 72));
}

TEST_F(FilterCasesTest, SharpenAndSnowCompareWithTheUpperLeftNeighbour)
{
    load(filledImage(10, 10, 0));
    put(0, 0, composeColor(97, 99, 0));
    put(1, 1, composeColor(100, 100, 100));
    run(FilterSharpen, 0, 0, 1, 1);
    EXPECT_EQ(at(1, 1), composeColor(102, 100, 150));  // 101.5 -> 102, 100.5 -> 100
    EXPECT_EQ(at(0, 0), composeColor(97, 99, 0));
    put(1, 1, composeColor(100, 100, 100));
    run(FilterSnow, 0, 0, 1, 1);
    EXPECT_EQ(at(1, 1), composeColor(172, 124, 255));
}

TEST_F(FilterCasesTest, GrayscaleUsesTheSinglePrecisionWeight)
{
    load(filledImage(20, 20, 0xFFFFFF));
    put(3, 3, composeColor(100, 0, 0));
    runWhole(FilterGrayscale);
    EXPECT_EQ(at(0, 0), composeColor(245, 245, 245));
    EXPECT_EQ(at(3, 3), composeColor(32, 32, 32));
}

TEST_F(FilterCasesTest, GrayBlackWhiteKeepsWhiteAndBlack)
{
    load(filledImage(20, 20, 0xFFFFFF));
    put(3, 3, 0);
    runWhole(FilterGrayBlackWhite);
    EXPECT_EQ(at(0, 0), 0xFFFFFF);
    EXPECT_EQ(at(3, 3), 0);
}

TEST_F(FilterCasesTest, ReplaceColorsMatchesTheFull24BitValue)
{
    load(filledImage(20, 20, composeColor(1, 2, 3)));
    put(4, 4, composeColor(1, 2, 4));
    ReplaceColorFrom = composeColor(1, 2, 3);
    ReplaceColorTo = composeColor(9, 8, 7);
    runWhole(FilterReplaceColors);
    EXPECT_EQ(at(0, 0), composeColor(9, 8, 7));
    EXPECT_EQ(at(4, 4), composeColor(1, 2, 4));
    const QImage before = m_surface.Image().copy();
    ReplaceColorFrom = composeColor(50, 50, 50);
    runWhole(FilterReplaceColors);
    EXPECT_TRUE(sameImage(before, m_surface.Image()));
    ReplaceColorFrom = 0;
    ReplaceColorTo = 0;
}

TEST_F(FilterCasesTest, UnknownNumbersChangeNothingButStillRepaintAndRestoreTheDrawMode)
{
    const QImage picture = randomImage(20, 20, 4);
    for (const int filter : {int(FilterInvertColors), 14, -3, 1000}) {
        load(picture);
        m_surface.Refresh();
        m_surface.DrawMode = DrawModeXorPen;
        put(0, 0, fromQRgb(picture.pixel(0, 0)));  // something for the repaint to show
        m_surface.disconnect();
        const std::vector<QRegion> &refreshed = recordRefreshes();
        runWhole(filter);
        EXPECT_TRUE(sameImage(picture, m_surface.Image())) << filter;
        EXPECT_EQ(refreshed.size(), 1u) << filter;
        EXPECT_EQ(m_surface.DrawMode, DrawModeXorPen) << filter;
    }
}

TEST_F(FilterCasesTest, OneColumnRegionsLeaveNeighbourFiltersNothingToDo)
{
    const QImage picture = randomImage(20, 20, 5);
    for (const int filter : {FilterBlur, FilterSharpen, FilterSnow, FilterDiffuse}) {
        load(picture);
        RandomSource untouched(1234);
        run(filter, 7, 2, 7, 17);
        EXPECT_TRUE(sameImage(picture, m_surface.Image())) << filter;
        EXPECT_EQ(m_random.Rnd(), untouched.Rnd()) << "draws by filter " << filter;
        m_random.seed(1234);
    }
    // A point filter does change the column.
    load(picture);
    run(FilterGrayscale, 7, 2, 7, 17);
    EXPECT_EQ(pinxel::test::countDifferences(picture, m_surface.Image()), 16);
}

TEST_F(FilterCasesTest, WaveMovesPixelsDownItsColumnAndUnreachedPixelsKeepTheirColour)
{
    // Row y has colour y + 1, so every pixel tells where it came from.
    QImage picture(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            picture.setPixel(x, y, toQRgb(y + 1));
    load(picture);
    runWhole(FilterWave);
    // Column 1: 4 sin 1 = 3.37, moved down by 3; rows 0..2 keep their colour.
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(at(1, y), y + 1);
    for (int y = 3; y < 20; ++y)
        EXPECT_EQ(at(1, y), y - 3 + 1);
    // Column 4: 4 sin 4 = -3.03, moved up by 3; the outside row (-1) lands on
    // row 17 as the surface writes -1; rows 18 and 19 keep their colour.
    for (int y = 0; y < 17; ++y)
        EXPECT_EQ(at(4, y), y + 3 + 1);
    PictureSurface reference;
    reference.SetPixel(0, 0, NoColor);
    EXPECT_EQ(at(4, 17), reference.GetPixel(0, 0));
    EXPECT_EQ(at(4, 18), 19);
    EXPECT_EQ(at(4, 19), 20);
    // Column 0: sin 0 = 0, unchanged.
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(at(0, y), y + 1);
}

TEST_F(FilterCasesTest, CreaseMovesByFiveHundredTwelveTimesTheSine)
{
    QImage picture(8, 1200, QImage::Format_RGB32);
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, toQRgb(y + 1));
    load(picture);
    run(FilterCrease, 0, 0, 7, 1199);
    const int shift = int(std::nearbyint(512.0 * std::sin(1.0)));  // 431
    EXPECT_EQ(shift, 431);
    EXPECT_EQ(at(1, 430), 431);
    EXPECT_EQ(at(1, 431), 1);
    EXPECT_EQ(at(1, 1199), 1199 - 431 + 1);
}

TEST_F(FilterCasesTest, DiffuseDrawsFromTheSharedRandomSourceByDefault)
{
    const QImage picture = randomImage(40, 30, 6);
    load(picture);
    HostServices::current().random().seed(777);
    int l = -1, t = -1, r = -1, b = -1;
    FilterPicture(FilterDiffuse, m_surface, l, t, r, b);
    const QImage shared = m_surface.Image().copy();
    const float nextShared = HostServices::current().random().Rnd();

    load(picture);
    RandomSource own(777);
    l = t = r = b = -1;
    FilterPicture(FilterDiffuse, m_surface, l, t, r, b, own);
    EXPECT_TRUE(sameImage(shared, m_surface.Image()));
    EXPECT_EQ(own.Rnd(), nextShared);
    EXPECT_GT(pinxel::test::countDifferences(picture, shared), 0);
}

TEST_F(FilterCasesTest, SmallRegionsRepaintOnceAtTheEndLargeOnesCoverTheirColumns)
{
    load(randomImage(1500, 200, 7));
    m_surface.Refresh();
    std::vector<QRegion> &refreshed = recordRefreshes();
    run(FilterBrightness, 100, 100, 110, 110);
    ASSERT_EQ(refreshed.size(), 1u);
    EXPECT_EQ(refreshed[0].boundingRect(), QRect(100, 100, 11, 11));

    refreshed.clear();
    runWhole(FilterSharpen);
    QRegion shown;
    for (const QRegion &region : refreshed)
        shown += region;
    EXPECT_EQ(shown, QRegion(1, 1, 1499, 199));
}

TEST(SplitColorTest, RemaindersKeepTheDividendsSign)
{
    int r = 0, g = 0, b = 0;
    SplitColor(-1, r, g, b);
    EXPECT_EQ(r, -1);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 0);
    SplitColor(0x123456, r, g, b);
    EXPECT_EQ(r, 0x56);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x12);
    SplitColor(-131077, r, g, b);  // -(2 * 65536 + 5)
    EXPECT_EQ(r, -5);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, -2);
}

TEST(ColorArrayTest, HoldsTheClippedRegionAndReadsMinusOneOutside)
{
    PictureSurface surface;
    surface.AutoSize = true;
    const QImage picture = randomImage(10, 8, 8);
    surface.setPicture(picture);
    ColorArray colors;
    RetrieveColorInfo(surface, colors, -3, 2, 4, 20);
    EXPECT_EQ(colors.region(), QRect(QPoint(0, 2), QPoint(4, 7)));
    EXPECT_EQ(colors.color(4, 7), fromQRgb(picture.pixel(4, 7)));
    EXPECT_EQ(colors.color(5, 7), NoColor);
    EXPECT_EQ(colors.color(0, 1), NoColor);
    // A later, smaller region reuses the storage and holds only itself.
    RetrieveColorInfo(surface, colors, 8, 0, 9, 0);
    EXPECT_EQ(colors.region(), QRect(8, 0, 2, 1));
    EXPECT_EQ(colors.color(9, 0), fromQRgb(picture.pixel(9, 0)));
    EXPECT_EQ(colors.color(4, 7), NoColor);
    RetrieveColorInfo(surface, colors, 20, 20, 30, 30);
    EXPECT_TRUE(colors.region().isEmpty());
}

}  // namespace
