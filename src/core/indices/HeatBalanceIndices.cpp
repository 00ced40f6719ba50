#include "core/indices/HeatBalanceIndices.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Evaporative heat exchange [W/m²] with the vapour pressure `e` of the air: diffusion and sweat
// through the skin, seven tenths for women (sex = 1).
Real Evaporation(Real sex, Real m, Real e, Real esk, Real d, Real w, Real he, Real ie)
{
    const Real evaporation = he * d * (e - esk) * w * ie - 0.42 * (m - 58) + 5.04;
    return sex == 1 ? 0.7 * evaporation : evaporation;
}

}   // namespace

// Sweat rate required for balance [W/m²]: the required evaporation over the evaporative efficiency
// of sweat at the wetted skin fraction.
float TData_SWreq::Compute(EvaluationState& row) const
{
    const Real w = row.Input(kind::w);   // wetted skin fraction
    if (w == NoValue)
        return NoValue;
    const Real ereq = row.Input(kind::Ereq);   // required evaporation [W/m²]
    if (ereq == NoValue)
        return NoValue;
    return Result(ereq / (1 - 0.5 * w * w));
}

// Heat stress index [%] (Belding & Hatch 1955): the required evaporation as a share of the most
// the air can take up, less for clothed bodies (Icl ≥ 0.5). No value when the air takes up nothing.
float TData_HSI::Compute(EvaluationState& row) const
{
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    const Real icl = row.Input(kind::Icl);   // clothing insulation [clo]
    if (icl == NoValue)
        return NoValue;
    const Real ereq = row.Input(kind::Ereq);   // required evaporation [W/m²]
    if (ereq == NoValue)
        return NoValue;
    const Real emax = (icl >= 0.5 ? 7.0 : 11.7) * Pow(v, 0.6) * (56 - e);
    return Result(ereq / emax * 100);
}

// Dehydration risk of an acclimatised person: 0 below 780, 1 up to 1040, 2 above.
float TData_DhRa::Compute(EvaluationState& row) const
{
    const Real sw = row.Input(kind::SW);   // sweat rate at 5 % relative humidity
    if (sw == NoValue)
        return NoValue;
    return sw < 780 ? 0.0f : sw <= 1040 ? 1.0f : 2.0f;
}

// Dehydration risk of a person not acclimatised: 0 below 520, 1 up to 650, 2 above.
float TData_DhRna::Compute(EvaluationState& row) const
{
    const Real sw = row.Input(kind::SW);   // sweat rate at 5 % relative humidity
    if (sw == NoValue)
        return NoValue;
    return sw < 520 ? 0.0f : sw <= 650 ? 1.0f : 2.0f;
}

// Physiological strain: convective over evaporative exchange; no value without evaporation.
float TData_PhS::Compute(EvaluationState& row) const
{
    const Real mc = row.Input(kind::mC);   // convection [W/m²]
    if (mc == NoValue)
        return NoValue;
    const Real me = row.Input(kind::mE);   // evaporation [W/m²]
    if (me == NoValue || me == 0)
        return NoValue;
    return Result(mc / me);
}

// Heat load: the storage mapped onto 0 (a loss of 1000 W/m² or more) … 1 (balance) and above,
// steeper with more absorbed radiation, raised by evaporation beyond 50 W/m².
float TData_HL::Compute(EvaluationState& row) const
{
    const Real mr = row.Input(kind::mR);   // absorbed solar radiation [W/m²]
    if (mr == NoValue)
        return NoValue;
    const Real me = row.Input(kind::mE);   // evaporation [W/m²]
    if (me == NoValue)
        return NoValue;
    const Real ms = row.Input(kind::mS);   // net heat storage [W/m²]
    if (ms == NoValue)
        return NoValue;
    const Real r = mr < 0 ? 0 : mr;
    const Real x = ((ms > -1000 ? ms : -1000) + 1000) * 0.001L;
    const Real load = ms < 0 ? Pow(x, 5 / (1 + r)) : Pow(x, 2 - 1 / (1 + r));
    return Result(me < -50 ? load * (-0.02L * me) : load);
}

// Subjective temperature index [°C]: the mean radiant temperature shifted by the warming of a
// surface at 0 °C whose emission grows by storage^0.75 (the storage cut to whole W/m²).
float TData_STI::Compute(EvaluationState& row) const
{
    const Real ms = row.Input(kind::mS);   // net heat storage [W/m²]
    if (ms == NoValue)
        return NoValue;
    const Real mrt = row.Input(kind::Mrt);   // mean radiant temperature [°C]
    if (mrt == NoValue)
        return NoValue;
    const Real k = std::fabs(std::trunc(ms));
    const Real shift = Pow(Pow(KelvinOffset, 4) + Pow(k, 0.75) * InverseSigmaEpsilonSti, 0.25) - KelvinOffset;
    return Result(ms < 0 ? mrt - shift : mrt + shift);
}

// Sweat rate the row's body would lose if the air held 5 % relative humidity: −2.6 times the
// evaporative exchange [W/m²] at that humidity. The
// vapour pressure at 5 % comes from the formula of e with f set to 5; everything else is the
// row's own balance, recomputed from its own humidity.
float TData_SW::Compute(EvaluationState& row) const
{
    WhatIf whatIf(row);   // the snapshot puts f and e back as well
    whatIf.ClearComputed();
    const float sourceF = row.Stored(kind::f);   // humidity a source gave, else missing
    const float sourceE = row.Stored(kind::e);
    whatIf.Override(kind::f, 5.0f);
    whatIf.Override(kind::e, NoValue);
    const Real e5 = row.Input(kind::e);   // vapour pressure at 5 % relative humidity [hPa]
    whatIf.Override(kind::f, sourceF);
    whatIf.Override(kind::e, sourceE);
    // Every input is obtained, even after a missing one.
    const Real sex = row.Input(kind::sex);   // 0 man, 1 woman
    const Real m = row.Input(kind::M);       // metabolic rate [W/m²]
    row.Input(kind::Ts);                     // skin temperature, carried by esk and w
    const Real esk = row.Input(kind::esk);   // vapour pressure at the skin [hPa]
    const Real d = row.Input(kind::d);       // wind factor
    const Real w = row.Input(kind::w);       // wetted skin fraction
    const Real he = row.Input(kind::he);     // evaporative coefficient
    const Real ie = row.Input(kind::Ie);     // permeation efficiency, evaporation
    for (const Real value : {e5, he, d, esk, w, ie, m, sex}) {
        if (value == NoValue)
            return NoValue;
    }
    return Result(-2.6 * Evaporation(sex, m, e5, esk, d, w, he, ie));
}

// The row's balance obtained as it is, then evaluated again with the skin temperature lowered by
// the sweat beyond 50 W/m² of evaporation (0.066 K per W/m²) and held at 22 °C at least. The
// clothing surface temperature follows from the radiation the surface absorbs and half the skin's
// emission; the air at that surface holds the row's relative humidity.
std::optional<TAdaptedSkinBalance::Balance> TAdaptedSkinBalance::Evaluate(EvaluationState& row,
                                                                          bool windInConvection) const
{
    bool known = true;
    const auto next = [&row, &known](int id) {   // obtained in order up to the first missing one
        const Real value = known ? Real(row.Input(id)) : Real(NoValue);
        known = value != NoValue;
        return value;
    };
    const Real f = next(kind::f);         // relative humidity [%]
    const Real m = next(kind::M);         // metabolic rate [W/m²]
    const Real mr = next(kind::mR);       // absorbed solar radiation [W/m²]
    const Real me = next(kind::mE);       // evaporation [W/m²]
    const Real mres = next(kind::mRes);   // respiration [W/m²]
    const Real lgla = next(kind::LgLa);   // long-wave radiation of ground and atmosphere [W/m²]
    const Real ts = next(kind::Ts);       // skin temperature [°C]
    const Real hc = next(kind::hc);       // convective coefficient
    const Real he = next(kind::he);       // evaporative coefficient
    const Real ie = next(kind::Ie);       // permeation efficiency, evaporation
    const Real d = next(kind::d);         // wind factor
    next(kind::dprim);                    // required, though carried only by Ie and Irc
    const Real irc = next(kind::Irc);     // permeation efficiency, convection and radiation
    if (!known)
        return std::nullopt;

    WhatIf whatIf(row);
    whatIf.ClearComputed();
    const Real sweat = me < -50 ? 0.066 * (me + 50) : 0;
    const Real adapted = ts + sweat > 22 ? ts + sweat : 22;   // adapted skin temperature [°C]
    whatIf.Override(kind::Ts, float(adapted));
    const Real ls = next(kind::Ls);     // long-wave emission of the skin [W/m²]
    const Real esk = next(kind::esk);   // vapour pressure at the skin [hPa]
    const Real w = next(kind::w);       // wetted skin fraction
    const Real ml = next(kind::mL);     // long-wave exchange [W/m²]
    if (!known)
        return std::nullopt;

    const Real surface = Pow((lgla * irc + mr + 0.5 * ls) / SigmaEpsilonSurface, 0.25) - KelvinOffset;
    const Real esf = SaturationVapourPressure(surface) * f * 0.01L;   // vapour pressure at the surface [hPa]
    const Real evaporation = he * d * (esf - esk) * w * ie - (0.42 * (m - 58) - 5.04);
    const Real convection = windInConvection ? hc * d * (surface - adapted) * irc : (surface - adapted) * hc * irc;
    return Balance{surface, m + mr + ml + evaporation + convection + mres};
}

// Physiological subjective temperature [°C]: the clothing surface temperature shifted by the
// temperature difference that radiates the storage under the adapted skin temperature.
float TData_PST::Compute(EvaluationState& row) const
{
    const std::optional<Balance> balance = Evaluate(row, true);
    if (!balance)
        return NoValue;
    const Real s = balance->Storage;
    const Real shift = Pow(Pow(KelvinOffset, 4) + Pow(std::fabs(s), 0.75) / SigmaEpsilonSurface, 0.25) - KelvinOffset;
    return Result(s < 0 ? balance->Surface - shift : balance->Surface + shift);
}

// Net heat storage under the adapted skin temperature [W/m²]; its convection has no wind factor.
float TData_mS_w::Compute(EvaluationState& row) const
{
    const std::optional<Balance> balance = Evaluate(row, false);
    return balance ? Result(balance->Storage) : NoValue;
}

// Net heat storage at standard activity, clothing and skin temperature [W/m²]: the balance of the
// row evaluated with M, Icl and Ts at their configured defaults. A kind without a default is left
// to its own formula (M then has no value and neither has the index).
float TData_PSI::Compute(EvaluationState& row) const
{
    const Real md = Kind(kind::M).DefaultValue;   // standard metabolic rate [W/m²]
    WhatIf whatIf(row);
    whatIf.ClearComputed();
    for (const int id : {kind::M, kind::Icl, kind::Ts})
        whatIf.Override(id, Kind(id).DefaultValue);
    // Every term is obtained, even after a missing one.
    const Real mr = row.Input(kind::mR);       // absorbed solar radiation [W/m²]
    const Real mc = row.Input(kind::mC);       // convection [W/m²]
    const Real me = row.Input(kind::mE);       // evaporation [W/m²]
    const Real ml = row.Input(kind::mL);       // long-wave exchange [W/m²]
    const Real mres = row.Input(kind::mRes);   // respiration [W/m²]
    // The default itself is checked too: terms taken from source columns need no M.
    for (const Real value : {md, mr, mc, me, ml, mres}) {
        if (value == NoValue)
            return NoValue;
    }
    return Result(md + mr + mc + me + ml + mres);
}

// Exposure time while the body gains heat [min]: none (−1) when it loses heat under the adapted
// skin temperature; 0, never negative, once 20·|mS| reaches 9375. No value when the adapted storage
// is exactly 0.
float TData_Oh_W::Compute(EvaluationState& row) const
{
    const Real msw = row.Input(kind::mS_w);   // net storage under the adapted skin temperature [W/m²]
    if (msw == NoValue)
        return NoValue;
    if (msw < 0)
        return -1.0f;
    const Real ms = row.Input(kind::mS);   // net heat storage [W/m²]
    if (ms == NoValue)
        return NoValue;
    return Result(std::max<Real>(9375 - 20 * std::fabs(ms), 0) / std::fabs(msw));
}

float TData_Oh_H::Compute(EvaluationState& row) const
{
    const Real ohw = row.Input(kind::Oh_W);   // exposure time while gaining heat [min]
    if (ohw == NoValue)
        return NoValue;
    return Result(2 * ohw);
}

// Exposure time while the body loses heat [min]: none (−1) when it gains heat or is in balance
// under the adapted skin temperature; 0, never negative, once 20·|mS| reaches 18750.
float TData_Oc_W::Compute(EvaluationState& row) const
{
    const Real msw = row.Input(kind::mS_w);   // net storage under the adapted skin temperature [W/m²]
    if (msw == NoValue)
        return NoValue;
    if (msw >= 0)
        return -1.0f;
    const Real ms = row.Input(kind::mS);   // net heat storage [W/m²]
    if (ms == NoValue)
        return NoValue;
    return Result(std::max<Real>(18750 - 20 * std::fabs(ms), 0) / std::fabs(msw));
}

float TData_Oc_H::Compute(EvaluationState& row) const
{
    const Real ocw = row.Input(kind::Oc_W);   // exposure time while losing heat [min]
    if (ocw == NoValue)
        return NoValue;
    return Result(2 * ocw);
}

ShownText TExposureTime::FormatValue(float value) const
{
    if (value != NoValue && value < 0)
        return ShownText::Text(QCoreApplication::translate("TExposureTime", "bez ograniczeń"));
    return TAbstractData::FormatValue(value);
}
