#pragma once
// The numeric rules every part of the library follows: flags are -1/0,
// fractions become integers to the nearest value with halves to even, 16- and
// 32-bit arithmetic raises Overflow (6) instead of wrapping, and integer
// division truncates toward zero with the remainder keeping the dividend's sign.
// Colours are packed as red + 256 x green + 65536 x blue.

#include "pinxel/Error.h"

#include <QRgb>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pinxel {

using Flag = std::int16_t;
inline constexpr Flag FlagTrue = -1;
inline constexpr Flag FlagFalse = 0;

constexpr Flag toFlag(bool value) { return value ? FlagTrue : FlagFalse; }
constexpr bool isSet(Flag flag) { return flag != 0; }

// Nearest integer, halves to the even neighbour (2.5 -> 2, 229.5 -> 230, -2.5 -> -2).
// The default rounding mode does exactly this, without a branch to mispredict
// on scattered coordinates.
inline double roundHalfEven(double value) { return std::nearbyint(value); }

namespace detail {
template <typename T> inline T checkedConvert(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= double(std::numeric_limits<T>::min()) && r <= double(std::numeric_limits<T>::max())))
        throw Error(ErrOverflow);  // also NaN
    return static_cast<T>(r);
}
template <typename T> inline T checkedRange(std::int64_t value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        throw Error(ErrOverflow);
    return static_cast<T>(value);
}
}  // namespace detail

// Conversions of fractions to 16- and 32-bit integers: nearest, halves to even, Overflow when out of range.
inline std::int16_t toInt16(double value) { return detail::checkedConvert<std::int16_t>(value); }
inline std::int32_t toInt32(double value) { return detail::checkedConvert<std::int32_t>(value); }

// Checked 16- and 32-bit arithmetic.
inline std::int16_t checked16(std::int64_t value) { return detail::checkedRange<std::int16_t>(value); }
inline std::int32_t checked32(std::int64_t value) { return detail::checkedRange<std::int32_t>(value); }
inline std::int16_t add16(std::int64_t a, std::int64_t b) { return checked16(a + b); }
inline std::int16_t sub16(std::int64_t a, std::int64_t b) { return checked16(a - b); }
inline std::int16_t mul16(std::int64_t a, std::int64_t b) { return checked16(a * b); }
inline std::int32_t add32(std::int64_t a, std::int64_t b) { return checked32(a + b); }
inline std::int32_t sub32(std::int64_t a, std::int64_t b) { return checked32(a - b); }
inline std::int32_t mul32(std::int64_t a, std::int64_t b) { return checked32(a * b); }

// Integer division toward zero and the remainder with the dividend's sign.
inline std::int32_t divTrunc(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Error(ErrDivisionByZero);
    return checked32(std::int64_t(a) / b);  // INT32_MIN / -1 overflows
}
inline std::int32_t modTrunc(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Error(ErrDivisionByZero);
    return std::int32_t(std::int64_t(a) % b);
}

// Packed colours.
using Color = std::int32_t;
inline constexpr Color NoColor = -1;  // a read outside a picture

// Components above 255 are stored as 255; negative ones as 0.
constexpr Color composeColor(int red, int green, int blue)
{
    auto cap = [](int c) { return c < 0 ? 0 : (c > 255 ? 255 : c); };
    return cap(red) + 256 * cap(green) + 65536 * cap(blue);
}
constexpr int colorRed(Color c) { return c & 0xFF; }
constexpr int colorGreen(Color c) { return (c >> 8) & 0xFF; }
constexpr int colorBlue(Color c) { return (c >> 16) & 0xFF; }

// Between packed colours and Qt's 0xAARRGGBB; the packed form has blue high.
constexpr Color fromQRgb(QRgb rgb) { return composeColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
constexpr QRgb toQRgb(Color c) { return qRgb(colorRed(c), colorGreen(c), colorBlue(c)); }

}  // namespace pinxel
