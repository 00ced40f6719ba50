#include "support/KindRow.h"

#include "core/indices/SimpleIndices.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<int, float>>;

class SimpleIndicesTest : public testing::Test
{
protected:
    KindRow row;

    // The value of kind `id` for a new row holding `inputs` as a source table gives them.
    float Compute(int id, const Inputs& inputs)
    {
        row.Reset();
        for (const auto& [input, value] : inputs)
            row.Set(input, value);
        return row.Get(id);
    }
};

TEST_F(SimpleIndicesTest, ValuesMatchHandCalculations)
{
    struct Case
    {
        const char* name;
        int id;
        Inputs inputs;
        double expected;
        double tolerance;
    };
    using namespace kind;
    const std::vector<Case> cases{
        {"Tek: 20 + 1.5·10", Tek, {{t, 20}, {e, 10}}, 35.0, 1e-5},
        {"TRE: 20 + 0.7·500·(0.0105 − 0.0021)", TRE, {{TE, 20}, {Kglob, 500}, {ac, 30}}, 22.94, 1e-4},
        {"i: 4.187·(4.8 + 0.622/747.5·604.2·7.5)", i, {{t, 20}, {e, 10}}, 35.88549, 1e-4},
        {"SB: 1.4·2.36", SB, {{t, -10}, {v, 5}}, 3.304, 1e-5},
        {"WCI: calm air counts as 0.25 m/s, 1.163·15.2·33", WCI, {{t, 0}, {v, 0.1f}}, 583.3608, 1e-3},
        {"WCI at the floor itself", WCI, {{t, 0}, {v, 0.25f}}, 583.3608, 1e-3},
        {"WCT: worked value, 10 m wind 27 km/h", WCT, {{t, -10}, {v, 5}}, -19.07876, 1e-4},
        {"WCT: calm air counts as 0.25 m/s, 13.12 − 11.37·1.35^0.16", WCT, {{t, 0}, {v, 0.1f}}, 1.19073, 1e-4},
        {"Humidex: 30 + 10·5/9", Humidex, {{t, 30}, {e, 20}}, 35.55556, 1e-4},
        {"WBGT: 17.01 + 7.86 + 3.94", WBGT, {{t, 30}, {e, 20}}, 28.81, 1e-4},
        {"H at 1 m/s: low-wind coefficients, 0.6·20·41.868", H, {{t, 16.5f}, {v, 1}}, 502.416, 1e-3},
        {"H at 1.01 m/s: (0.13 + 0.47·1.004988)·20·41.868", H, {{t, 16.5f}, {v, 1.01f}}, 504.3789, 1e-3},
        {"HR: 22.4 + 10.44 + 0.25·126.6", HR, {{M, 58}, {t, 20}, {e, 10}}, 64.49, 1e-4},
        {"MHR: 50/9·(67.6 − 31.65)", MHR, {{t, 20}, {e, 10}}, 199.72222, 1e-3},
        {"SST: W = 1/2.51, 20 + 16.17·W − 15.673·(1 − W)",
         SST,
         {{v, 1}, {N, 50}, {ac, 30}, {M, 100}, {t, 20}},
         17.01345,
         1e-4},
        {"Iclp: 0.082·23.4/0.99992 − 1/2.51", Iclp, {{t, 20}, {M, 58}, {v, 1}}, 1.520547, 1e-5},
        {"pC: 2.55 − 138.04 + 94.76 − 36.53", pC, {{t, 20}, {v, 2}, {N, 50}}, -77.26, 1e-4},
        {"pL: 2.325 − 47.78 + 18.32 + 1.2108", pL, {{t, 20}, {v, 2}, {N, 50}}, -25.9242, 1e-4},
        {"pE: 1/(0.01416 − 0.02742)", pE, {{t, 20}}, -75.41478, 1e-4},
        {"pRes: 5.84 − 18.485", pRes, {{t, 20}}, -12.645, 1e-5},
        {"pPhS: 0.96477²", pPhS, {{t, 20}}, 0.9307812, 1e-6},
        {"pHSI from t: 18.6058 − 24.7164·ln 0.9307812", pHSI, {{t, 20}}, 20.37873, 1e-4},
        {"pSTI: 5.892 + 1.13 + 25.8 − 1.252", pSTI, {{t, 20}, {v, 2}, {hSl, 30}}, 31.57, 1e-4},
        {"pHL: 3.28e-20·304.572^7.88", pHL, {{t, 20}, {v, 2}, {hSl, 30}}, 1.222787, 1e-5},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Compute(c.id, c.inputs), c.expected, c.tolerance) << c.name;
}

// The published wind chill chart (whole degrees) gives the index for the air temperature and the
// wind at 10 m in km/h, which the index estimates as 1.5 times the wind at the height of a person.
TEST_F(SimpleIndicesTest, WindChillTemperatureMatchesThePublishedChart)
{
    struct Case
    {
        float t;
        float windAt10mKmh;
        float chart;
    };
    for (const Case& c : std::vector<Case>{{5, 5, 4}, {-5, 10, -9}, {-10, 20, -18}, {-20, 30, -33}, {-40, 60, -64}}) {
        const float v = c.windAt10mKmh / 3.6f / 1.5f;
        EXPECT_NEAR(Compute(kind::WCT, {{kind::t, c.t}, {kind::v, v}}), c.chart, 0.5)
            << c.t << " °C, " << c.windAt10mKmh << " km/h";
    }
}

TEST_F(SimpleIndicesTest, ClothingInsulationChangesAtItsBreakpoints)
{
    for (const auto& [t, icl] : std::vector<std::pair<float, float>>{
             {-30.01f, 3.0f}, {-30, 2.999f}, {0, 1.691f}, {25, 0.601f}, {25.01f, 0.6f}, {40, 0.6f}})
        EXPECT_FLOAT_EQ(Compute(kind::Icl, {{kind::t, t}}), icl) << t;
}

TEST_F(SimpleIndicesTest, EffectiveTemperatureTakesTheWindFormulaForAStoredPointTwo)
{
    // Calm air: 20 − 0.4·10·0.5 = 18. Wind: 37 − 17/(0.61 + 1/(1.76 + 1.4·0.2^0.75)) − 2.9 ≈ 18.197.
    const Inputs calm{{kind::v, 0.19f}, {kind::t, 20}, {kind::f, 50}};
    EXPECT_NEAR(Compute(kind::TE, calm), 18.0, 1e-5);
    const Inputs stored{{kind::v, 0.2f}, {kind::t, 20}, {kind::f, 50}};
    EXPECT_NEAR(Compute(kind::TE, stored), 18.19714, 1e-4);
}

TEST_F(SimpleIndicesTest, HeartRateBelowSixtyIsShownAsNormal)
{
    const TAbstractData* hr = &row.Kind(kind::HR);
    EXPECT_EQ(FormatFor(hr, 59.99f), QStringLiteral("normal"));
    EXPECT_EQ(FormatFor(hr, 60.0f), QStringLiteral("60.00"));
    EXPECT_EQ(FormatFor(hr, NoValue), QString());
}

TEST_F(SimpleIndicesTest, HeatStressEstimateNeedsAPositiveStrain)
{
    EXPECT_EQ(Compute(kind::pHSI, {{kind::pPhS, 0}}), NoValue);
    EXPECT_EQ(Compute(kind::pHSI, {{kind::pPhS, -0.5f}}), NoValue);
    EXPECT_NEAR(Compute(kind::pHSI, {{kind::pPhS, 1}}), 18.6058, 1e-5);
}

TEST_F(SimpleIndicesTest, PredictedMeanVote)
{
    using namespace kind;
    // Worked row: fcl = 1.1, tcl ≈ 31.0186, c = 11.786, k ≈ 0.065552, Rd ≈ 42.2295, PMV ≈ −3.9851.
    const Inputs worked{{Icl, 0.5f}, {M, 58}, {e, 12}, {t, 22}, {p, 1013}, {v, 0.25f}, {vprim, 0}, {Mrt, 22}};
    EXPECT_NEAR(Compute(PMV, worked), -3.985116, 1e-4);
    // Hand calculation above 0.5 clo: fcl = 1.15, tcl ≈ 21.67395, c = 11.777, k ≈ 0.032654, Rd ≈ −15.7671.
    const Inputs clothed{{Icl, 1}, {M, 116}, {e, 15}, {t, 18}, {p, 1000}, {v, 0.5f}, {vprim, 1}, {Mrt, 25}};
    EXPECT_NEAR(Compute(PMV, clothed), 0.8124689, 1e-4);
    // Own motion adds to the floored wind under the root: √(0.25 + 0.1) gives ≈ −4.68725.
    const Inputs walking{{Icl, 0.5f}, {M, 58}, {e, 12}, {t, 22}, {p, 1013}, {v, 0.1f}, {vprim, 0.1f}, {Mrt, 22}};
    EXPECT_NEAR(Compute(PMV, walking), -4.687248, 1e-4);
}

TEST_F(SimpleIndicesTest, MissingInputStopsTheFormulaBeforeLaterInputs)
{
    struct Case
    {
        int id;
        Inputs given;
        int missing;
        int later;   // has a default, so it holds that default once it is obtained
    };
    using namespace kind;
    const std::vector<Case> cases{
        {Tek, {}, t, e},
        {TE, {{v, 1}}, t, f},
        {TRE, {{TE, 20}}, Kglob, ac},
        {i, {}, t, e},
        {SB, {}, t, v},
        {WCI, {}, t, v},
        {WCT, {}, t, v},
        {Humidex, {}, t, e},
        {H, {}, t, v},
        {WBGT, {}, t, e},
        {HR, {{M, 58}}, t, e},
        {MHR, {}, t, e},
        {SST, {{v, 1}, {N, 50}}, ac, M},
        {Iclp, {{t, 20}}, M, v},
        {pC, {{t, 20}}, v, N},
        {pL, {{t, 20}}, v, N},
        {pSTI, {{t, 20}}, v, hSl},
        {pHL, {{t, 20}}, v, hSl},
        {PMV, {}, Icl, M},
        {PMV, {{Icl, 0.5f}, {M, 58}, {e, 12}, {t, 22}, {p, 1013}, {v, 0.25f}}, vprim, Mrt},
    };
    for (const Case& c : cases) {
        const QByteArray name = KindCatalogue[std::size_t(c.later)].ShortName;
        KindRow withDefault("[Defaults]\n" + name + "=7\n");
        for (const auto& [input, value] : c.given)
            withDefault.Set(input, value);
        withDefault.Set(c.missing, NoValue);
        EXPECT_EQ(withDefault.Get(c.id), NoValue) << c.id;
        EXPECT_EQ(withDefault.Value(c.later), NoValue) << c.id << " obtained " << name.constData();

        // Once the missing input is there, the later one is obtained (and falls back to its default).
        withDefault.Reset();
        for (const auto& [input, value] : c.given)
            withDefault.Set(input, value);
        withDefault.Set(c.missing, 20);
        withDefault.Get(c.id);
        EXPECT_EQ(withDefault.Value(c.later), 7.0f) << c.id;
    }
}

TEST_F(SimpleIndicesTest, WhatCannotBeANumberGivesNoValue)
{
    using namespace kind;
    EXPECT_EQ(Compute(WCI, {{t, 0}, {v, NoValue}}), NoValue);           // a missing wind is not floored to 0.25
    EXPECT_EQ(Compute(Iclp, {{t, 20}, {M, 0}, {v, 1}}), NoValue);       // no metabolic rate: division by zero
    EXPECT_EQ(Compute(Iclp, {{t, 33}, {M, 0}, {v, 1}}), NoValue);       // 0/0 at a skin-warm air
    EXPECT_EQ(Compute(pHL, {{t, -300}, {v, 1}, {hSl, 0}}), NoValue);    // negative base to the power 7.88
    EXPECT_EQ(Compute(pHL, {{t, 1e10f}, {v, 1}, {hSl, 0}}), NoValue);   // beyond the range of a float
    EXPECT_EQ(Compute(PMV, {{Icl, 0.5f}, {M, 58}, {e, 12}, {t, 22}, {p, 1013}, {v, 1}, {vprim, 0}, {Mrt, 1e30f}}),
              NoValue);
}

}   // namespace
