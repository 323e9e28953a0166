// The effects on whole pictures of several sizes against slow references:
// the rotation pixel for pixel against the documented mapping, the quarter
// turns, flips and inversion exactly, the resample within a level of the
// area average.

#include "EffectReference.h"
#include "imaging/mdlEffect.h"
#include "support/TestSupport.h"

#include "pinxel/PictureSurface.h"

#include <QSize>

using namespace pinxel;
using pinxel::test::randomImage;
using pinxel::test::sameImage;

namespace {

const QSize Sizes[] = {{1, 1}, {2, 3}, {9, 1}, {7, 5}, {40, 25}, {33, 64}, {100, 50}, {130, 67}, {300, 200}};
// By 45 degrees, step (12, 276) lies 2e-6 from a half: only the exact form rounds it as documented.
const QSize NearHalfSize(560, 560);

// The picture after one effect on a white-backed surface holding it.
QImage applied(int kind, const QImage &picture)
{
    PictureSurface target, scratch;
    test::holdPicture(target, picture);
    target.BackColor = 0xFFFFFF;
    ApplyPictureEffect(kind, target, scratch);
    EXPECT_EQ(scratch.pixelWidth() * scratch.pixelHeight(), 0) << "the scratch keeps no copy";
    return target.Image().copy();
}

QImage rotated(const QImage &picture, float angle, bool clockwise)
{
    RotateAngle = angle;
    RotateClockwise = toFlag(clockwise);
    return applied(EffectRotate, picture);
}

TEST(EffectTest, RotationByTheMappingMatchesTheDocumentedStepsAtEveryAngle)
{
    std::vector<QSize> sizes(std::begin(Sizes), std::end(Sizes));
    sizes.push_back(NearHalfSize);
    for (const QSize size : sizes)
        for (const float angle : {45.0f, 135.0f, 225.0f, 315.0f})
            for (const bool clockwise : {false, true}) {
                const QImage picture = randomImage(size.width(), size.height(), uint32_t(size.width() * 7 + angle));
                const float turned = clockwise ? 360.0f - angle : angle;
                QImage white(size, QImage::Format_RGB32);
                white.fill(Qt::white);
                const QImage expected =
                    test::referenceRotation(picture, white, float(turned * (3.14159265358979 / 180.0)));
                EXPECT_TRUE(sameImage(expected, rotated(picture, angle, clockwise)))
                    << size.width() << " x " << size.height() << " by " << angle << (clockwise ? " clockwise" : "");
            }
}

TEST(EffectTest, QuarterTurnsMoveEveryPixelAndFourGiveThePictureBack)
{
    for (const QSize size : Sizes) {
        const QImage picture = randomImage(size.width(), size.height(), 5);
        for (const bool clockwise : {false, true}) {
            // Anticlockwise by 90 is clockwise by 270, and the other way round.
            const QImage once = rotated(picture, 90.0f, clockwise);
            EXPECT_TRUE(sameImage(test::referenceQuarterTurn(picture, !clockwise), once)) << size.width();
            EXPECT_TRUE(sameImage(once, rotated(picture, 270.0f, !clockwise)));
            QImage turned = picture;
            for (int k = 0; k < 4; ++k)
                turned = rotated(turned, 90.0f, clockwise);
            EXPECT_TRUE(sameImage(picture, turned)) << size.width() << " x " << size.height();
        }
    }
}

TEST(EffectTest, FlipsAndInversionAreExactAndUndoThemselves)
{
    for (const QSize size : Sizes) {
        const QImage picture = randomImage(size.width(), size.height(), 9);
        QImage inverted = picture;
        inverted.invertPixels();  // XOR with the white background
        const struct {
            int kind;
            QImage expected;
        } cases[] = {{EffectFlipHorizontal, picture.mirrored(true, false)},
                     {EffectFlipVertical, picture.mirrored(false, true)},
                     {EffectInvertColors, inverted}};
        for (const auto &c : cases) {
            const QImage once = applied(c.kind, picture);
            EXPECT_TRUE(sameImage(c.expected, once)) << "kind " << c.kind << ", " << size.width();
            EXPECT_TRUE(sameImage(picture, applied(c.kind, once))) << "kind " << c.kind << " twice";
        }
    }
    EXPECT_EQ(applied(EffectInvertColors, test::filledImage(3, 2, composeColor(255, 0, 0))).pixel(1, 1),
              qRgb(0, 255, 255));
}

// The largest difference of one channel between two pictures of one size.
int worstDifference(const QImage &expected, const QImage &actual)
{
    int worst = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = expected.pixel(x, y), b = actual.pixel(x, y);
            worst = std::max(
                {worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    return worst;
}

TEST(EffectTest, ResizeAveragesTheAreaEachPixelCovers)
{
    for (const QSize size : {QSize(9, 7), QSize(100, 60), QSize(37, 53)})
        for (const float factor : {0.25f, 0.5f, 0.75f, 1.25f, 1.5f, 1.75f, 2.0f})
            for (const int axes : {0, 1, 2}) {  // both, width only, height only
                ResizeFactorX = axes == 2 ? 1.0f : factor;
                ResizeFactorY = axes == 1 ? 1.0f : factor;
                const QImage picture = randomImage(size.width(), size.height(), 3);
                const QImage result = applied(EffectResize, picture);
                const int width = ResizedSide(size.width(), ResizeFactorX);
                const int height = ResizedSide(size.height(), ResizeFactorY);
                ASSERT_EQ(result.size(), QSize(width, height));
                EXPECT_LE(worstDifference(test::referenceResample(picture, width, height), result), 2)
                    << size.width() << " x " << size.height() << " by " << factor << " axes " << axes;
                if (factor == 2.0f && axes == 0) {  // a whole-number enlargement repeats pixels exactly
                    EXPECT_TRUE(sameImage(picture.scaled(width, height), result));
                }
            }
    // A picture large enough to be split into bands of rows across threads.
    ResizeFactorX = ResizeFactorY = 0.8f;
    const QImage large = randomImage(1600, 1400, 4);
    EXPECT_LE(worstDifference(test::referenceResample(large, 1280, 1120), applied(EffectResize, large)), 2);
    EXPECT_EQ(ResizedSide(1, 0.25f), 1);
    EXPECT_EQ(ResizedSide(3, 1.75f), 5);
}

// An enlarged zoom view shows every picture pixel as a block of its exact
// colour, each block one or two view pixels wider than the factor's whole
// part; a reduced one averages as the resize does.
TEST(EffectTest, TheZoomViewRepeatsPixelsWhenEnlargedAndAveragesWhenReduced)
{
    for (const QSize size : {QSize(1, 1), QSize(7, 5), QSize(130, 67), QSize(1200, 900)})
        for (const float factor : {1.25f, 1.5625f, 2.0f, 7.450581f, 0.8f}) {
            if (size.width() > 200 && factor > 2.0f)
                continue;  // large enough for bands of rows at 2, without checking 60 million pixels
            SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height() << " by " << factor);
            ResizeFactorX = ResizeFactorY = factor;
            const QImage picture = randomImage(size.width(), size.height(), 5);
            PictureSurface target, scratch;
            test::holdPicture(target, picture);
            ApplyZoomView(target, scratch);
            const QImage view = target.Image();
            const int width = ResizedSide(size.width(), factor), height = ResizedSide(size.height(), factor);
            ASSERT_EQ(view.size(), QSize(width, height));
            if (factor < 1.0f) {
                EXPECT_LE(worstDifference(test::referenceResample(picture, width, height), view), 2);
                continue;
            }
            // The view pixel's place scaled back down, in exact fractions.
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    ASSERT_EQ(view.pixel(x, y), picture.pixel(int(std::int64_t(x) * size.width() / width),
                                                              int(std::int64_t(y) * size.height() / height)))
                        << x << "," << y;
            for (int x = 0, run = 1; x + 1 < width; ++x, ++run) {
                if (ZoomViewSource(x + 1, width, size.width()) == ZoomViewSource(x, width, size.width()))
                    continue;
                EXPECT_EQ(ZoomViewSource(x + 1, width, size.width()), ZoomViewSource(x, width, size.width()) + 1);
                EXPECT_LE(std::abs(run - double(width) / size.width()), 1.0) << x;
                run = 0;
            }
        }
    ResizeFactorX = ResizeFactorY = 1.0f;
}

TEST(EffectTest, LargeResultsReuseTheMemoryOfReleasedOnesSafely)
{
    // Above 4 MB the results come from kept memory: turns, then flips in place on it.
    const QImage picture = randomImage(1100, 1000, 13);
    QImage turned = picture;
    for (int k = 0; k < 4; ++k)
        turned = rotated(turned, 90.0f, false);
    EXPECT_TRUE(sameImage(picture, turned));
    const QImage kept = rotated(picture, 270.0f, true);
    EXPECT_TRUE(sameImage(picture.mirrored(true, true),
                          applied(EffectFlipVertical, applied(EffectFlipHorizontal, rotated(kept, 90.0f, true)))));
    EXPECT_TRUE(sameImage(test::referenceQuarterTurn(picture, true), kept));  // untouched by the later effects
}

TEST(EffectTest, TheSizeGuardTestsBothSidesWithTheOneFactor)
{
    const struct {
        int width, height;
        double factor;
        bool refused;
    } cases[] = {
        {1700, 1000, 2.0, true},   // 1700 x 15 x 2 = 51000
        {1000, 1700, 2.0, true},   // the height with the factor, whatever the check marks
        {1666, 1666, 2.0, false},  // 49980
        {4000, 3000, 0.5, false}, {4000, 3000, 1.25, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EffectTooLarge(c.width, c.height, c.factor, 15.0, 15.0), c.refused) << c.width << " x " << c.height;
}

}  // namespace
