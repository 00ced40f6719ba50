#pragma once

// Indices defined implicitly, as the value of one input at which the net heat storage comes close
// enough to zero: the balancing skin temperature STE and the balancing clothing insulation ECI,
// found by a root search over repeated what-if evaluations.

#include "core/indices/Formula.h"

#include <optional>

// A kind whose value is the point where its Residual comes within Tolerance of zero. Compute runs
// the search inside one what-if evaluation, so the row holds the same values afterwards; while the
// kind is Marked it returns the residual at its own DefaultValue instead, without searching.
class TAbstractIterativeIndex : public TAbstractData
{
public:
    TAbstractIterativeIndex(DataManager& owner, QString shortName, int id, float startValue, float step, bool method,
                            float tolerance, float fallbackValue, float upperLimit);
    // The point found, or FallbackValue when the forward search gives up, as AdjustResult leaves it;
    // NoValue when a residual is missing or raises an error, or when the march and secant search has
    // not ended after 200 residuals. While Marked: the residual at DefaultValue (NoValue on an error).
    float Compute() override;

    // May change the found point and its residual after the search (NoValue both when none was found).
    virtual void AdjustResult(float& x, float& r) = 0;
    // The residual at the trial value x, computed with ClearComputed and Override during Compute;
    // NoValue when it cannot be computed.
    virtual float Residual(float x) = 0;

    const float StartValue;
    const float Step;
    const float Tolerance;
    const float FallbackValue;
    const float UpperLimit;
    const bool Method;   // false: march and secant search; true: bounded forward search
    int Depth = 0;
    const int MaxDepth = 8;

protected:
    // For Residual, during Compute only: every computed kind not taken from a source is missing
    // again.
    void ClearComputed();
    // For Residual, during Compute only: writes the value into the kind's Value, bypassing GetValue;
    // the row gets its own value back when Compute ends.
    void Override(int id, float value);

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

    // The residual at x; NoValue when computing it raises an error.
    float GuardedResidual(float x) noexcept;
    // The residual at x in r; the end of the search when r is missing or within the tolerance.
    std::optional<SearchEnd> Evaluate(float x, float& r) noexcept;
    SearchEnd SecantSearch(float x, float h) noexcept;
    SearchEnd ForwardSearch(float x, float h) noexcept;

    std::optional<WhatIf> m_whatIf;   // the what-if evaluation of the Compute in progress
};

// Skin temperature [°C] at which the heat budget balances under the configured clothing and
// activity (the DefaultValues of Icl and M).
class TData_STE : public TAbstractIterativeIndex
{
public:
    TData_STE(DataManager& owner, QString shortName, int id);
    void AdjustResult(float& x, float& r) override;
    // mS with Ts = x, Icl and M at their DefaultValues.
    float Residual(float x) override;
};

// Clothing insulation [clo] at which the heat budget balances under the configured skin temperature
// and activity (the DefaultValues of Ts and M); −1 when none up to 50 clo does.
class TData_ECI : public TAbstractIterativeIndex
{
public:
    TData_ECI(DataManager& owner, QString shortName, int id);
    // A negative insulation found is reported as −1, without a residual.
    void AdjustResult(float& x, float& r) override;
    // mS with Icl = x, Ts and M at their DefaultValues.
    float Residual(float x) override;
};
