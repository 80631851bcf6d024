#include "base/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Draws = std::vector<int32_t>;

// Draws first to last (counted from 1) after seeding.
Draws DrawsOf(int32_t seed, int first, int last)
{
    CRandom random(0);
    random.SetSeed(seed);
    Draws draws;
    for (int i = 1; i <= last; ++i) {
        int32_t draw = random.Next();
        if (i >= first) draws.push_back(draw);
    }
    return draws;
}

Draws FirstDraws(int32_t seed) { return DrawsOf(seed, 1, 5); }

// The expected draws were worked out step by step from the generator's
// definition (subtractive, modulus 10^9, seed constant 161803398, |s|
// wrapping).

TEST(Random, FirstDrawsMatchTheDefinition)
{
    EXPECT_EQ((Draws{533923850, 323008803, 401103978, 459259507, 390269598}), FirstDraws(0));
    EXPECT_EQ((Draws{634670766, 791644133, 941623396, 894891413, 435112290}), FirstDraws(42));
    EXPECT_EQ((Draws{598124554, 371820323, 819710570, 904070771, 766514846}), FirstDraws(INT32_MIN));
    // A clock-sized seed is larger than the seed constant: the difference
    // stays negative until the remainder's correction.
    EXPECT_EQ((Draws{503923850, 548008803, 86103978, 604259507, 280269598}), FirstDraws(1765000000));
}

TEST(Random, DrawsGoOnAcrossTheWrapOfTheTable)
{
    // Draw 55 replaces the table's last entry, draw 56 its first again; the
    // subtracted entry wrapped at draw 25 already, and a slip in either
    // wrap shows in every draw after it.
    EXPECT_EQ((Draws{849937696, 173021394, 788052596, 98577826, 638661273, 285201352, 260508969}),
              DrawsOf(42, 54, 60));
    EXPECT_EQ(Draws{627465363}, DrawsOf(42, 1000, 1000));
}

TEST(Random, ASeedAndItsNegationGiveOneSequenceButKeepTheirSign)
{
    CRandom negative(-42);
    EXPECT_EQ(-42, negative.seed());
    EXPECT_EQ(FirstDraws(42), FirstDraws(-42));
}

TEST(Random, ReseedingRestartsTheSequence)
{
    CRandom random(7);
    int32_t first = random.Next();
    for (int i = 0; i < 100; ++i) random.Next();
    random.SetSeed(7);
    EXPECT_EQ(first, random.Next());
    EXPECT_EQ(7, random.seed());
}

TEST(Random, OnlyThe29LargestDrawsRoundToOne)
{
    // Uniform is the draw times 1e-9, rounded to single precision.
    auto uniformOf = [](int32_t draw) { return static_cast<float>(draw * 1e-9); };
    EXPECT_EQ(1.0f, uniformOf(999999999));
    EXPECT_EQ(1.0f, uniformOf(999999971));   // the 29th largest
    EXPECT_LT(uniformOf(999999970), 1.0f);   // the 30th largest

    CRandom random(12345);
    for (int i = 0; i < 100000; ++i) {
        float r = random.Uniform();
        ASSERT_GE(r, 0.0f);
        ASSERT_LE(r, 1.0f);
    }
}

TEST(Random, UniformIsTheDrawTimesTenToTheMinusNineInSinglePrecision)
{
    // A constant of single precision, or a product not formed in double,
    // moves many draws by one unit in the last place.
    CRandom uniform(2024), next(2024);
    for (int i = 0; i < 500; ++i)
        ASSERT_EQ(static_cast<float>(next.Next() * 1e-9), uniform.Uniform()) << "draw " << i;
}

}  // namespace
