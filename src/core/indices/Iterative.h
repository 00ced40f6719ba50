#pragma once

// Indices defined implicitly, as the value of one input at which the net heat storage comes close
// enough to zero: the balancing skin temperature STE and the balancing clothing insulation ECI,
// found by a root search over repeated what-if evaluations.

#include "indices/Formula.h"

class TAbstractIterativeIndex : public TAbstractData
{
public:
    TAbstractIterativeIndex(DataManager& owner, QString shortName, int id, float startValue, float step, bool method,
                            float tolerance, float fallbackValue, float upperLimit);
    float Compute() override;

    // May change the found point and its residual after the search.
    virtual void AdjustResult(float& x, float& r) = 0;
    // The residual at the trial value x (a what-if evaluation); NoValue when it cannot be computed.
    virtual float Residual(float x) = 0;

    const float StartValue;
    const float Step;
    const float Tolerance;
    const float FallbackValue;
    const float UpperLimit;
    const bool Method;   // false: march and secant search; true: bounded forward search
    int Depth = 0;
    const int MaxDepth = 8;
};

class TData_STE : public TAbstractIterativeIndex
{
public:
    TData_STE(DataManager& owner, QString shortName, int id);
    void AdjustResult(float& x, float& r) override;
    float Residual(float x) override;
};

class TData_ECI : public TAbstractIterativeIndex
{
public:
    TData_ECI(DataManager& owner, QString shortName, int id);
    void AdjustResult(float& x, float& r) override;
    float Residual(float x) override;
};
