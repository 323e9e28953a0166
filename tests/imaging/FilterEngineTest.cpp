// The fast filter engine against the pixel-by-pixel reference, for every
// filter number, on pictures wide and tall enough for several sweep strips,
// over whole, inner, edge-crossing, one-pixel and empty regions, with both
// sets of inner loops and with the exact per-pixel paths forced.

#include "FilterReference.h"

#include "imaging/FilterKernels.h"
#include "imaging/FilterPass.h"
#include "imaging/mdlFilter.h"
#include "support/TestSupport.h"

#include "pinxel/ScriptedHostServices.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

using namespace pinxel;
using pinxel::test::randomImage;
using pinxel::test::referenceFilter;
using pinxel::test::sameImage;

namespace {

struct Bounds {
    const char *name;
    int left, top, right, bottom;
};

std::vector<Bounds> regionsFor(int w, int h)
{
    return {
        {"whole", -1, -1, -1, -1},
        {"inner", 3, 2, w - 5, h - 4},
        {"exactly the picture", 0, 0, w - 1, h - 1},
        {"over the left and top", -3, -2, 10, 12},
        {"over the right and bottom", w - 10, h - 8, w + 5, h + 7},
        {"beyond every side", -20, -20, w + 20, h + 20},
        {"some bounds -1", -1, 10, 3, 14},
        {"brush square", 4, 4, 18, 18},
        {"one pixel", 5, 5, 5, 5},
        {"one column", 5, 2, 5, h - 3},
        {"one row", 2, 5, w - 3, 5},
        {"outside", w + 2, 0, w + 10, 5},
        {"reversed", 10, 5, 3, 2},
    };
}

class FilterEngineTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        HostServices::setCurrent(&m_host);
        // Grey 128 is among the flat colours below.
        ReplaceColorFrom = 0x808080;
        ReplaceColorTo = 0x123456;
    }
    void TearDown() override
    {
        filters::useBaselineKernels(false);
        filters::engineSwitches() = {};
        ReplaceColorFrom = 0;
        ReplaceColorTo = 0;
        HostServices::setCurrent(nullptr);
        EXPECT_TRUE(m_host.messages().isEmpty()) << m_host.messages().join(QStringLiteral(" | ")).toStdString();
    }

    // Runs the engine and the reference on the same picture and region.
    void compare(const QImage &picture, const Bounds &bounds, std::uint32_t seed)
    {
        const int filter = GetParam();
        PictureSurface engine, reference;
        engine.AutoSize = reference.AutoSize = true;
        engine.setPicture(picture);
        reference.setPicture(picture);
        RandomSource engineRandom(seed), referenceRandom(seed);
        int l = bounds.left, t = bounds.top, r = bounds.right, b = bounds.bottom;
        FilterPicture(filter, engine, l, t, r, b, engineRandom);
        referenceFilter(filter, reference, bounds.left, bounds.top, bounds.right, bounds.bottom, referenceRandom);
        const std::string where = std::string(bounds.name) + " of " + std::to_string(picture.width()) + "x"
                                  + std::to_string(picture.height()) + ", " + filters::kernels().name;
        EXPECT_TRUE(sameImage(reference.Image(), engine.Image())) << where;
        EXPECT_EQ(engineRandom.Rnd(), referenceRandom.Rnd()) << "random source after " << where;
    }

    void compareEverywhere()
    {
        const std::array<QSize, 3> sizes = {QSize(37, 29), QSize(1100, 23), QSize(23, 1100)};
        std::uint32_t seed = 11;
        for (const bool baseline : {false, true}) {
            filters::useBaselineKernels(baseline);
            for (const QSize size : sizes) {
                const QImage picture = randomImage(size.width(), size.height(), seed++);
                for (const Bounds &bounds : regionsFor(size.width(), size.height()))
                    compare(picture, bounds, seed++);
            }
        }
    }

    ScriptedHostServices m_host;
};

TEST_P(FilterEngineTest, MatchesTheReferenceOnEveryRegion) { compareEverywhere(); }

TEST_P(FilterEngineTest, MatchesTheReferenceOnFlatAndExtremeColours)
{
    // Flat areas, black, white and the thresholds, where roundings meet halves.
    QImage picture(41, 33, QImage::Format_RGB32);
    const std::array<QRgb, 8> colours = {0xFF000000, 0xFFFFFFFF, 0xFFC0C0C0, 0xFFBFBFBF,
                                         0xFF808080, 0xFF7F7F7F, 0xFF616263, 0xFF010203};
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, colours[std::size_t((x / 7 + y / 5) % 8)]);
    for (const Bounds &bounds : regionsFor(picture.width(), picture.height()))
        compare(picture, bounds, 5);
}

TEST_P(FilterEngineTest, ExactPathsMatchTheReference)
{
    // Diffuse drawing one by one and Crease or Wave rounding every pixel take
    // the paths the fast ones stand in for.
    filters::engineSwitches().drawOneByOne = true;
    filters::engineSwitches().exactShiftEverywhere = true;
    const QImage picture = randomImage(600, 70, 3);
    for (const Bounds &bounds : regionsFor(picture.width(), picture.height()))
        compare(picture, bounds, 77);
}

INSTANTIATE_TEST_SUITE_P(AllNumbers, FilterEngineTest, ::testing::Range(-1, 15),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return info.param < 0 ? std::string("minus1") : "filter" + std::to_string(info.param);
                         });

TEST(FilterReplaceTest, MatchesTheReferenceForColoursInAndOutOfThePicture)
{
    const QImage picture = randomImage(300, 40, 9);
    const Color inPicture = fromQRgb(picture.pixel(17, 3));
    const std::array<std::array<Color, 2>, 4> pairs = {
        {{inPicture, 0x00FF00}, {inPicture, 0x1FFFFFF}, {-1, 0x123456}, {0x1000000 + inPicture, 0}}};
    for (const auto &pair : pairs) {
        ReplaceColorFrom = pair[0];
        ReplaceColorTo = pair[1];
        PictureSurface engine, reference;
        engine.AutoSize = reference.AutoSize = true;
        engine.setPicture(picture);
        reference.setPicture(picture);
        RandomSource random;
        int l = -1, t = -1, r = -1, b = -1;
        FilterPicture(FilterReplaceColors, engine, l, t, r, b, random);
        referenceFilter(FilterReplaceColors, reference, -1, -1, -1, -1, random);
        EXPECT_TRUE(sameImage(reference.Image(), engine.Image())) << std::hex << pair[0] << " to " << pair[1];
    }
    ReplaceColorFrom = 0;
    ReplaceColorTo = 0;
}

}  // namespace
