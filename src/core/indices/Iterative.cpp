#include "core/indices/Iterative.h"

#include <cassert>
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

TAbstractIterativeIndex::TAbstractIterativeIndex(DataManager& owner, QString shortName, int id, float startValue,
                                                 float step, bool method, float tolerance, float fallbackValue,
                                                 float upperLimit)
    : TAbstractData(owner, std::move(shortName), id, false), StartValue(startValue), Step(step), Tolerance(tolerance),
      FallbackValue(fallbackValue), UpperLimit(upperLimit), Method(method)
{ }

float TAbstractIterativeIndex::Compute()
{
    m_whatIf.emplace(Owner);
    if (Marked) {
        // The computability analysis asks only whether the residual can be computed at all.
        const float r = GuardedResidual(DefaultValue);
        m_whatIf.reset();
        return r;
    }
    Depth = 1;
    SearchEnd end = Method ? ForwardSearch(StartValue, Step) : SecantSearch(StartValue, Step);
    m_whatIf.reset();
    AdjustResult(end.X, end.R);
    return end.Found ? end.X : NoValue;
}

void TAbstractIterativeIndex::ClearComputed()
{
    assert(m_whatIf);
    m_whatIf->ClearComputed();
}

void TAbstractIterativeIndex::Override(int id, float value)
{
    assert(m_whatIf);
    m_whatIf->Override(id, value);
}

float TAbstractIterativeIndex::GuardedResidual(float x) noexcept
{
    try {
        return Residual(x);
    } catch (...) {
        return NoValue;   // a fault while computing the balance ends the search without a result
    }
}

std::optional<TAbstractIterativeIndex::SearchEnd> TAbstractIterativeIndex::Evaluate(float x, float& r) noexcept
{
    r = GuardedResidual(x);
    if (r == NoValue)
        return SearchEnd{};
    if (std::fabs(r) <= Tolerance)
        return SearchEnd{true, x, r};
    return std::nullopt;
}

// March from x in steps of h, downhill in the absolute residual, until the residual changes sign;
// then start again from the secant's zero with a third of the step.
TAbstractIterativeIndex::SearchEnd TAbstractIterativeIndex::SecantSearch(float x, float h) noexcept
{
    int evaluations = 0;
    const auto evaluate = [&](float at, float& r) -> std::optional<SearchEnd> {
        if (evaluations++ == MaxSecantEvaluations)
            return SearchEnd{};
        return Evaluate(at, r);
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
TAbstractIterativeIndex::SearchEnd TAbstractIterativeIndex::ForwardSearch(float x, float h) noexcept
{
    const SearchEnd giveUp{true, FallbackValue, NoValue};
    for (;; h = float(h * OneThird)) {
        if (Depth++ > MaxDepth)
            return giveUp;
        float xa = x, ra = NoValue, xb = xa + h, rb = NoValue;
        if (const auto end = Evaluate(xa, ra))
            return *end;
        if (const auto end = Evaluate(xb, rb))
            return *end;
        if (std::fabs(ra) <= std::fabs(rb))
            continue;
        while (!SignChanges(ra, rb)) {
            xa = xb;
            ra = rb;
            xb = xb + h;
            if (xb > UpperLimit)
                return giveUp;
            if (const auto end = Evaluate(xb, rb))
                return *end;
        }
        x = xa;
    }
}

TData_STE::TData_STE(DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 30.0f, 15.0f, false, 3.0f, NoValue, NoValue)
{ }

void TData_STE::AdjustResult(float&, float&)
{ }

float TData_STE::Residual(float x)
{
    ClearComputed();
    Override(kind::Ts, x);
    Override(kind::Icl, Kind(kind::Icl).DefaultValue);
    Override(kind::M, Kind(kind::M).DefaultValue);
    return Input(kind::mS);
}

TData_ECI::TData_ECI(DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 0.00001f, 1.0f, true, 3.0f, -1.0f, 50.0f)
{ }

void TData_ECI::AdjustResult(float& x, float& r)
{
    if (x != NoValue && x < 0) {
        x = -1;
        r = NoValue;
    }
}

float TData_ECI::Residual(float x)
{
    ClearComputed();
    Override(kind::Icl, x);
    Override(kind::Ts, Kind(kind::Ts).DefaultValue);
    Override(kind::M, Kind(kind::M).DefaultValue);
    return Input(kind::mS);
}
