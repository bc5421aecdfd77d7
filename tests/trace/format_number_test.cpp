#include "tools/trace/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string formatted(float value) {
    char text[kNumberRoom];
    return {text, formatNumber(value, text)};
}

std::string printed(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

float fromBits(std::uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint32_t bitsOf(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Compares numbers with printf, reporting only the first few mismatches.
class LikePrintf {
  public:
    void check(float value) {
        if (mismatches_ >= 5) return;
        const std::string ours = formatted(value);
        const std::string theirs = printed(value);
        if (ours == theirs) return;
        ADD_FAILURE() << "bits 0x" << std::hex << bitsOf(value) << ": " << ours
                      << ", printf: " << theirs;
        ++mismatches_;
    }

  private:
    int mismatches_ = 0;
};

TEST(FormatNumber, SpecialValuesAndBoundariesMatchPrintf) {
    const float values[] = {
        0.0f,
        -0.0f,
        1.0f,
        -1.0f,
        0.5f,
        -2550.0f,
        0.196078435f,
        5.0f,
        3.33333349f,
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN(),
        -std::numeric_limits<float>::quiet_NaN(),
        std::numeric_limits<float>::min(),
        std::numeric_limits<float>::max(),
        std::numeric_limits<float>::lowest(),
        std::numeric_limits<float>::denorm_min(),
        1e9f,
        999999936.0f,
        1.00000006e9f,
        16777216.0f,
        16777215.5f,
        8388607.5f,
        12345678.5f,
        12345679.5f,
        99999999.5f,
        0.0001f,
        0.00009999999f,
        0.000099999997f,
        1e-5f,
        9.99999975e-6f,
        1e-22f,
        1e-23f,
        1e-30f,
        123456.789f,
        0.1f,
        0.3f,
        1.5f,
        2.5f,
    };
    LikePrintf compare;
    for (float v : values) compare.check(v);
    EXPECT_EQ(formatted(0.0f), "0");
    EXPECT_EQ(formatted(-0.0f), "-0");
    EXPECT_EQ(formatted(-2550.0f), "-2550");
    EXPECT_EQ(formatted(50.0f / 255.0f), "0.196078435");
}

TEST(FormatNumber, DenseRunsOfFloatsMatchPrintf) {
    // Consecutive floats around the places where the written form changes.
    const float starts[] = {0.0001f, 0.001f, 0.1f,       0.5f,        1.0f,  99.9f,
                            767.0f,  1e5f,   8388000.0f, 99999990.0f, 1e-5f, 1e-20f};
    LikePrintf compare;
    for (float start : starts) {
        for (std::uint32_t i = 0; i < 100000; ++i) {
            compare.check(fromBits(bitsOf(start) + i));
            compare.check(-fromBits(bitsOf(start) - i));
        }
    }
}

TEST(FormatNumber, RandomBitPatternsMatchPrintf) {
    std::mt19937 random(20261211);
    LikePrintf compare;
    for (int i = 0; i < 2000000; ++i) compare.check(fromBits(static_cast<std::uint32_t>(random())));
}

}  // namespace
