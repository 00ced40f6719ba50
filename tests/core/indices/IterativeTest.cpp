#include "support/KindRow.h"

#include "core/indices/Iterative.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

struct SearchParameters
{
    bool method = false;
    float start = 30;
    float step = 15;
    float tolerance = 3;
    float fallback = -1;
    float upperLimit = 50;
};

// An iterative kind whose residual is a scripted function of the trial value. Like the real kinds it
// clears the row and overrides M and Ts (with the trial value) before each residual, and it remembers
// every trial value.
class ScriptedIndex : public TAbstractIterativeIndex
{
public:
    ScriptedIndex(KindRow& row, std::function<float(float)> script, const SearchParameters& p = {})
        : TAbstractIterativeIndex(row.kinds, QStringLiteral("Scripted"), kind::STE, p.start, p.step, p.method,
                                  p.tolerance, p.fallback, p.upperLimit),
          m_script(std::move(script))
    { }
    void AdjustResult(float&, float&) const override { }
    float Residual(EvaluationState&, WhatIf& whatIf, float x) const override
    {
        trials.push_back(x);
        whatIf.ClearComputed();
        whatIf.Override(kind::M, x);
        whatIf.Override(kind::Ts, x);
        return m_script(x);
    }

    mutable std::vector<float> trials;

private:
    std::function<float(float)> m_script;
};

SearchParameters Forward()
{
    return {true, 0.00001f, 1, 3, -1, 50};   // as ECI searches
}

// What the row shows of the kinds that a search overrides or clears.
struct RowState
{
    float m, ts, icl;
    bool operator==(const RowState&) const = default;
};

RowState StateOf(KindRow& row)
{
    return {row.Value(kind::M), row.Value(kind::Ts), row.Value(kind::Icl)};
}

// A real iterative kind that reports the row as its residual left it.
template <class Index> class Watched : public Index
{
public:
    explicit Watched(KindRow& row) : Index(row.kinds, QStringLiteral("Watched"), kind::STE), m_row(row) { }
    float Residual(EvaluationState& row, WhatIf& whatIf, float x) const override
    {
        const float r = Index::Residual(row, whatIf, x);
        seen.push_back(StateOf(m_row));
        return r;
    }

    mutable std::vector<RowState> seen;

private:
    KindRow& m_row;
};

}   // namespace

TEST(IterativeSearch, AResidualWithinTheToleranceAtTheStartEndsTheSearchThere)
{
    for (const SearchParameters& p : {SearchParameters{}, Forward()}) {
        KindRow row;
        ScriptedIndex index(
            row, [start = p.start](float x) { return x - start - 2; }, p);   // −2 at the start
        EXPECT_EQ(index.Compute(row.state), p.start);
        EXPECT_EQ(index.trials, (std::vector<float>{p.start}));
    }
}

TEST(IterativeSecantSearch, MarchesToTheSignChangeInterpolatesAndGoesOnWithAThirdOfTheStep)
{
    // Steeper above the root at 100, so that the secant through 90 (−10) and 105 (+50) falls short:
    // 105 − 50·(90 − 105)/(−10 − 50) = 92.5; from there in steps of 15/3 = 5: −7.5 at 92.5, −2.5 at
    // 97.5, within the tolerance.
    KindRow row;
    ScriptedIndex index(row, [](float x) { return x < 100 ? x - 100 : 10 * (x - 100); });
    EXPECT_EQ(index.Compute(row.state), 97.5f);
    EXPECT_EQ(index.trials, (std::vector<float>{30, 45, 60, 75, 90, 105, 92.5f, 97.5f}));
}

TEST(IterativeSecantSearch, MarchesAwayFromTheLargerResidual)
{
    // 26 at 30 and 41 at 45: the march goes down from 30; 11 at 15, −4 at 0; the secant gives 4.
    KindRow row;
    ScriptedIndex index(row, [](float x) { return x - 4; });
    EXPECT_EQ(index.Compute(row.state), 4.0f);
    EXPECT_EQ(index.trials, (std::vector<float>{30, 45, 15, 0, 4}));
}

TEST(IterativeSecantSearch, GivesUpWithNoValueAfter200Residuals)
{
    KindRow row;
    ScriptedIndex index(row, [](float) { return 10.0f; });   // never changes sign
    EXPECT_EQ(index.Compute(row.state), NoValue);
    EXPECT_EQ(index.trials.size(), 200u);
}

TEST(IterativeSearch, AMissingOrFailingResidualEndsTheSearchWithoutAResult)
{
    const std::function<float(float)> scripts[] = {
        [](float x) { return x == 45 ? NoValue : 50.0f; },
        [](float x) { return x == 45 ? throw std::runtime_error("overflow") : 50.0f; },
        [](float x) { return x == 45 ? throw 42 : 50.0f; },
    };
    for (const auto& script : scripts) {
        KindRow row;
        ScriptedIndex index(row, script);
        EXPECT_EQ(index.Compute(row.state), NoValue);
        EXPECT_EQ(index.trials, (std::vector<float>{30, 45}));
    }
}

TEST(IterativeForwardSearch, AGrowingResidualRestartsWithAThirdOfTheStepAndGivesUpAfterEightStarts)
{
    KindRow row;
    ScriptedIndex index(
        row, [](float x) { return 10 + x; }, Forward());
    EXPECT_EQ(index.Compute(row.state), -1.0f);
    ASSERT_EQ(index.trials.size(), 16u);
    double step = 1;
    for (std::size_t start = 0; start < 8; ++start, step /= 3) {
        EXPECT_EQ(index.trials[2 * start], 0.00001f) << "start " << start + 1;
        EXPECT_NEAR(index.trials[2 * start + 1] - 0.00001, step, 1e-6) << "start " << start + 1;
    }
}

TEST(IterativeForwardSearch, RestartsFromTheLastPointBeforeTheSignChange)
{
    // Root 2.5: −0.5 at 2 and +0.5 at 3 restart at 2 with step 1/3; −1/6 at 7/3 and +1/6 at 8/3
    // restart at 7/3 with step 1/9; −1/18 at 22/9 is within the tolerance 0.1.
    KindRow row;
    SearchParameters p = Forward();
    p.start = 0;
    p.tolerance = 0.1f;
    ScriptedIndex index(
        row, [](float x) { return x - 2.5f; }, p);
    EXPECT_NEAR(index.Compute(row.state), 22.0 / 9, 1e-5);
    const double expected[] = {0, 1, 2, 3, 2, 7.0 / 3, 8.0 / 3, 7.0 / 3, 22.0 / 9};
    ASSERT_EQ(index.trials.size(), std::size(expected));
    for (std::size_t n = 0; n < std::size(expected); ++n)
        EXPECT_NEAR(index.trials[n], expected[n], 1e-5) << "trial " << n;
}

TEST(IterativeForwardSearch, GivesUpWithTheFallbackBeyondTheUpperLimit)
{
    KindRow row;
    SearchParameters p = Forward();
    p.start = 0;
    p.upperLimit = 5;
    ScriptedIndex index(
        row, [](float x) { return x - 100; }, p);
    EXPECT_EQ(index.Compute(row.state), -1.0f);
    EXPECT_EQ(index.trials, (std::vector<float>{0, 1, 2, 3, 4, 5}));
}

TEST(IterativeSearch, InTheTrialGivesTheResidualAtTheDefaultWithoutSearching)
{
    for (const bool method : {false, true}) {
        KindRow row;
        SearchParameters p;
        p.method = method;
        ScriptedIndex index(
            row, [](float x) { return 2 * x; }, p);
        index.DefaultValue = 7;
        row.state.SetTrial(kind::STE, true);
        EXPECT_EQ(index.Compute(row.state), 14.0f);
        EXPECT_EQ(index.trials, (std::vector<float>{7}));
    }
}

TEST(IterativeSearch, TheRowIsAsBeforeAfterEverySearch)
{
    const std::function<float(float)> scripts[] = {
        [](float x) { return x - 100; },                                          // found
        [](float) { return 10.0f; },                                              // bound reached
        [](float x) { return x == 45 ? throw std::runtime_error("") : 50.0f; },   // error
    };
    for (const auto& script : scripts) {
        KindRow row;
        row.Set(kind::M, 100);         // from a source column
        row.Set(kind::Ts, 31);         // a computed kind given by a source column
        row.Value(kind::Icl) = 0.5f;   // computed earlier in the row
        const RowState before = StateOf(row);
        ScriptedIndex index(row, [&](float x) {
            EXPECT_EQ(StateOf(row), (RowState{x, x, NoValue})) << "while the residual is computed";
            return script(x);
        });
        index.Compute(row.state);
        EXPECT_EQ(StateOf(row), before);
    }
}

TEST(Ste, ResidualIsTheStorageAtTheTrialSkinTemperatureWithStandardClothingAndActivity)
{
    KindRow row;
    row.Kind(kind::Icl).DefaultValue = 0.9f;
    row.Kind(kind::M).DefaultValue = 80;
    row.Set(kind::M, 120);
    row.Set(kind::mS, 2);   // a storage within the tolerance, given by the row
    Watched<TData_STE> ste(row);
    const RowState before = StateOf(row);

    EXPECT_EQ(ste.Compute(row.state), 30.0f);   // the start value
    EXPECT_EQ(ste.seen, (std::vector<RowState>{{80, 30, 0.9f}}));
    EXPECT_EQ(StateOf(row), before);
}

TEST(Eci, ResidualIsTheStorageAtTheTrialInsulationWithStandardSkinTemperatureAndActivity)
{
    KindRow row;
    row.Kind(kind::Ts).DefaultValue = 33;
    row.Kind(kind::M).DefaultValue = 80;
    row.Set(kind::M, 120);
    row.Set(kind::mS, -2);
    Watched<TData_ECI> eci(row);
    const RowState before = StateOf(row);

    EXPECT_EQ(eci.Compute(row.state), 0.00001f);   // the start value
    EXPECT_EQ(eci.seen, (std::vector<RowState>{{80, 33, 0.00001f}}));
    EXPECT_EQ(StateOf(row), before);
}

TEST(SteEci, InTheTrialGiveTheStorageAtTheirOwnDefault)
{
    for (const int id : {kind::STE, kind::ECI}) {
        KindRow row;
        row.Set(kind::mS, -50);
        row.Kind(id).DefaultValue = 1;
        row.state.SetTrial(id, true);
        EXPECT_EQ(row.Get(id), -50.0f) << row.Kind(id).ShortName.toStdString();
    }
}

TEST(SteEci, WithoutAStorageThereIsNoValue)
{
    for (const int id : {kind::STE, kind::ECI}) {
        KindRow row;
        EXPECT_EQ(row.Get(id), NoValue) << row.Kind(id).ShortName.toStdString();
    }
}

TEST(Eci, ANegativeInsulationIsReportedAsMinusOne)
{
    struct Case
    {
        float x, r, adjustedX, adjustedR;
    };
    const Case cases[] = {
        {-0.5f, 2, -1, NoValue}, {-1, NoValue, -1, NoValue},           {0, 1, 0, 1},
        {0.8f, -2, 0.8f, -2},    {NoValue, NoValue, NoValue, NoValue},
    };
    KindRow row;
    auto& eci = dynamic_cast<TData_ECI&>(row.Kind(kind::ECI));
    for (const Case& c : cases) {
        float x = c.x, r = c.r;
        eci.AdjustResult(x, r);
        EXPECT_EQ(x, c.adjustedX) << c.x;
        EXPECT_EQ(r, c.adjustedR) << c.x;
    }
}
