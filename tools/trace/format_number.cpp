#include "tools/trace/format_number.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

using u128 = unsigned __int128;

constexpr int kDigits = 9;
constexpr std::uint32_t kLowest9 = 100000000;
constexpr std::uint32_t kPast9 = 1000000000;
// Scales up to 10^30 keep m x 10^s below 2^124; smaller numbers take the slow road.
constexpr int kMaxScale = 30;

constexpr u128 powerOfTen(int n) {
    u128 p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

constexpr auto kPowers = [] {
    struct Table {
        u128 value[kMaxScale + 1];
    } t{};
    for (int i = 0; i <= kMaxScale; ++i) t.value[i] = powerOfTen(i);
    return t;
}();

char* writeUnsigned(std::uint32_t n, char* out) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count > 0) *out++ = digits[--count];
    return out;
}

char* formatSlow(float value, char* out) {
    char* end = out + kMaxNumberLength;
    return std::to_chars(out, end, static_cast<double>(value), std::chars_format::general, kDigits)
        .ptr;
}

// Rounds m x 10^scale x 2^-shift to an integer, ties to even, as printf rounds. Most
// numbers of a frame fit 64 bits; the rest take 128.
template <typename Wide>
Wide roundScaled(std::uint32_t m, int scale, int shift, Wide& whole) {
    const Wide scaled = static_cast<Wide>(m) * static_cast<Wide>(kPowers.value[scale]);
    whole = scaled >> shift;
    const Wide rest = scaled & ((static_cast<Wide>(1) << shift) - 1);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    return rest > half || (rest == half && (whole & 1) != 0) ? whole + 1 : whole;
}

std::uint64_t roundScaled(std::uint32_t m, int scale, int shift, std::uint64_t& whole) {
    // 10^11 x 2^24 < 2^64.
    if (scale <= 11 && shift < 64) return roundScaled<std::uint64_t>(m, scale, shift, whole);
    u128 wide;
    const u128 rounded = roundScaled<u128>(m, scale, shift, wide);
    // Both stay below 10^10 when the scale is right; above that only the comparison matters.
    whole = wide > kPast9 * 10ull ? kPast9 * 10ull : static_cast<std::uint64_t>(wide);
    return static_cast<std::uint64_t>(rounded > whole ? whole + 1 : whole);
}

// Nine significant digits and the decimal exponent of the first one; like printf, the
// exponent is the one left after rounding.
bool nineDigits(std::uint32_t m, int shift, int binaryExponent, std::uint32_t& digits,
                int& exponent) {
    // floor(b x log10 2) is the decimal exponent or one below it (78913 / 2^18 ~ log10 2).
    int x = (binaryExponent * 78913) >> 18;
    std::uint64_t whole;
    std::uint64_t rounded;
    for (;;) {
        const int scale = kDigits - 1 - x;
        if (scale < 0 || scale > kMaxScale) return false;
        rounded = roundScaled(m, scale, shift, whole);
        if (whole >= kPast9) {
            ++x;
        } else if (whole < kLowest9) {
            --x;
        } else {
            break;
        }
    }
    if (rounded == kPast9) {
        rounded = kLowest9;
        ++x;
    }
    digits = static_cast<std::uint32_t>(rounded);
    exponent = x;
    return true;
}

}  // namespace

char* formatNumber(float value, char* out) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint32_t biased = (bits >> 23) & 0xFF;
    const std::uint32_t fraction = bits & 0x7FFFFF;
    if (biased == 0xFF) return formatSlow(value, out);
    if ((bits >> 31) != 0) *out++ = '-';
    if (biased == 0 && fraction == 0) {
        *out++ = '0';
        return out;
    }

    // Whole numbers below 10^9 print as they are.
    const float magnitude = value < 0.0f ? -value : value;
    if (magnitude < 1.0e9f) {
        const auto whole = static_cast<std::uint32_t>(magnitude);
        if (static_cast<float>(whole) == magnitude) return writeUnsigned(whole, out);
    } else {
        return formatSlow(magnitude, out);
    }

    // Not whole and below 2^24, so value = m x 2^-shift with shift >= 1.
    const int shift = 150 - static_cast<int>(biased);
    std::uint32_t digits;
    int exponent;
    if (biased == 0 || shift > 127 ||
        !nineDigits(fraction | 0x800000, shift, static_cast<int>(biased) - 127, digits, exponent)) {
        return formatSlow(magnitude, out);
    }

    char text[kDigits];
    for (int i = kDigits - 1; i >= 0; --i) {
        text[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    int used = kDigits;
    while (used > 1 && text[used - 1] == '0') --used;

    if (exponent < -4 || exponent >= kDigits) {
        *out++ = text[0];
        if (used > 1) {
            *out++ = '.';
            std::memcpy(out, text + 1, used - 1);
            out += used - 1;
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        const int e = exponent < 0 ? -exponent : exponent;
        if (e < 10) *out++ = '0';
        return writeUnsigned(static_cast<std::uint32_t>(e), out);
    }
    if (exponent >= 0) {
        const int whole = exponent + 1;
        std::memcpy(out, text, whole);
        out += whole;
        if (used > whole) {
            *out++ = '.';
            std::memcpy(out, text + whole, used - whole);
            out += used - whole;
        }
        return out;
    }
    *out++ = '0';
    *out++ = '.';
    for (int i = -1; i > exponent; --i) *out++ = '0';
    std::memcpy(out, text, used);
    return out + used;
}
