// The numeric rules: rounding halves to even, overflow instead of wrapping,
// division toward zero, packed colours.

#include "pinxel/Numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace pinxel {
namespace {

int overflowOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Error &error) {
        return error.number();
    }
    return 0;
}

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct {
        double value;
        double nearest;
    } table[] = {{2.5, 2},    {3.5, 4},    {229.5, 230}, {-2.5, -2}, {-3.5, -4},   {0.5, 0},     {1.5, 2},
                 {2.4999, 2}, {2.5001, 3}, {-0.5, 0},    {-1.5, -2}, {101.5, 102}, {100.5, 100}, {1e9 + 0.5, 1e9}};
    for (const auto &row : table)
        EXPECT_EQ(roundHalfEven(row.value), row.nearest) << row.value;
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt32(229.5), 230);
    EXPECT_EQ(toInt32(-2.5), -2);
}

TEST(Rounding, ConversionsRaiseOverflowAtTheEdges)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // the even neighbour is in range
    EXPECT_EQ(overflowOf([] { toInt16(32767.5); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { toInt16(-32769); }), ErrOverflow);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_EQ(overflowOf([] { toInt32(2147483647.5); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { toInt32(-2147483649.0); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { toInt32(std::numeric_limits<double>::quiet_NaN()); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { toInt16(std::numeric_limits<double>::infinity()); }), ErrOverflow);
}

TEST(Arithmetic, SixteenAndThirtyTwoBitsOverflowInsteadOfWrapping)
{
    EXPECT_EQ(add16(32000, 767), 32767);
    EXPECT_EQ(overflowOf([] { add16(32000, 768); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { sub16(-32768, 1); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { mul16(256, 128); }), ErrOverflow);
    EXPECT_EQ(mul16(-256, 128), -32768);
    EXPECT_EQ(add32(2147483000, 647), 2147483647);
    EXPECT_EQ(overflowOf([] { add32(2147483647, 1); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { mul32(65536, 32768); }), ErrOverflow);
    EXPECT_EQ(overflowOf([] { sub32(std::numeric_limits<std::int32_t>::min(), 1); }), ErrOverflow);
}

TEST(Arithmetic, DivisionTruncatesAndTheRemainderKeepsTheDividendsSign)
{
    EXPECT_EQ(divTrunc(7, 2), 3);
    EXPECT_EQ(divTrunc(-7, 2), -3);
    EXPECT_EQ(divTrunc(7, -2), -3);
    EXPECT_EQ(modTrunc(-7, 2), -1);
    EXPECT_EQ(modTrunc(7, -2), 1);
    EXPECT_EQ(modTrunc(-1, 256), -1);  // how a colour of -1 splits: red -1
    EXPECT_EQ(divTrunc(-1, 256), 0);
    EXPECT_EQ(overflowOf([] { divTrunc(1, 0); }), ErrDivisionByZero);
    EXPECT_EQ(overflowOf([] { modTrunc(1, 0); }), ErrDivisionByZero);
    EXPECT_EQ(overflowOf([] { divTrunc(std::numeric_limits<std::int32_t>::min(), -1); }), ErrOverflow);
}

TEST(Colours, PackRedLowAndCapComponents)
{
    EXPECT_EQ(composeColor(255, 128, 0), 255 + 256 * 128);
    EXPECT_EQ(composeColor(300, 0, 0), 255);
    EXPECT_EQ(composeColor(0, 0, 1000), 255 * 65536);
    EXPECT_EQ(composeColor(0, -5, 0), 0);
    const Color c = composeColor(10, 20, 30);
    EXPECT_EQ(colorRed(c), 10);
    EXPECT_EQ(colorGreen(c), 20);
    EXPECT_EQ(colorBlue(c), 30);
    EXPECT_EQ(fromQRgb(qRgb(10, 20, 30)), c);
    EXPECT_EQ(toQRgb(c), qRgb(10, 20, 30));
}

TEST(Flags, TrueIsMinusOne)
{
    EXPECT_EQ(toFlag(true), -1);
    EXPECT_EQ(toFlag(false), 0);
    EXPECT_TRUE(isSet(Flag(1)));  // any non-zero value counts as set
    EXPECT_FALSE(isSet(FlagFalse));
}

}  // namespace
}  // namespace pinxel
