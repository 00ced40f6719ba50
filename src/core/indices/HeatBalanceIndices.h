#pragma once

// Indices built on the heat balance: required sweat rate, heat stress index, sweat rate at a dry
// reference and the dehydration risk classes, heat load, physiological strain, subjective
// temperatures, the storage under the adapted skin temperature, the balance at standard activity
// and clothing, and the permissible exposure times.

#include "core/indices/Formula.h"

#include <optional>

// Each kind gives no value when an input is missing or its result is not a finite number.
// SWreq [W/m²]; HSI [%]; the dehydration risk classes DhRa (acclimatised) and DhRna (not
// acclimatised), 0…2 from SW; PhS (convection over evaporation); HL (heat load); STI [°C].
SALVENTO_FORMULA_KIND(TData_SWreq);
SALVENTO_FORMULA_KIND(TData_HSI);
SALVENTO_FORMULA_KIND(TData_DhRa);
SALVENTO_FORMULA_KIND(TData_DhRna);
SALVENTO_FORMULA_KIND(TData_PhS);
SALVENTO_FORMULA_KIND(TData_HL);
SALVENTO_FORMULA_KIND(TData_STI);

// What-if evaluations: each re-evaluates the balance of the current row under changed inputs and
// leaves every kind of the row holding the value it held before, on every path.
// SW: the sweat rate the row's body would lose at 5 % relative humidity (−2.6 times the
// evaporative exchange [W/m²] there).
// PSI [W/m²]: the net storage at the configured defaults of M, Icl and Ts.
SALVENTO_FORMULA_KIND(TData_SW);
SALVENTO_FORMULA_KIND(TData_PSI);

// The heat balance of the row evaluated again under the skin temperature adapted to sweating
// (never below 22 °C); shared by PST and mS_w.
class TAdaptedSkinBalance : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;

protected:
    struct Balance
    {
        Real Surface;   // temperature of the clothing surface Tsf [°C]
        Real Storage;   // net heat storage S [W/m²]
    };
    // Nothing when an input is missing. The row's own terms are obtained (and kept) as usual; what
    // the adapted evaluation computes is discarded on every path. `windInConvection`: whether the
    // convective term carries the wind factor d.
    std::optional<Balance> Evaluate(EvaluationState& row, bool windInConvection) const;
};

// PST [°C]: the physiological subjective temperature; mS_w [W/m²]: the net heat storage under
// the adapted skin temperature.
class TData_PST : public TAdaptedSkinBalance
{
public:
    using TAdaptedSkinBalance::TAdaptedSkinBalance;
    float Compute(EvaluationState& row) const override;
};

class TData_mS_w : public TAdaptedSkinBalance
{
public:
    using TAdaptedSkinBalance::TAdaptedSkinBalance;
    float Compute(EvaluationState& row) const override;
};

// A permissible exposure time [min]: Oh_W while the body gains heat under the adapted skin
// temperature, Oc_W while it loses heat, Oh_H and Oc_H twice as long. A negative time means no
// limit and is shown as a text; a missing one is shown as an empty text.
class TExposureTime : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    ShownText FormatValue(float value) const override;
};

// NOLINTBEGIN(bugprone-macro-parentheses): the argument names the class, which takes no parentheses
#define SALVENTO_EXPOSURE_KIND(Class)                                                                                  \
    class Class : public TExposureTime                                                                                 \
    {                                                                                                                  \
    public:                                                                                                            \
        using TExposureTime::TExposureTime;                                                                            \
        float Compute(EvaluationState& row) const override;                                                            \
    }
// NOLINTEND(bugprone-macro-parentheses)

SALVENTO_EXPOSURE_KIND(TData_Oh_W);
SALVENTO_EXPOSURE_KIND(TData_Oh_H);
SALVENTO_EXPOSURE_KIND(TData_Oc_W);
SALVENTO_EXPOSURE_KIND(TData_Oc_H);
