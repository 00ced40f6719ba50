#include "indices/Iterative.h"

TAbstractIterativeIndex::TAbstractIterativeIndex(DataManager& owner, QString shortName, int id, float startValue,
                                                 float step, bool method, float tolerance, float fallbackValue,
                                                 float upperLimit)
    : TAbstractData(owner, std::move(shortName), id, false),
      StartValue(startValue),
      Step(step),
      Tolerance(tolerance),
      FallbackValue(fallbackValue),
      UpperLimit(upperLimit),
      Method(method)
{
}

float TAbstractIterativeIndex::Compute()
{
    return NoValue;
}

TData_STE::TData_STE(DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 30.0f, 15.0f, false, 3.0f, NoValue, NoValue)
{
}

void TData_STE::AdjustResult(float&, float&) {}

float TData_STE::Residual(float)
{
    return NoValue;
}

TData_ECI::TData_ECI(DataManager& owner, QString shortName, int id)
    : TAbstractIterativeIndex(owner, std::move(shortName), id, 0.00001f, 1.0f, true, 3.0f, -1.0f, 50.0f)
{
}

void TData_ECI::AdjustResult(float&, float&) {}

float TData_ECI::Residual(float)
{
    return NoValue;
}
