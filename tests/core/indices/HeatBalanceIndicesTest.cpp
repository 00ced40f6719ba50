#include "support/KindRow.h"

#include "core/indices/HeatBalance.h"
#include "core/indices/HeatBalanceIndices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Inputs = std::vector<std::pair<int, float>>;

// The kinds of the heat balance and of the indices built on it: those evaluated plainly, those
// that evaluate (or read) a what-if balance, and all of them.
const std::vector<int> PlainKinds{kind::hc,   kind::he,    kind::d,   kind::dprim, kind::T3, kind::Ie,
                                  kind::Irc,  kind::Ts,    kind::w,   kind::esk,   kind::Ls, kind::mR,
                                  kind::mC,   kind::mE,    kind::mL,  kind::mRes,  kind::mQ, kind::mS,
                                  kind::Ereq, kind::SWreq, kind::HSI, kind::PhS,   kind::HL, kind::STI};
const std::vector<int> WhatIfKinds{kind::SW,  kind::DhRa, kind::DhRna, kind::PST,  kind::mS_w,
                                   kind::PSI, kind::Oh_W, kind::Oh_H,  kind::Oc_W, kind::Oc_H};

std::vector<int> AllKinds()
{
    std::vector<int> kinds = PlainKinds;
    kinds.insert(kinds.end(), WhatIfKinds.begin(), WhatIfKinds.end());
    return kinds;
}
const std::vector<int> BalanceKinds = AllKinds();

// The worked row of the heat balance: t 20 °C, f 50 %, v 1 m/s, M 100 W/m², Icl 1 clo, a man.
const Inputs WorkedRow{{kind::t, 20},  {kind::p, 1013}, {kind::v, 1},    {kind::vprim, 0}, {kind::Icl, 1},
                       {kind::M, 100}, {kind::f, 50},   {kind::Mrt, 25}, {kind::sex, 0},   {kind::e, 11.674f}};

class HeatBalanceIndicesTest : public testing::Test
{
protected:
    std::unique_ptr<KindRow> row = std::make_unique<KindRow>();

    void Configure(const QByteArray& ini) { row = std::make_unique<KindRow>(ini); }
    void Load(const Inputs& inputs)
    {
        row->Reset();
        for (const auto& [input, value] : inputs)
            row->Set(input, value);
    }
    float Compute(int id, const Inputs& inputs)
    {
        Load(inputs);
        return row->Get(id);
    }
};

TEST_F(HeatBalanceIndicesTest, DirectFormulasMatchHandCalculations)
{
    struct Case
    {
        const char* name;
        int id;
        Inputs inputs;
        double expected;
    };
    using namespace kind;
    const std::vector<Case> cases{
        {"SWreq: 100 / (1 − 0.5)", SWreq, {{w, 1}, {Ereq, 100}}, 200},
        {"HSI at Icl 0.5: 280 / (7·1·40)", HSI, {{v, 1}, {e, 16}, {Icl, 0.5f}, {Ereq, 280}}, 100},
        {"HSI below Icl 0.5: 280 / (11.7·1·40)", HSI, {{v, 1}, {e, 16}, {Icl, 0.49f}, {Ereq, 280}}, 59.82906},
        {"HSI in calm air: 280 / (7·0.25^0.6·40)", HSI, {{v, 0.1f}, {e, 16}, {Icl, 1}, {Ereq, 280}}, 229.7397},
        {"PhS: −40 / −20", PhS, {{mC, -40}, {mE, -20}}, 2},
        {"STI: mS −0.9 is cut to 0", STI, {{mS, -0.9f}, {Mrt, 25}}, 25},
        {"STI: mS 0", STI, {{mS, 0}, {Mrt, 25}}, 25},
        // (273⁴ + 100^0.75/5.386·10⁻⁸)^0.25 − 273 = 6.944647
        {"STI: mS −100.7 is cut to −100", STI, {{mS, -100.7f}, {Mrt, 25}}, 18.055353},
        {"STI: mS 100.7", STI, {{mS, 100.7f}, {Mrt, 25}}, 31.944647},
        {"HL: balance", HL, {{mR, 0}, {mE, 0}, {mS, 0}}, 1},
        {"HL: 0.5⁵", HL, {{mR, 0}, {mE, 0}, {mS, -500}}, 0.03125},
        {"HL: negative radiation counts as none", HL, {{mR, -20}, {mE, 0}, {mS, -500}}, 0.03125},
        {"HL: 0.5^2.5", HL, {{mR, 1}, {mE, 0}, {mS, -500}}, 0.1767767},
        {"HL: 1.5^1.5", HL, {{mR, 1}, {mE, 0}, {mS, 500}}, 1.8371173},
        {"HL: a loss of 1000 gives 0", HL, {{mR, 0}, {mE, 0}, {mS, -1000}}, 0},
        {"HL: and so does a greater one", HL, {{mR, 0}, {mE, 0}, {mS, -1500}}, 0},
        {"HL: evaporation of 50 is not yet a factor", HL, {{mR, 0}, {mE, -50}, {mS, 0}}, 1},
        {"HL: evaporation of 100 doubles", HL, {{mR, 0}, {mE, -100}, {mS, 0}}, 2},
        {"Oh_W: 7375 / 10", Oh_W, {{mS_w, 10}, {mS, 100}}, 737.5},
        {"Oh_H: twice Oh_W", Oh_H, {{mS_w, 10}, {mS, 100}}, 1475},
        {"Oh_W: no limit while losing heat", Oh_W, {{mS_w, -10}, {mS, 100}}, -1},
        {"Oc_W: 16750 / 10", Oc_W, {{mS_w, -10}, {mS, 100}}, 1675},
        {"Oc_H: twice Oc_W", Oc_H, {{mS_w, -10}, {mS, 100}}, 3350},
        {"Oc_W: no limit in balance", Oc_W, {{mS_w, 0}, {mS, 100}}, -1},
        {"Oh_W: a storage of 468.75 leaves no time", Oh_W, {{mS_w, 10}, {mS, 468.75f}}, 0},
        {"Oh_W: nor does a greater one", Oh_W, {{mS_w, 10}, {mS, -600}}, 0},
        {"Oh_H: twice nothing", Oh_H, {{mS_w, 10}, {mS, 600}}, 0},
        {"Oc_W: a storage beyond 937.5 leaves no time", Oc_W, {{mS_w, -10}, {mS, -1000}}, 0},
        {"Oc_H: twice nothing", Oc_H, {{mS_w, -10}, {mS, 1000}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(Compute(c.id, c.inputs), c.expected, 1e-4) << c.name;
}

TEST_F(HeatBalanceIndicesTest, DivisionsByZeroGiveNoValue)
{
    using namespace kind;
    EXPECT_EQ(Compute(HSI, {{v, 1}, {e, 56}, {Icl, 1}, {Ereq, 280}}), NoValue);
    EXPECT_EQ(Compute(PhS, {{mC, -40}, {mE, 0}}), NoValue);
    EXPECT_EQ(Compute(Oh_W, {{mS_w, 0}, {mS, 100}}), NoValue);
}

TEST_F(HeatBalanceIndicesTest, DehydrationRiskClassesIncludeTheirUpperBounds)
{
    struct Case
    {
        float sw;
        float acclimatised;
        float notAcclimatised;
    };
    for (const Case& c : std::vector<Case>{{519.99f, 0, 0},
                                           {520, 0, 1},
                                           {650, 0, 1},
                                           {650.01f, 0, 2},
                                           {779.99f, 0, 2},
                                           {780, 1, 2},
                                           {1040, 1, 2},
                                           {1040.01f, 2, 2}}) {
        EXPECT_EQ(Compute(kind::DhRa, {{kind::SW, c.sw}}), c.acclimatised) << c.sw;
        EXPECT_EQ(Compute(kind::DhRna, {{kind::SW, c.sw}}), c.notAcclimatised) << c.sw;
    }
}

TEST_F(HeatBalanceIndicesTest, NegativeExposureTimeShowsNoLimit)
{
    const SeparatorScope point(QLatin1Char('.'));
    for (const int id : {kind::Oh_W, kind::Oh_H, kind::Oc_W, kind::Oc_H}) {
        const TAbstractData& time = row->Kind(id);
        EXPECT_EQ(FormatFor(&time, -1), QStringLiteral("bez ograniczeń"));
        EXPECT_EQ(FormatFor(&time, 737.5f), QStringLiteral("737.50"));
        EXPECT_EQ(FormatFor(&time, 0), QStringLiteral("0.00"));
        EXPECT_EQ(FormatFor(&time, NoValue), QString());   // a missing time is no "no limit"
    }
}

TEST_F(HeatBalanceIndicesTest, AdaptedSkinTemperatureDrivesPstAndStorage)
{
    struct Case
    {
        const char* name;
        float me;
        float ts;
        double pst;
        double storage;
    };
    // A hand calculation of both: Ts′ = max(Ts + 0.066·(mE + 50) below −50, 22); Ls, esk, w and mL at
    // Ts′; Tsf = ((400·0.33 + 50 + 0.5·Ls)/σ)^0.25 − 273; esf at Tsf and 50 %. mS_w drops the
    // factor d = 1.2 from the convective term, PST radiates the storage away from Tsf.
    for (const Case& c : std::vector<Case>{{"Ts′ held at 22", -20, 20, 25.203887, 108.651839},
                                           {"Ts′ = 33 − 1.98", -80, 33, 26.465733, 48.369603}}) {
        const Inputs inputs{{kind::f, 50},     {kind::M, 100},    {kind::mR, 50},   {kind::mE, c.me},
                            {kind::mRes, -10}, {kind::LgLa, 400}, {kind::Ts, c.ts}, {kind::hc, 12},
                            {kind::he, 19},    {kind::Ie, 0.4f},  {kind::d, 1.2f},  {kind::dprim, 0.7f},
                            {kind::Irc, 0.33f}};
        EXPECT_NEAR(Compute(kind::PST, inputs), c.pst, 1e-3) << c.name;
        EXPECT_NEAR(Compute(kind::mS_w, inputs), c.storage, 1e-3) << c.name;
        EXPECT_EQ(row->Value(kind::Ts), c.ts) << c.name;
    }
}

TEST_F(HeatBalanceIndicesTest, SweatRateUsesFivePercentOnlyForTheAirItself)
{
    // e at t = 20 and f = 5: 6.112·10^(150/257.7)·0.05 = 1.16742, also configured as e's default so
    // that it is the same whichever supplies it. The skin keeps the row's own 50 % (Ts = 30.3185):
    // E5 = 19.3258·(1.16742 − 43.01174)·0.078563·0.420635 − 17.64 + 5.04 = −39.3239, SW = −2.6·E5.
    Configure("[Defaults]\ne=1.16742\n");
    Load(WorkedRow);
    EXPECT_NEAR(row->Get(kind::SW), 102.2420, 2e-3);
    EXPECT_EQ(row->Get(kind::DhRa), 0);
}

TEST_F(HeatBalanceIndicesTest, StandardBalanceUsesTheConfiguredDefaults)
{
    // The row's own M 150 and Icl 0.5 give way to the defaults M 58 and Icl 0.9. Hand calculation:
    // with Ts 33, mR 35.4027, mC −54.6114, mE −49.5876, mL −32.6668, mRes −5.6898; without a Ts
    // default Ts comes from its formula at M 58, Icl 0.9: 30.20474, and mC −42.8689, mE −15.4130,
    // mL −26.6407.
    const Inputs inputs{{kind::t, 20},      {kind::p, 1013}, {kind::v, 1},   {kind::vprim, 0},
                        {kind::e, 11.674f}, {kind::f, 50},   {kind::sex, 0}, {kind::Rprim, 100},
                        {kind::LgLa, 380},  {kind::Mrt, 25}, {kind::M, 150}, {kind::Icl, 0.5f}};
    Configure("[Defaults]\nM=58\nIcl=0.9\nTs=33\n");
    EXPECT_NEAR(Compute(kind::PSI, inputs), -49.15291, 1e-3);
    Configure("[Defaults]\nM=58\nIcl=0.9\n");
    EXPECT_NEAR(Compute(kind::PSI, inputs), 2.79026, 1e-3);
    EXPECT_EQ(row->Value(kind::M), 150);
    Configure("[Defaults]\nIcl=0.9\nTs=33\n");
    EXPECT_EQ(Compute(kind::PSI, inputs), NoValue);   // no standard activity
    EXPECT_EQ(row->Value(kind::M), 150);
}

// Rows whose f, e, Ts, Icl and M come from source columns, or are computed or defaulted, or which
// end a what-if evaluation early on a missing value.
struct WhatIfRow
{
    const char* name;
    QByteArray ini;
    Inputs inputs;
};

const Inputs Weather{{kind::t, 20},  {kind::p, 1013}, {kind::v, 1},       {kind::vprim, 0},
                     {kind::sex, 0}, {kind::Mrt, 25}, {kind::Rprim, 100}, {kind::LgLa, 380}};

Inputs With(Inputs inputs, const Inputs& more)
{
    inputs.insert(inputs.end(), more.begin(), more.end());
    return inputs;
}

const std::vector<WhatIfRow> WhatIfRows{
    {"from sources", QByteArray(),
     With(Weather, {{kind::f, 50}, {kind::e, 11.674f}, {kind::Ts, 31}, {kind::Icl, 0.7f}, {kind::M, 120}})},
    {"computed and defaulted", "[Defaults]\nM=58\nIcl=0.9\nTs=33\ne=11.674\nf=50\n", Weather},
    {"adapted balance missing", QByteArray(),
     With(Weather,
          {{kind::f, 50}, {kind::e, 11.674f}, {kind::Ts, 1e30f}, {kind::mE, -20}, {kind::Icl, 0.7f}, {kind::M, 120}})},
};

TEST_F(HeatBalanceIndicesTest, WhatIfEvaluationsLeaveTheRowAsItWas)
{
    for (const WhatIfRow& r : WhatIfRows) {
        for (const int whatIf : {kind::SW, kind::PST, kind::mS_w, kind::PSI}) {
            const std::string label = std::string(r.name) + ", kind " + std::to_string(whatIf);
            Configure(r.ini);
            Load(r.inputs);
            // Everything the row holds without a what-if evaluation.
            for (const int id : {kind::f, kind::e, kind::Icl, kind::M})
                row->Get(id);
            for (const int id : PlainKinds)
                row->Get(id);
            std::vector<float> before;
            for (int id = 0; id < kind::Count; ++id)
                before.push_back(row->Value(id));

            const float value = row->Get(whatIf);
            for (int id = 0; id < kind::Count; ++id) {
                if (id != whatIf) {
                    EXPECT_EQ(row->Value(id), before[std::size_t(id)]) << label << ", changed " << id;
                }
            }
            EXPECT_EQ(row->Kind(whatIf).Compute(row->state), value) << label;
            EXPECT_EQ(row->Kind(whatIf).Compute(row->state), value) << label;

            // Every value is the one a fresh row gives, in whatever order it is asked for.
            std::vector<float> first;
            for (const int id : BalanceKinds)
                first.push_back(row->Get(id));
            KindRow fresh(r.ini);
            for (const auto& [input, given] : r.inputs)
                fresh.Set(input, given);
            for (std::size_t i = BalanceKinds.size(); i-- > 0;) {
                EXPECT_EQ(row->Get(BalanceKinds[i]), first[i]) << label << ", second " << BalanceKinds[i];
                EXPECT_EQ(fresh.Get(BalanceKinds[i]), first[i]) << label << ", fresh " << BalanceKinds[i];
            }
        }
    }
}

TEST_F(HeatBalanceIndicesTest, ExtremeRowsNeverGiveNonFiniteValues)
{
    using namespace kind;
    const std::vector<Inputs> rows{
        {{t, 1e30f},
         {p, 1e30f},
         {v, 1e30f},
         {vprim, 1e30f},
         {Icl, 1e-30f},
         {M, 1e30f},
         {f, 100},
         {e, 1e30f},
         {Mrt, 1e30f},
         {Rprim, 1e30f},
         {LgLa, 1e30f},
         {sex, 1}},
        {{t, -1e30f},
         {p, -1e30f},
         {v, 0},
         {vprim, -1e30f},
         {Icl, -1e30f},
         {M, -1e30f},
         {f, 0},
         {e, -1e30f},
         {Mrt, -1e30f},
         {Rprim, -1e30f},
         {LgLa, -1e30f},
         {sex, 0}},
        {{t, -273},
         {p, 0},
         {v, 0},
         {vprim, -0.25f},
         {Icl, 0},
         {M, 0},
         {f, 0},
         {e, 0},
         {Mrt, -273},
         {Rprim, 0},
         {LgLa, 0},
         {sex, 0}},
        {{t, 45},
         {p, 1013},
         {v, 30},
         {vprim, 0},
         {Icl, 3},
         {M, 500},
         {f, 100},
         {e, 56},
         {Mrt, 80},
         {Rprim, 1000},
         {LgLa, 800},
         {sex, 1}},
        {{t, 0},
         {p, 38.692307f},
         {v, 1},
         {vprim, 0},
         {Icl, 1},
         {M, 58},
         {f, 50},
         {e, 3e38f},
         {Mrt, 3e38f},
         {Rprim, 3e38f},
         {LgLa, -3e38f},
         {sex, 0}},
    };
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Load(rows[r]);
        for (const int id : BalanceKinds)
            EXPECT_TRUE(std::isfinite(row->Get(id))) << "row " << r << ", kind " << id;
    }
}

}   // namespace
