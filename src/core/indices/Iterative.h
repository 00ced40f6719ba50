#pragma once

// Indices defined implicitly, as the value of one input at which the net heat storage comes close
// enough to zero: the balancing skin temperature STE and the balancing clothing insulation ECI,
// found by a root search over repeated what-if evaluations.

#include "core/indices/Formula.h"

#include <optional>

// A kind whose value is the point where its Residual comes within Tolerance of zero. Compute runs
// the search inside one what-if evaluation, so the row holds the same values afterwards; while the
// kind is judged by the computability trial it returns the residual at its own DefaultValue
// instead, without searching.
class TAbstractIterativeIndex : public TAbstractData
{
public:
    TAbstractIterativeIndex(const DataManager& owner, QString shortName, int id, float startValue, float step,
                            bool method, float tolerance, float fallbackValue, float upperLimit);
    // The point found, or FallbackValue when the forward search gives up, as AdjustResult leaves it;
    // NoValue when a residual is missing or raises an error, or when the march and secant search has
    // not ended after 200 residuals. In the trial: the residual at DefaultValue (NoValue on an error).
    float Compute(EvaluationState& row) const override;

    // May change the found point and its residual after the search (NoValue both when none was found).
    virtual void AdjustResult(float& x, float& r) const = 0;
    // The residual at the trial value x, computed in `row` after `whatIf` cleared what was computed
    // and overrode the kinds x stands for; NoValue when it cannot be computed.
    virtual float Residual(EvaluationState& row, WhatIf& whatIf, float x) const = 0;

    const float StartValue;
    const float Step;
    const float Tolerance;
    const float FallbackValue;
    const float UpperLimit;
    const bool Method;   // false: march and secant search; true: bounded forward search
    const int MaxDepth = 8;

private:
    // The march and secant search gives up with NoValue when this many residuals have not ended it.
    static constexpr int MaxSecantEvaluations = 200;

    // How a search ends: the point found and its residual, or nothing found (both NoValue).
    struct SearchEnd
    {
        bool Found = false;
        float X = NoValue;
        float R = NoValue;
    };
    // One search in progress: the row it evaluates, its what-if evaluation and how often the
    // forward search has started again.
    struct Search
    {
        EvaluationState& Row;
        WhatIf& Trial;
        int Depth = 0;
    };

    // The residual at x; NoValue when computing it raises an error.
    float GuardedResidual(Search& search, float x) const noexcept;
    // The residual at x in r; the end of the search when r is missing or within the tolerance.
    std::optional<SearchEnd> Evaluate(Search& search, float x, float& r) const noexcept;
    SearchEnd SecantSearch(Search& search, float x, float h) const noexcept;
    SearchEnd ForwardSearch(Search& search, float x, float h) const noexcept;
};

// Skin temperature [°C] at which the heat budget balances under the configured clothing and
// activity (the DefaultValues of Icl and M).
class TData_STE : public TAbstractIterativeIndex
{
public:
    TData_STE(const DataManager& owner, QString shortName, int id);
    void AdjustResult(float& x, float& r) const override;
    // mS with Ts = x, Icl and M at their DefaultValues.
    float Residual(EvaluationState& row, WhatIf& whatIf, float x) const override;
};

// Clothing insulation [clo] at which the heat budget balances under the configured skin temperature
// and activity (the DefaultValues of Ts and M); −1 when none up to 50 clo does.
class TData_ECI : public TAbstractIterativeIndex
{
public:
    TData_ECI(const DataManager& owner, QString shortName, int id);
    // A negative insulation found is reported as −1, without a residual.
    void AdjustResult(float& x, float& r) const override;
    // mS with Icl = x, Ts and M at their DefaultValues.
    float Residual(EvaluationState& row, WhatIf& whatIf, float x) const override;
};
