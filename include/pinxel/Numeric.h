#pragma once
/// \file
/// \brief The numeric rules every part of the library follows.
///
/// The numeric rules every part of the library follows: flags are -1/0,
/// fractions become integers to the nearest value with halves to even, 16- and
/// 32-bit arithmetic raises Overflow (6) instead of wrapping, and integer
/// division truncates toward zero with the remainder keeping the dividend's sign.
/// Colours are packed as red + 256 x green + 65536 x blue.
///
/// Plain functions without state: any thread. (roundHalfEven() relies on
/// the default rounding mode, which a thread keeps unless it changes it.)

#include "pinxel/Error.h"

#include <QRgb>
#include <cmath>
#include <cstdint>
#include <limits>

namespace pinxel {

/// A 16-bit flag: true is -1 (FlagTrue), false 0; any other non-zero value counts as set.
using Flag = std::int16_t;
/// The flag's true, -1.
inline constexpr Flag FlagTrue = -1;
/// The flag's false, 0.
inline constexpr Flag FlagFalse = 0;

/// FlagTrue or FlagFalse.
constexpr Flag toFlag(bool value) { return value ? FlagTrue : FlagFalse; }
/// Whether a flag is set: non-zero.
constexpr bool isSet(Flag flag) { return flag != 0; }

/// Nearest integer, halves to the even neighbour (2.5 -> 2, 229.5 -> 230, -2.5 -> -2).
/// The default rounding mode does exactly this, without a branch to mispredict
/// on scattered coordinates.
inline double roundHalfEven(double value) { return std::nearbyint(value); }

/// Helpers of the conversions below; not for hosts.
namespace detail {
/// value rounded by roundHalfEven() into T.
/// \throws Error 6 when it does not fit T, also for NaN.
template <typename T> inline T checkedConvert(double value)
{
    const double r = roundHalfEven(value);
    if (!(r >= double(std::numeric_limits<T>::min()) && r <= double(std::numeric_limits<T>::max())))
        throw Error(ErrOverflow);  // also NaN
    return static_cast<T>(r);
}
/// value as T.
/// \throws Error 6 when it does not fit T.
template <typename T> inline T checkedRange(std::int64_t value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        throw Error(ErrOverflow);
    return static_cast<T>(value);
}
}  // namespace detail

/// \name Conversions of fractions to 16- and 32-bit integers
/// Nearest, halves to even, Overflow when out of range.
///@{

/// value to the nearest 16-bit integer, halves to even.
/// \throws Error 6 when out of range or NaN.
inline std::int16_t toInt16(double value) { return detail::checkedConvert<std::int16_t>(value); }
/// value to the nearest 32-bit integer, halves to even.
/// \throws Error 6 when out of range or NaN.
inline std::int32_t toInt32(double value) { return detail::checkedConvert<std::int32_t>(value); }
///@}

/// \name Checked 16- and 32-bit arithmetic
/// The operands are taken as 64-bit integers; a result that does not fit
/// the type throws pinxel::Error 6 (Overflow) instead of wrapping.
///@{

/// value as a 16-bit integer. \throws Error 6 when out of range.
inline std::int16_t checked16(std::int64_t value) { return detail::checkedRange<std::int16_t>(value); }
/// value as a 32-bit integer. \throws Error 6 when out of range.
inline std::int32_t checked32(std::int64_t value) { return detail::checkedRange<std::int32_t>(value); }
/// a + b in 16 bits. \throws Error 6 on overflow.
inline std::int16_t add16(std::int64_t a, std::int64_t b) { return checked16(a + b); }
/// a - b in 16 bits. \throws Error 6 on overflow.
inline std::int16_t sub16(std::int64_t a, std::int64_t b) { return checked16(a - b); }
/// a × b in 16 bits. \throws Error 6 on overflow.
inline std::int16_t mul16(std::int64_t a, std::int64_t b) { return checked16(a * b); }
/// a + b in 32 bits. \throws Error 6 on overflow.
inline std::int32_t add32(std::int64_t a, std::int64_t b) { return checked32(a + b); }
/// a - b in 32 bits. \throws Error 6 on overflow.
inline std::int32_t sub32(std::int64_t a, std::int64_t b) { return checked32(a - b); }
/// a × b in 32 bits. \throws Error 6 on overflow.
inline std::int32_t mul32(std::int64_t a, std::int64_t b) { return checked32(a * b); }
///@}

/// \name Integer division toward zero and the remainder with the dividend's sign
///@{

/// a / b, truncated toward zero (-7 / 2 is -3).
/// \throws Error 11 when b is 0, 6 for INT32_MIN / -1.
inline std::int32_t divTrunc(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Error(ErrDivisionByZero);
    return checked32(std::int64_t(a) / b);  // INT32_MIN / -1 overflows
}
/// The remainder of divTrunc(), with the sign of a (-7 mod 2 is -1).
/// \throws Error 11 when b is 0.
inline std::int32_t modTrunc(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Error(ErrDivisionByZero);
    return std::int32_t(std::int64_t(a) % b);
}
///@}

/// \name Packed colours
///@{

/// A colour packed as red + 256 × green + 65536 × blue, each 0 to 255.
using Color = std::int32_t;
/// A read outside a picture (PictureSurface::Point(), PictureSurface::GetPixel()).
inline constexpr Color NoColor = -1;  // a read outside a picture

/// The packed colour of three components.
/// Components above 255 are stored as 255; negative ones as 0.
constexpr Color composeColor(int red, int green, int blue)
{
    auto cap = [](int c) { return c < 0 ? 0 : (c > 255 ? 255 : c); };
    return cap(red) + 256 * cap(green) + 65536 * cap(blue);
}
/// The red component of a packed colour, 0 to 255.
constexpr int colorRed(Color c) { return c & 0xFF; }
/// The green component of a packed colour, 0 to 255.
constexpr int colorGreen(Color c) { return (c >> 8) & 0xFF; }
/// The blue component of a packed colour, 0 to 255.
constexpr int colorBlue(Color c) { return (c >> 16) & 0xFF; }

/// Between packed colours and Qt's 0xAARRGGBB; the packed form has blue high.
/// Qt's colour to a packed one; alpha is dropped.
constexpr Color fromQRgb(QRgb rgb) { return composeColor(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
/// A packed colour to Qt's, opaque.
constexpr QRgb toQRgb(Color c) { return qRgb(colorRed(c), colorGreen(c), colorBlue(c)); }
///@}

}  // namespace pinxel
