#include "landforge/terrain/fixed_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

namespace landforge {
namespace {

TEST(FixedFormat, PrintsSignAndSixDecimals) {
    EXPECT_EQ(signedFixed(0.0), "+0.000000");
    EXPECT_EQ(signedFixed(16.0), "+16.000000");
    EXPECT_EQ(signedFixed(-1.0), "-1.000000");
    EXPECT_EQ(signedFixed(123 * 1.6), "+196.800000");
    EXPECT_EQ(signedFixed(2550 * 1.6), "+4080.000000");
    EXPECT_EQ(signedFixed(0.0000005), "+0.000000");   // just below the half in binary
    EXPECT_EQ(signedFixed(0.0078125), "+0.007812");   // an exact tie goes to even
    EXPECT_EQ(signedFixed(0.0234375), "+0.023438");
    EXPECT_EQ(signedFixed(1e15 + 0.5), "+1000000000000000.500000");
}

TEST(FixedFormat, NegativeZeroPrintsPositive) {
    EXPECT_EQ(signedFixed(-0.0), "+0.000000");
    EXPECT_EQ(signedFixed(-1e-9), "+0.000000");
    EXPECT_EQ(signedFixed(-0.0000004), "+0.000000");
    EXPECT_EQ(signedFixed(-0.0000006), "-0.000001");
}

TEST(FixedFormat, MatchesTheCLibraryOverManyValues) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> small(-5000.0, 5000.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    char expected[400];
    for (int k = 0; k < 200000; ++k) {
        double v;
        if (k % 3 == 0) {
            v = small(gen);
        } else if (k % 3 == 1) {
            v = static_cast<float>(small(gen)) * 1.6;  // the export's own products
        } else {
            std::uint64_t b = bits(gen);
            std::memcpy(&v, &b, sizeof v);
            if (!std::isfinite(v)) continue;
        }
        std::snprintf(expected, sizeof expected, "%+f", v);
        std::string want = expected;
        if (want == "-0.000000") want = "+0.000000";
        ASSERT_EQ(signedFixed(v), want) << v;
    }
}

TEST(FixedFormat, MatchesTheCLibraryOnExactBinaryFractionsAndTies) {
    // m / 2^20 hits exact ties at the sixth decimal (m * 15625 mod 16384 = 8192) and near-ties.
    char expected[400];
    int ties = 0;
    for (int m = -300000; m <= 300000; ++m) {
        double v = m / 1048576.0;
        ties += (static_cast<long long>(m) * 15625 % 16384 + 16384) % 16384 == 8192;
        std::snprintf(expected, sizeof expected, "%+f", v);
        std::string want = expected;
        if (want == "-0.000000") want = "+0.000000";
        ASSERT_EQ(signedFixed(v), want) << m;
        double big = v * 1099511627776.0 * 3;  // beyond the quick path
        std::snprintf(expected, sizeof expected, "%+f", big);
        ASSERT_EQ(signedFixed(big), (std::string(expected) == "-0.000000" ? "+0.000000" : expected)) << m;
    }
    EXPECT_GT(ties, 30);
}

}  // namespace
}  // namespace landforge
