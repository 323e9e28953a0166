// The inner loops' integer roundings against the written formulas in double
// precision, over every input they can get: all 2^24 colours for Grayscale and
// Gray Black & White, all component pairs for Emboss, Sharpen and Snow, every
// flat value for Blur and Brightness. Both instruction sets are checked.

#include "imaging/FilterKernels.h"

#include "pinxel/HostServices.h"
#include "pinxel/Numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

using namespace pinxel;

namespace {

int nearest(double value) { return int(roundHalfEven(value)); }
QRgb grey(int value) { return toQRgb(composeColor(value, value, value)) | 0xFF000000u; }

class FilterKernelsTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { filters::useBaselineKernels(GetParam()); }
    void TearDown() override { filters::useBaselineKernels(false); }
    const filters::Kernels &k() { return filters::kernels(); }

    // Every colour, in raster form.
    static std::vector<QRgb> allColours()
    {
        std::vector<QRgb> colours(1u << 24);
        for (std::uint32_t c = 0; c < colours.size(); ++c)
            colours[c] = 0xFF000000u | c;
        return colours;
    }
};

TEST_P(FilterKernelsTest, GrayscaleOfEveryColour)
{
    std::vector<QRgb> pixels = allColours();
    k().grayscale(pixels.data(), int(pixels.size()));
    const double weight = 0.32f;
    for (std::uint32_t c = 0; c < pixels.size(); ++c) {
        const int r = int(c >> 16) & 255, g = int(c >> 8) & 255, b = int(c) & 255;
        ASSERT_EQ(pixels[c], grey(nearest(std::fabs(weight * g + weight * r + weight * b)))) << std::hex << c;
    }
}

TEST_P(FilterKernelsTest, GrayBlackWhiteOfEveryColour)
{
    std::vector<QRgb> pixels = allColours();
    k().grayBlackWhite(pixels.data(), int(pixels.size()));
    for (std::uint32_t c = 0; c < pixels.size(); ++c) {
        const int r = int(c >> 16) & 255, g = int(c >> 8) & 255, b = int(c) & 255;
        const int r1 = nearest(std::fabs(double((g - b + g + r) * r)) / 256.0);
        const int g1 = nearest(std::fabs(double((b - g + b + r1) * r1)) / 256.0);
        const int b1 = nearest(std::fabs(double((b - g1 + b + r1) * g1)) / 256.0);
        const int sum = std::min(r1, 255) + std::min(g1, 255) + std::min(b1, 255);
        ASSERT_EQ(pixels[c], grey(nearest(sum / 3.0))) << std::hex << c;
    }
}

TEST_P(FilterKernelsTest, BlackWhiteOfEveryColour)
{
    std::vector<QRgb> pixels = allColours();
    k().blackWhite(pixels.data(), int(pixels.size()));
    for (std::uint32_t c = 0; c < pixels.size(); ++c) {
        const bool white = ((c >> 16) & 255) >= 192 || ((c >> 8) & 255) >= 192 || (c & 255) >= 192;
        ASSERT_EQ(pixels[c], white ? 0xFFFFFFFFu : 0xFF000000u) << std::hex << c;
    }
}

TEST_P(FilterKernelsTest, BrightenEveryValueByEveryStep)
{
    for (const int step : {32, 2, -2, -32}) {
        std::vector<QRgb> pixels(256);
        for (int v = 0; v < 256; ++v)
            pixels[std::size_t(v)] = toQRgb(composeColor(v, 255 - v, v / 2)) | 0xFF000000u;
        k().brighten(pixels.data(), 256, step);
        for (int v = 0; v < 256; ++v) {
            const auto moved = [&](int c) { return std::min(255, nearest(std::fabs(double(c + step)))); };
            ASSERT_EQ(pixels[std::size_t(v)],
                      toQRgb(composeColor(moved(v), moved(255 - v), moved(v / 2))) | 0xFF000000u)
                << "value " << v << " step " << step;
        }
    }
}

TEST_P(FilterKernelsTest, BlurOfEveryFlatValue)
{
    // Nine equal cells: nearest(9 v / 10), halves to even.
    std::vector<QRgb> row(258), out(256);
    for (int v = 0; v < 256; ++v) {
        std::fill(row.begin(), row.end(), toQRgb(composeColor(v, v, v)) | 0xFF000000u);
        k().blur(out.data(), row.data() + 1, row.data() + 1, row.data() + 1, 256);
        ASSERT_EQ(out[0], grey(nearest(9 * v / 10.0))) << v;
        ASSERT_EQ(out[255], out[0]);
    }
}

TEST_P(FilterKernelsTest, EmbossSharpenAndSnowOfEveryComponentPair)
{
    std::vector<QRgb> here(256), other(256);
    for (int c = 0; c < 256; ++c) {
        for (int u = 0; u < 256; ++u) {
            here[std::size_t(u)] = toQRgb(composeColor(c, c, c));
            other[std::size_t(u)] = toQRgb(composeColor(u, u, u));
        }
        std::vector<QRgb> emboss = here, sharpen = here, snow = here;
        k().emboss(emboss.data(), other.data(), 256);
        k().sharpen(sharpen.data(), other.data(), 256);
        k().snow(snow.data(), other.data(), 256);
        for (int u = 0; u < 256; ++u) {
            const std::size_t i = std::size_t(u);
            ASSERT_EQ(emboss[i], grey(std::min(255, std::abs((c - u) - 128)))) << c << " " << u;
            ASSERT_EQ(sharpen[i], grey(std::min(255, std::abs(nearest(0.5 * (c - u) + c))))) << c << " " << u;
            ASSERT_EQ(snow[i], grey(std::min(255, std::abs(nearest(24.0 * (c - u) + c))))) << c << " " << u;
        }
    }
}

TEST_P(FilterKernelsTest, DiffuseStepsTheRandomSourceFourTimesPerPixel)
{
    // A picture whose pixels name their own position, and a known start state.
    constexpr int Stride = 16;
    std::vector<QRgb> picture(Stride * 5);
    for (std::size_t i = 0; i < picture.size(); ++i)
        picture[i] = 0xFF000000u | std::uint32_t(i * 0x010101u);
    const std::vector<std::uint32_t> starts = {0x123456, 0x000001, 0xFFFFFF};
    std::vector<std::uint32_t> states = starts;
    std::vector<QRgb> out(3);
    const QRgb *centre = picture.data() + 2 * Stride + 4;
    k().diffuse(out.data(), centre, Stride, states.data(), 3);
    for (std::size_t i = 0; i < 3; ++i) {
        RandomSource source(starts[i]);
        int offsets[4];
        for (int &o : offsets)
            o = int(std::floor(5.0 * double(source.Rnd()) - 2.0));
        const QRgb *c = centre + i;
        const QRgb expected = 0xFF000000u | (c[offsets[0] * Stride] & 0xFF0000u) | (c[offsets[1]] & 0xFF00u)
                              | (c[offsets[2] * Stride + offsets[3]] & 0xFFu);
        EXPECT_EQ(out[i], expected) << i;
        // The state left is the one after the four draws.
        RandomSource left(states[i]);
        EXPECT_EQ(left.Rnd(), source.Rnd()) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothSets, FilterKernelsTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool> &info) {
                             return std::string(info.param ? "baseline" : "best");
                         });

}  // namespace
