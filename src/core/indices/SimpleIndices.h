#pragma once

// The closed-form thermal indices: clothing, effective temperatures, enthalpy, wind chill, Humidex,
// cooling power, WBGT, heart rates, subjective temperature, predicted mean vote, and the regression
// estimates of heat-balance terms from weather data alone. Each formula obtains its inputs in a fixed
// order and gives NoValue as soon as one is missing, and wherever its result would not be a finite
// number; units and references are given with each formula.

#include "core/indices/Formula.h"

SALVENTO_FORMULA_KIND(TData_Icl);
SALVENTO_FORMULA_KIND(TData_Tek);
SALVENTO_FORMULA_KIND(TData_TE);
SALVENTO_FORMULA_KIND(TData_TRE);
SALVENTO_FORMULA_KIND(TData_i);
SALVENTO_FORMULA_KIND(TData_SB);
SALVENTO_FORMULA_KIND(TData_WCI);
SALVENTO_FORMULA_KIND(TData_WCT);
SALVENTO_FORMULA_KIND(TData_Humidex);
SALVENTO_FORMULA_KIND(TData_H);
SALVENTO_FORMULA_KIND(TData_WBGT);
SALVENTO_FORMULA_KIND(TData_MHR);
SALVENTO_FORMULA_KIND(TData_SST);
SALVENTO_FORMULA_KIND(TData_Iclp);
SALVENTO_FORMULA_KIND(TData_pC);
SALVENTO_FORMULA_KIND(TData_pL);
SALVENTO_FORMULA_KIND(TData_pE);
SALVENTO_FORMULA_KIND(TData_pRes);
SALVENTO_FORMULA_KIND(TData_pPhS);
SALVENTO_FORMULA_KIND(TData_pHSI);
SALVENTO_FORMULA_KIND(TData_pSTI);
SALVENTO_FORMULA_KIND(TData_pHL);
SALVENTO_FORMULA_KIND(TData_PMV);

// Heart rate [beats/min]; a value below 60 is shown as "normal" (translated), a missing one as empty.
class TData_HR : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float Compute(EvaluationState& row) const override;
    ShownText FormatValue(float value) const override;
};
