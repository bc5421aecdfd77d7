#include "tools/trace/format_number.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

using u128 = unsigned __int128;

constexpr int kDigits = 9;
constexpr std::uint64_t kLowest9 = 100000000;
constexpr std::uint64_t kPast9 = 1000000000;
// Scales up to 10^30 keep m x 10^s below 2^124; smaller numbers take the slow road.
constexpr int kMaxScale = 30;

constexpr auto kPowers = [] {
    struct Table {
        u128 value[kMaxScale + 1];
    } t{};
    t.value[0] = 1;
    for (int i = 1; i <= kMaxScale; ++i) t.value[i] = t.value[i - 1] * 10;
    return t;
}();

constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void writeTwoDigits(std::uint32_t n, char* out) {
    std::memcpy(out, kTwoDigits + 2 * n, 2);
}

// Exactly nine digits, leading zeros included.
void writeNineDigits(std::uint32_t n, char* out) {
    const std::uint32_t high = n / 10000;
    const std::uint32_t low = n % 10000;
    out[0] = static_cast<char>('0' + high / 10000);
    writeTwoDigits(high / 100 % 100, out + 1);
    writeTwoDigits(high % 100, out + 3);
    writeTwoDigits(low / 100, out + 5);
    writeTwoDigits(low % 100, out + 7);
}

char* writeUnsigned(std::uint32_t n, char* out) {
    int length = 1;
    for (std::uint32_t rest = n; rest >= 10; rest /= 10) ++length;
    char* end = out + length;
    char* at = end;
    while (n >= 100) {
        at -= 2;
        writeTwoDigits(n % 100, at);
        n /= 100;
    }
    if (n >= 10) {
        writeTwoDigits(n, at - 2);
    } else {
        at[-1] = static_cast<char>('0' + n);
    }
    return end;
}

char* formatSlow(float value, char* out) {
    return std::to_chars(out, out + kNumberRoom, static_cast<double>(value),
                         std::chars_format::general, kDigits)
        .ptr;
}

// m x 10^scale x 2^-shift as its whole part and that part rounded to nearest, ties to
// even, as printf rounds. Most numbers of a frame fit 64 bits.
std::uint64_t roundScaled64(std::uint32_t m, int scale, int shift, std::uint64_t& whole) {
    const std::uint64_t scaled = m * static_cast<std::uint64_t>(kPowers.value[scale]);
    whole = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    return rest > half || (rest == half && (whole & 1) != 0) ? whole + 1 : whole;
}

[[gnu::noinline]] std::uint64_t roundScaled128(std::uint32_t m, int scale, int shift,
                                               std::uint64_t& whole) {
    const u128 scaled = m * kPowers.value[scale];
    const u128 wide = scaled >> shift;
    const u128 rest = scaled & ((u128{1} << shift) - 1);
    const u128 half = u128{1} << (shift - 1);
    const bool up = rest > half || (rest == half && (wide & 1) != 0);
    // Beyond ten digits only the comparison with kPast9 matters.
    whole = wide >= kPast9 * 10 ? kPast9 * 10 : static_cast<std::uint64_t>(wide);
    return whole + (up ? 1 : 0);
}

// Nine significant digits and the decimal exponent of the first one; like printf, the
// exponent is the one left after rounding. False when the number needs the slow road.
bool nineDigits(std::uint32_t m, int shift, int binaryExponent, std::uint32_t& digits,
                int& exponent) {
    // floor(b x log10 2) is the decimal exponent or one below it (78913 / 2^18 ~ log10 2).
    int x = (binaryExponent * 78913) >> 18;
    std::uint64_t whole;
    std::uint64_t rounded;
    for (;;) {
        const int scale = kDigits - 1 - x;
        if (scale < 0 || scale > kMaxScale) return false;
        // 10^11 x 2^24 < 2^64.
        rounded = scale <= 11 && shift < 64 ? roundScaled64(m, scale, shift, whole)
                                            : roundScaled128(m, scale, shift, whole);
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
    if (!(magnitude < 1.0e9f)) return formatSlow(magnitude, out);
    const auto truncated = static_cast<std::uint32_t>(magnitude);
    if (static_cast<float>(truncated) == magnitude) return writeUnsigned(truncated, out);

    // Not whole and below 2^24, so magnitude = m x 2^-shift with shift >= 1.
    const int shift = 150 - static_cast<int>(biased);
    std::uint32_t digits;
    int exponent;
    if (biased == 0 || shift > 127 ||
        !nineDigits(fraction | 0x800000, shift, static_cast<int>(biased) - 127, digits, exponent)) {
        return formatSlow(magnitude, out);
    }

    if (exponent >= 0) {
        // d.ddd: the digits go out in one piece, then the fraction moves up for the point.
        writeNineDigits(digits, out);
        const int whole = exponent + 1;
        int used = kDigits;
        while (used > whole && out[used - 1] == '0') --used;
        if (used == whole) return out + whole;
        char fractionDigits[kDigits];
        std::memcpy(fractionDigits, out + whole, kDigits - 1);
        out[whole] = '.';
        std::memcpy(out + whole + 1, fractionDigits, kDigits - 1);
        return out + used + 1;
    }
    if (exponent >= -4) {
        // 0.000ddd
        std::memcpy(out, "0.0000", 6);
        out += 1 - exponent;
        writeNineDigits(digits, out);
        int used = kDigits;
        while (out[used - 1] == '0') --used;
        return out + used;
    }
    // d.dddde-XX; no number reaching here has an exponent of three digits.
    writeNineDigits(digits, out + 1);
    out[0] = out[1];
    out[1] = '.';
    int used = kDigits + 1;
    while (out[used - 1] == '0') --used;
    if (used == 2) used = 1;
    out += used;
    *out++ = 'e';
    *out++ = '-';
    writeTwoDigits(static_cast<std::uint32_t>(-exponent), out);
    return out + 2;
}
