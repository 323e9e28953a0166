// The filter loops, included once per instruction set by FilterKernels.cpp
// inside a namespace of its own. No includes here: the including file has them.
//
// Raster pixels are 0xFFRRGGBB. Each loop keeps to fixed-width integer
// arithmetic without calls or early exits, so that it vectorises; the
// roundings are the exact integer forms of "nearest, halves to even".

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;

inline int red(std::uint32_t p) { return int((p >> 16) & 0xFFu); }
inline int green(std::uint32_t p) { return int((p >> 8) & 0xFFu); }
inline int blue(std::uint32_t p) { return int(p & 0xFFu); }
inline int absolute(int v) { return v < 0 ? -v : v; }
inline int capped(int v) { return v > 255 ? 255 : v; }
inline std::uint32_t pack(int r, int g, int b)
{
    return Opaque | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}
// nearest(n / 256) for n >= 0, halves to even.
inline int halfEvenBy256(int n) { return (n + 127 + ((n >> 8) & 1)) >> 8; }
// nearest(n / 10) for n >= 0, halves to even.
inline int halfEvenBy10(int n)
{
    const int q = n / 10;
    const int rest = n - 10 * q;
    return q + int(rest + (q & 1) > 5);
}

void blackWhite(QRgb *__restrict row, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i];
        // Bits 7 and 6 of a component are both set exactly when it is 192 or more.
        const std::uint32_t high = p & (p << 1) & 0x808080u;
        row[i] = high != 0 ? 0xFFFFFFFFu : Opaque;
    }
}

void brighten(QRgb *__restrict row, int count, int step)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i];
        const int r = capped(absolute(red(p) + step));
        const int g = capped(absolute(green(p) + step));
        const int b = capped(absolute(blue(p) + step));
        row[i] = pack(r, g, b);
    }
}

// Nearest integer, halves to even, for |v| < 2^22: adding and taking away
// 1.5 * 2^23 leaves no fraction bits, and the default rounding is to even.
inline float roundedEven(float v)
{
    constexpr float Shift = 12582912.0f;
    return (v + Shift) - Shift;
}

inline float cappedFloat(float v) { return v < 255.0f ? v : 255.0f; }

void grayBlackWhite(QRgb *__restrict row, int count)
{
    // In single precision, which holds every value here exactly: the largest
    // product is below 3786^2 < 2^24, and dividing by 256 is exact.
    constexpr float Scale = 1.0f / 256.0f;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i];
        const float r = float(red(p)), g = float(green(p)), b = float(blue(p));
        // Each stage feeds the next: r1 into g1, g1 and r1 into b1.
        const float r1 = roundedEven(std::fabs((g - b + g + r) * r) * Scale);
        const float g1 = roundedEven(std::fabs((b - g + b + r1) * r1) * Scale);
        const float b1 = roundedEven(std::fabs((b - g1 + b + r1) * g1) * Scale);
        const float sum = cappedFloat(r1) + cappedFloat(g1) + cappedFloat(b1);
        // A third of an integer is never a half: any nearest will do.
        const int grey = int(sum * (1.0f / 3.0f) + 0.5f);
        row[i] = pack(grey, grey, grey);
    }
}

void grayscale(QRgb *__restrict row, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i];
        // nearest(0.32f * (r + g + b)): 0.32 s is never within 0.02 of a half
        // and the single-precision weight is off by under 6e-6 at s = 765, so
        // this is nearest(8 s / 25) = floor((16 s + 25) / 50); the division
        // is a multiplication, exact for these numerators.
        const std::uint32_t sum = std::uint32_t(red(p) + green(p) + blue(p));
        const int grey = int(((16u * sum + 25u) * 5243u) >> 18);
        row[i] = pack(grey, grey, grey);
    }
}

void replaceColor(QRgb *__restrict row, int count, QRgb from, QRgb to)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i];
        row[i] = (p & 0xFFFFFFu) == from ? to : p;
    }
}

void blur(QRgb *__restrict out, const QRgb *__restrict up, const QRgb *__restrict mid,
          const QRgb *__restrict down, int count)
{
    // Column sums first, then three neighbouring column sums per pixel. Red
    // and blue add up side by side in the two halves of a word: nine
    // components stay below 2^16.
    constexpr std::uint32_t RedBlue = 0x00FF00FFu;
    constexpr int Block = 256;
    std::uint32_t columnRedBlue[Block + 2];
    std::int32_t columnGreen[Block + 2];
    for (int start = 0; start < count; start += Block) {
        const int n = count - start < Block ? count - start : Block;
        const QRgb *u = up + start - 1, *m = mid + start - 1, *d = down + start - 1;
        for (int i = 0; i < n + 2; ++i) {
            columnRedBlue[i] = (u[i] & RedBlue) + (m[i] & RedBlue) + (d[i] & RedBlue);
            columnGreen[i] = green(u[i]) + green(m[i]) + green(d[i]);
        }
        QRgb *o = out + start;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t redBlue = columnRedBlue[i] + columnRedBlue[i + 1] + columnRedBlue[i + 2];
            const int g = columnGreen[i] + columnGreen[i + 1] + columnGreen[i + 2];
            o[i] = pack(halfEvenBy10(int(redBlue >> 16)), halfEvenBy10(g), halfEvenBy10(int(redBlue & 0xFFFFu)));
        }
    }
}

void emboss(QRgb *__restrict row, const QRgb *__restrict belowRight, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i], q = belowRight[i];
        const int r = capped(absolute(red(p) - red(q) - 128));
        const int g = capped(absolute(green(p) - green(q) - 128));
        const int b = capped(absolute(blue(p) - blue(q) - 128));
        row[i] = pack(r, g, b);
    }
}

// nearest(0.5 (c - u) + c) = nearest((3c - u) / 2), halves to even, then its absolute value.
inline int sharpened(int c, int u)
{
    const int twice = 3 * c - u;
    const int floorHalf = twice >> 1;
    return capped(absolute(floorHalf + (twice & floorHalf & 1)));
}

void sharpen(QRgb *__restrict row, const QRgb *__restrict upLeft, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i], u = upLeft[i];
        row[i] = pack(sharpened(red(p), red(u)), sharpened(green(p), green(u)), sharpened(blue(p), blue(u)));
    }
}

void snow(QRgb *__restrict row, const QRgb *__restrict upLeft, int count)
{
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = row[i], u = upLeft[i];
        const int r = capped(absolute(25 * red(p) - 24 * red(u)));
        const int g = capped(absolute(25 * green(p) - 24 * green(u)));
        const int b = capped(absolute(25 * blue(p) - 24 * blue(u)));
        row[i] = pack(r, g, b);
    }
}

inline std::uint32_t nextState(std::uint32_t s) { return (s * RandomMultiplier + RandomIncrement) & RandomMask; }
// floor(5 r - 2) for the draw r = s / 2^24, in exact integers.
inline int offsetOf(std::uint32_t s) { return int((5u * s) >> 24) - 2; }

void diffuse(QRgb *__restrict out, const QRgb *__restrict centre, std::ptrdiff_t stride,
             std::uint32_t *__restrict states, int count)
{
    // The draws vectorise, the picks from three neighbours do not: draw a
    // block of offsets first, then pick.
    constexpr int Block = 256;
    std::int32_t redAt[Block], greenAt[Block], blueAt[Block];
    const std::int32_t rowStride = std::int32_t(stride);
    for (int start = 0; start < count; start += Block) {
        const int n = count - start < Block ? count - start : Block;
        std::uint32_t *__restrict st = states + start;
        for (int i = 0; i < n; ++i) {
            const std::uint32_t s1 = nextState(st[i]);
            const std::uint32_t s2 = nextState(s1);
            const std::uint32_t s3 = nextState(s2);
            const std::uint32_t s4 = nextState(s3);
            st[i] = s4;
            redAt[i] = i + offsetOf(s1) * rowStride;
            greenAt[i] = i + offsetOf(s2);
            blueAt[i] = i + offsetOf(s3) * rowStride + offsetOf(s4);
        }
        const QRgb *c = centre + start;
        QRgb *o = out + start;
        for (int i = 0; i < n; ++i)
            o[i] = Opaque | (c[redAt[i]] & 0xFF0000u) | (c[greenAt[i]] & 0xFF00u) | (c[blueAt[i]] & 0xFFu);
    }
}

void shiftRow(QRgb *__restrict out, const QRgb *__restrict tile, int tileWidth, const int *__restrict shifts,
              int count, int row, int rows)
{
    for (int i = 0; i < count; ++i) {
        const int from = row - shifts[i];
        const bool inside = unsigned(from) < unsigned(rows);
        const QRgb moved = tile[(inside ? from : 0) * tileWidth + i] | Opaque;
        out[i] = inside ? moved : out[i];
    }
}

}  // namespace

const Kernels table = {
    KERNEL_SET_NAME, blackWhite, brighten, grayBlackWhite, grayscale, replaceColor, blur,
    emboss,          sharpen,    snow,     diffuse,        shiftRow,
};
