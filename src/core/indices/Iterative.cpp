#include "core/indices/Iterative.h"

#include <cmath>
#include <utility>

namespace {

constexpr Real OneThird = 1.0L / 3;

// One of the residuals is below zero and the other is not.
bool SignChanges(float ra, float rb)
{
    return (ra < 0) != (rb < 0);
}

}   // namespace

TAbstractIterativeIndex::TAbstractIterativeIndex(const DataManager& owner, QString shortName, int id, float startValue,
                                                 float step, bool method, float tolerance, float fallbackValue,
                                                 float upperLimit)
    : TAbstractData(owner, std::move(shortName), id, false), StartValue(startValue), Step(step), Tolerance(tolerance),
      FallbackValue(fallbackValue), UpperLimit(upperLimit), Method(method)
{ }

float TAbstractIterativeIndex::Compute(EvaluationState& row) const
{
    WhatIf whatIf(row);
    Search search{row, whatIf};
    if (row.Trial(Id)) {
        // The computability analysis asks only whether the residual can be computed at all.
        return GuardedResidual(search, DefaultValue);
    }
    search.Depth = 1;
    SearchEnd end = Method ? ForwardSearch(search, StartValue, Step) : SecantSearch(search, StartValue, Step);
    AdjustResult(end.X, end.R);
    return end.Found ? end.X : NoValue;
}

float TAbstractIterativeIndex::GuardedResidual(Search& search, float x) const noexcept
{
    try {
        return Residual(search.Row, search.Trial, x);
    } catch (...) {
        return NoValue;   // a fault while computing the balance ends the search without a result
    }
}

std::optional<TAbstractIterativeIndex::SearchEnd> TAbstractIterativeIndex::Evaluate(Search& search, float x,
                                                                                    float& r) const noexcept
{
    r = GuardedResidual(search, x);
    if (r == NoValue)
        return SearchEnd{};
    if (std::fabs(r) <= Tolerance)
        return SearchEnd{true, x, r};
    return std::nullopt;
}

// March from x in steps of h, downhill in the absolute residual, until the residual changes sign;
// then start again from the secant's zero with a third of the step.
TAbstractIterativeIndex::SearchEnd TAbstractIterativeIndex::SecantSearch(Search& search, float x,
                                                                         float h) const noexcept
{
    int evaluations = 0;
    const auto evaluate = [&](float at, float& r) -> std::optional<SearchEnd> {
        if (evaluations++ == MaxSecantEvaluations)
            return SearchEnd{};
        return Evaluate(search, at, r);
    };
    for (;;) {
        float xa = x, ra = NoValue, xb = xa + h, rb = NoValue;
        if (const auto end = evaluate(xa, ra))
            return *end;
        if (const auto end = evaluate(xb, rb))
            return *end;
        float dir = h;
        if (!(std::fabs(ra) > std::fabs(rb))) {
            std::swap(xa, xb);
            std::swap(ra, rb);
            dir = -h;
        }
        while (!SignChanges(ra, rb)) {
            xa = xb;
            ra = rb;
            xb = xb + dir;
            if (const auto end = evaluate(xb, rb))
                return *end;
        }
        x = float(xb - Real(rb) * (Real(xa) - xb) / (Real(ra) - rb));
        h = float(h * OneThird);
    }
}

// March upward from x in steps of h; a residual that does not fall at the first step, or that changes
// sign, starts the march again from the last point before it with a third of the step. Gives up with
// FallbackValue (reported as found) at the start after MaxDepth, or beyond UpperLimit.
TAbstractIterativeIndex::SearchEnd TAbstractIterativeIndex::ForwardSearch(Search& search, float x,
                                                                          float h) const noexcept
{
    const SearchEnd giveUp{true, FallbackValue, NoValue};
    for (;; h = float(h * OneThird)) {
        if (search.Depth++ > MaxDepth)
            return giveUp;
        float xa = x, ra = NoValue, xb = xa + h, rb = NoValue;
        if (const auto end = Evaluate(search, xa, ra))
            return *end;
        if (const auto end = Evaluate(search, xb, rb))
            return *end;
        if (std::fabs(ra) <= std::fabs(rb))
            continue;
        while (!SignChanges(ra, rb)) {
            xa = xb;
            ra = rb;
            xb = xb + h;
            if (xb > UpperLimit)
                return giveUp;
            if (const auto end = Evaluate(search, xb, rb))
                return *end;
        }
        x = xa;
    }
}

TData_STE::TData_STE(const DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 30.0f, 15.0f, false, 3.0f, NoValue, NoValue)
{ }

void TData_STE::AdjustResult(float&, float&) const
{ }

float TData_STE::Residual(EvaluationState& row, WhatIf& whatIf, float x) const
{
    whatIf.ClearComputed();
    whatIf.Override(kind::Ts, x);
    whatIf.Override(kind::Icl, Kind(kind::Icl).DefaultValue);
    whatIf.Override(kind::M, Kind(kind::M).DefaultValue);
    return row.Input(kind::mS);
}

TData_ECI::TData_ECI(const DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 0.00001f, 1.0f, true, 3.0f, -1.0f, 50.0f)
{ }

void TData_ECI::AdjustResult(float& x, float& r) const
{
    if (x != NoValue && x < 0) {
        x = -1;
        r = NoValue;
    }
}

float TData_ECI::Residual(EvaluationState& row, WhatIf& whatIf, float x) const
{
    whatIf.ClearComputed();
    whatIf.Override(kind::Icl, x);
    whatIf.Override(kind::Ts, Kind(kind::Ts).DefaultValue);
    whatIf.Override(kind::M, Kind(kind::M).DefaultValue);
    return row.Input(kind::mS);
}
