// Every filter and effect with the picture's rows in bands across threads
// against the same run on one thread, bit for bit, the random source after
// Diffuse included: on a picture large enough for the bands the library
// chooses, and on small ones split into bands of a few rows and of one row,
// thinner than the rows a filter reads around a pixel.

#include "imaging/FilterTable.h"
#include "imaging/mdlEffect.h"
#include "imaging/mdlFilter.h"
#include "platform/raster/RowBands.h"
#include "support/TestSupport.h"

#include "pinxel/PictureSurface.h"
#include "pinxel/ScriptedHostServices.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

using namespace pinxel;
using pinxel::test::randomImage;
using pinxel::test::sameImage;

namespace {

struct Job {
    std::string name;
    std::function<void(PictureSurface &target, RandomSource &random)> run;
};

std::vector<Job> everyFilterAndEffect(int width, int height)
{
    std::vector<Job> jobs;
    for (int filter = 0; filter < FilterCount; ++filter)
        for (const bool whole : {true, false})
            jobs.push_back({"filter " + std::to_string(filter) + (whole ? " whole" : " inner"),
                            [=](PictureSurface &target, RandomSource &random) {
                                int l = -1, t = -1, r = -1, b = -1;
                                if (!whole) {
                                    l = 3, t = 2, r = width - 5, b = height - 4;
                                }
                                FilterPicture(filter, target, l, t, r, b, random);
                            }});
    const auto effect = [&](std::string name, int kind, std::function<void()> set = {}) {
        jobs.push_back({std::move(name), [=](PictureSurface &target, RandomSource &) {
                            if (set)
                                set();
                            PictureSurface scratch;
                            ApplyPictureEffect(kind, target, scratch);
                        }});
    };
    effect("flip horizontal", EffectFlipHorizontal);
    effect("flip vertical", EffectFlipVertical);
    effect("invert", EffectInvertColors);
    effect("resize", EffectResize, [] { ResizeFactorX = 0.8f, ResizeFactorY = 1.5f; });
    for (const float angle : {90.0f, 270.0f, 30.0f})
        effect("rotate " + std::to_string(int(angle)), EffectRotate, [=] {
            RotateAngle = angle;
            RotateClockwise = FlagFalse;
        });
    return jobs;
}

TEST(BandedRunTest, EveryFilterAndEffectGivesTheOneThreadResult)
{
    ScriptedHostServices host;
    HostServices::setCurrent(&host);
    const RowBandLimits defaults = rowBandLimits();
    const struct {
        const char *name;
        int width, height;
        RowBandLimits limits;
    } splits[] = {
        {"the library's bands", 2100, 1500, {3, defaults.pixelsPerBand}},
        {"bands of a few rows", 1100, 37, {7, 1}},
        {"bands of one row", 600, 13, {64, 1}},
    };
    for (const auto &split : splits) {
        const QImage picture = randomImage(split.width, split.height, 21);
        ReplaceColorFrom = fromQRgb(picture.pixel(7, 5)) & 0xFFFFFF;
        ReplaceColorTo = 0x123456;
        for (const Job &job : everyFilterAndEffect(split.width, split.height)) {
            PictureSurface one, banded;
            test::holdPicture(one, picture);
            test::holdPicture(banded, picture);
            one.BackColor = banded.BackColor = 0x30A0F0;
            RandomSource oneRandom(99), bandedRandom(99);
            rowBandLimits() = {1, defaults.pixelsPerBand};
            job.run(one, oneRandom);
            rowBandLimits() = split.limits;
            job.run(banded, bandedRandom);
            rowBandLimits() = defaults;
            EXPECT_TRUE(sameImage(one.Image(), banded.Image())) << job.name << ", " << split.name;
            EXPECT_EQ(oneRandom.Rnd(), bandedRandom.Rnd()) << job.name << ", " << split.name;
        }
    }
    ResizeFactorX = ResizeFactorY = 1.0f;
    RotateAngle = 0.0f;
    ReplaceColorFrom = ReplaceColorTo = 0;
    HostServices::setCurrent(nullptr);
    EXPECT_TRUE(host.messages().isEmpty()) << host.messages().join(QStringLiteral(" | ")).toStdString();
}

}  // namespace
