#include "RandomDeviates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace {

using kelvra::GaussianStore;
using kelvra::UniformState;

// Knuth's subtractive generator in integer arithmetic modulo 4000000. The floating-point form
// holds only whole numbers below 2^53 and must produce the same ones.
class IntegerSubtractive {
  public:
    explicit IntegerSubtractive(std::int64_t initvalue) {
        std::int64_t mj = mod(1618033 - initvalue);
        table_[55] = mj;
        std::int64_t mk = 1;
        for (int i = 1; i <= 54; ++i) {
            const int ii = (21 * i) % 55;
            table_[ii] = mk;
            mk = mod(mj - mk);
            mj = table_[ii];
        }
        for (int pass = 0; pass < 4; ++pass) {
            for (int i = 1; i <= 55; ++i) table_[i] = mod(table_[i] - table_[1 + (i + 30) % 55]);
        }
    }
    std::int64_t next() {
        inext_ = inext_ % 55 + 1;
        inextp_ = inextp_ % 55 + 1;
        table_[inext_] = mod(table_[inext_] - table_[inextp_]);
        return table_[inext_];
    }

  private:
    static std::int64_t mod(std::int64_t v) { return ((v % 4000000) + 4000000) % 4000000; }
    std::int64_t table_[56] = {};
    int inext_ = 0;
    int inextp_ = 31;
};

// 1618033 makes d = 0; the larger ones make d negative, the last one beyond -4000000.
class UniformSeeds : public testing::TestWithParam<std::int32_t> {};

TEST_P(UniformSeeds, MatchesIntegerFormOfTheGenerator) {
    IntegerSubtractive reference(GetParam());
    UniformState state;
    std::int32_t seed = -GetParam();
    for (int i = 0; i < 2000; ++i) {
        const double value = kelvra::uniform_deviate(state, seed);
        ASSERT_EQ(value, static_cast<double>(reference.next()) * 2.5e-07) << "draw " << i;
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
    }
    EXPECT_EQ(seed, 1);
}

INSTANTIATE_TEST_SUITE_P(Branches, UniformSeeds,
                         testing::Values(1, 12345, 1618032, 1618033, 1618034, 3000000, 2147483647));

TEST(UniformDeviate, NegativeSeedRestartsTheSequenceAndOthersDiffer) {
    UniformState first, second, other;
    std::int32_t seed1 = -99, seed2 = -99, seed3 = -100;
    for (int i = 0; i < 10; ++i) kelvra::uniform_deviate(first, seed1);
    seed1 = -99;
    for (int i = 0; i < 100; ++i) {
        const double value = kelvra::uniform_deviate(second, seed2);
        EXPECT_EQ(kelvra::uniform_deviate(first, seed1), value);
        EXPECT_NE(kelvra::uniform_deviate(other, seed3), value);
    }
}

TEST(GaussianDeviate, ReturnsSecondOfPolarPairFirstAndStoresTheOther) {
    UniformState state, mirror;
    GaussianStore store;
    std::int32_t seed = -777, mirror_seed = -777;
    for (int pair = 0; pair < 50; ++pair) {
        double p, q, rsq;
        do {
            p = 2.0 * kelvra::uniform_deviate(mirror, mirror_seed) - 1.0;
            q = 2.0 * kelvra::uniform_deviate(mirror, mirror_seed) - 1.0;
            rsq = p * p + q * q;
        } while (rsq >= 1.0 || rsq == 0.0);
        const double factor = std::sqrt(-2.0 * std::log(rsq) / rsq);
        ASSERT_EQ(kelvra::gaussian_deviate(state, store, seed), q * factor);
        ASSERT_EQ(kelvra::gaussian_deviate(state, store, seed), p * factor);
    }
    EXPECT_EQ(kelvra::uniform_deviate(state, seed), kelvra::uniform_deviate(mirror, mirror_seed));
}

TEST(InitialSeed, UsesInitvalueThenClockThenRuntimeRandom) {
    EXPECT_EQ(kelvra::initial_seed(4711, 1700000000), -4711);
    EXPECT_EQ(kelvra::initial_seed(0, 1700000000), -1700000000);
    EXPECT_EQ(kelvra::initial_seed(-1, 1700000000), -1700000000);
    for (int i = 0; i < 100; ++i) {
        const std::int32_t seed = kelvra::initial_seed(0, 0);
        EXPECT_GE(seed, -32768);
        EXPECT_LE(seed, -1);
    }
    EXPECT_LT(kelvra::initial_seed(-5, std::int64_t{1} << 32 | 12345), 0);  // after 2038
}

}  // namespace
