#include "support/KindRow.h"

#include "core/indices/HeatBalance.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<int, float>>;

// A man standing in a 1 m/s breeze at 20 °C and 50 %, clothed with 1 clo, moderately active.
const Inputs WorkedRow{{kind::t, 20},  {kind::p, 1013}, {kind::v, 1},    {kind::vprim, 0}, {kind::Icl, 1},
                       {kind::M, 100}, {kind::f, 50},   {kind::Mrt, 25}, {kind::sex, 0},   {kind::e, 11.674f}};

Inputs With(Inputs inputs, const Inputs& more)
{
    inputs.insert(inputs.end(), more.begin(), more.end());
    return inputs;
}

class HeatBalanceTest : public testing::Test
{
protected:
    KindRow row;

    void Load(const Inputs& inputs)
    {
        row.Reset();
        for (const auto& [input, value] : inputs)
            row.Set(input, value);
    }
    float Compute(int id, const Inputs& inputs)
    {
        Load(inputs);
        return row.Get(id);
    }
};

TEST_F(HeatBalanceTest, WorkedRowGivesTheHandCalculatedTerms)
{
    struct Case
    {
        const char* name;
        int id;
        double expected;
        double tolerance;
    };
    using namespace kind;
    // Worked by hand to the digits shown; the last digit of a few is cut, not rounded.
    const std::vector<Case> cases{
        {"hc", hc, 11.866, 1e-4},        {"he", he, 19.3258, 1e-4},    {"d", d, 1, 1e-6},
        {"dprim", dprim, 0.72603, 1e-5}, {"T3", T3, 5.6, 1e-5},        {"Ie", Ie, 0.42063, 1e-5},
        {"Irc", Irc, 0.33032, 1e-5},     {"Ts", Ts, 30.3185, 1e-4},    {"w", w, 0.07856, 1e-5},
        {"esk", esk, 43.012, 1e-3},      {"Ls", Ls, 455.93, 1e-2},     {"mC", mC, -40.444, 1e-3},
        {"mE", mE, -32.614, 1e-3},       {"mRes", mRes, -9.810, 1e-3},
    };
    Load(WorkedRow);
    for (const Case& c : cases)
        EXPECT_NEAR(row.Get(c.id), c.expected, c.tolerance) << c.name;
}

TEST_F(HeatBalanceTest, StorageAndRequiredEvaporationCloseTheBalance)
{
    // mR = 100·0.330318 = 33.032, mL = (380 − 455.934)·0.330318 = −25.082, so
    // mS = 100 − 40.444 + 7.950 − 9.810 − 32.614 = 25.082 and Ereq = mS − mE = 57.695.
    Load(With(WorkedRow, {{kind::Rprim, 100}, {kind::LgLa, 380}}));
    EXPECT_NEAR(row.Get(kind::mQ), 7.9493, 1e-3);
    EXPECT_NEAR(row.Get(kind::mS), 25.0817, 1e-3);
    EXPECT_NEAR(row.Get(kind::Ereq), 57.6955, 1e-3);
    EXPECT_NEAR(row.Get(kind::Ereq), row.Get(kind::mS) - row.Get(kind::mE), 1e-4);
}

TEST_F(HeatBalanceTest, WomenEvaporateSevenTenths)
{
    const float man = Compute(kind::mE, WorkedRow);
    const float woman = Compute(kind::mE, With(WorkedRow, {{kind::sex, 1}}));
    EXPECT_NEAR(woman, -22.8297, 1e-3);   // 0.7·(−32.6138)
    EXPECT_FLOAT_EQ(woman, 0.7f * man);
}

TEST_F(HeatBalanceTest, WettedSkinChangesAtItsBreakpoints)
{
    // 22: 1.031/15.5 − 0.065; 36.5: 1.031/1 − 0.065.
    for (const auto& [ts, w] :
         std::vector<std::pair<float, double>>{{21.99f, 0.002f}, {22, 0.00151613}, {36.5f, 0.966}, {36.51f, 1.0}})
        EXPECT_NEAR(Compute(kind::w, {{kind::Ts, ts}}), w, 1e-7) << ts;
}

TEST_F(HeatBalanceTest, CalmAirCountsAsAQuarterMetrePerSecond)
{
    EXPECT_FLOAT_EQ(Compute(kind::d, {{kind::v, 0}, {kind::vprim, 0}}), 0.5f);
    // 0.53 / (1 − 0.27·0.25^0.4) = 0.53 / 0.844926
    EXPECT_NEAR(Compute(kind::dprim, {{kind::v, 0}, {kind::vprim, 0}, {kind::Icl, 1}}), 0.627274, 1e-5);
}

TEST_F(HeatBalanceTest, DivisionsByZeroGiveNoValue)
{
    using namespace kind;
    EXPECT_EQ(Compute(dprim, {{v, 1}, {vprim, 0}, {Icl, 0}}), NoValue);
    EXPECT_EQ(Compute(Ie, {{hc, 0}, {dprim, 0.7f}, {d, 1}}), NoValue);
    // Without convection the combined coefficient is 0/T3: no exchange, and no division by zero.
    EXPECT_EQ(Compute(Irc, {{hc, 0}, {dprim, 0.7f}, {d, 1}, {T3, 5.6f}}), 0.0f);
    EXPECT_EQ(Compute(Irc, {{hc, 0}, {dprim, 0.7f}, {d, 1}, {T3, 0}}), NoValue);
}

TEST_F(HeatBalanceTest, MissingInputStopsBeforeTheRestIsObtained)
{
    Inputs noSex = WorkedRow;
    std::erase_if(noSex, [](const auto& input) { return input.first == kind::sex; });
    EXPECT_EQ(Compute(kind::mE, noSex), NoValue);
    EXPECT_EQ(row.Value(kind::Ts), NoValue);   // computable, but never asked for
}

}   // namespace
