#include "core/indices/HeatBalance.h"

#include <algorithm>

// Convective heat transfer coefficient before the wind factor [W/(m²·K)], from the density of air.
float TData_hc::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real p = row.Input(kind::p);   // air pressure [hPa]
    if (p == NoValue)
        return NoValue;
    return Result(0.013 * p - 0.04 * t - 0.503);
}

// Evaporative heat transfer coefficient before the wind factor [W/(m²·hPa)].
float TData_he::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real p = row.Input(kind::p);   // air pressure [hPa]
    if (p == NoValue)
        return NoValue;
    return Result(t * (6e-5 * t - 2e-5 * p + 0.011) + 0.02 * p - 0.773);
}

// Wind factor of the transfer coefficients: the square root of the relative air speed [√(m/s)].
float TData_d::Compute(EvaluationState& row) const
{
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real vprim = row.Input(kind::vprim);   // speed of the person's own motion [m/s]
    if (vprim == NoValue)
        return NoValue;
    return Result(Sqrt(v + vprim));
}

// Insulation of the clothing reduced by the air moving through it. The lower bound 0.2 m/s never
// acts after the wind floor; no clothing (Icl = 0) divides by zero and gives no value.
float TData_dprim::Compute(EvaluationState& row) const
{
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real vprim = row.Input(kind::vprim);   // speed of the person's own motion [m/s]
    if (vprim == NoValue)
        return NoValue;
    const Real icl = row.Input(kind::Icl);   // clothing insulation [clo]
    if (icl == NoValue)
        return NoValue;
    const Real air = std::max(v, Real(0.2)) + vprim;
    return Result(0.53 / (icl * (1 - 0.27 * Exp(0.4 * Ln(air)))));
}

// Radiative heat transfer coefficient [W/(m²·K)], linearised around the air temperature.
float TData_T3::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    return Result(0.056 * t + 4.48);
}

// Permeation efficiency of the clothing for evaporation: dprim / (dprim + d). Without convection
// (hc = 0) the quotient is 0/0 and gives no value.
float TData_Ie::Compute(EvaluationState& row) const
{
    const Real hc = row.Input(kind::hc);   // convective coefficient
    if (hc == NoValue)
        return NoValue;
    const Real dprim = row.Input(kind::dprim);   // clothing insulation under wind
    if (dprim == NoValue)
        return NoValue;
    const Real d = row.Input(kind::d);   // wind factor
    if (d == NoValue)
        return NoValue;
    return Result((hc * dprim) / ((dprim + d) * hc));
}

// Permeation efficiency of the clothing for convection and radiation: dprim / (dprim + d + T3/hc).
// Without convection (hc = 0) nothing passes: 0.
float TData_Irc::Compute(EvaluationState& row) const
{
    const Real hc = row.Input(kind::hc);   // convective coefficient
    if (hc == NoValue)
        return NoValue;
    const Real dprim = row.Input(kind::dprim);   // clothing insulation under wind
    if (dprim == NoValue)
        return NoValue;
    const Real d = row.Input(kind::d);   // wind factor
    if (d == NoValue)
        return NoValue;
    const Real t3 = row.Input(kind::T3);   // radiative coefficient
    if (t3 == NoValue)
        return NoValue;
    return Result((hc * dprim) / (hc * dprim + hc * d + t3));
}

// Mean skin temperature [°C], a regression on the weather, the clothing and the activity.
float TData_Ts::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real f = row.Input(kind::f);   // relative humidity [%]
    if (f == NoValue)
        return NoValue;
    const Real icl = row.Input(kind::Icl);   // clothing insulation [clo]
    if (icl == NoValue)
        return NoValue;
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real mrt = row.Input(kind::Mrt);   // mean radiant temperature [°C]
    if (mrt == NoValue)
        return NoValue;
    return Result(26.4 + 0.02138 * mrt + 0.2095 * t - 0.0185 * f - 0.009 * v + 0.6 * (icl - 1) + 0.00128 * m);
}

// Fraction of the skin wetted by sweat: a trace below 22 °C of skin temperature, all of it above 36.5 °C.
float TData_w::Compute(EvaluationState& row) const
{
    const Real ts = row.Input(kind::Ts);   // skin temperature [°C]
    if (ts == NoValue)
        return NoValue;
    if (ts < 22)
        return 0.002f;
    if (ts > 36.5)
        return 1.0f;
    return Result(1.031 / (37.5 - ts) - 0.065);
}

// Saturation vapour pressure at the skin [hPa].
float TData_esk::Compute(EvaluationState& row) const
{
    const Real ts = row.Input(kind::Ts);   // skin temperature [°C]
    if (ts == NoValue)
        return NoValue;
    return Result(Exp(0.058 * ts + 2.003));
}

// Long-wave emission of the skin [W/m²] (emissivity 0.95 times the Stefan–Boltzmann constant).
float TData_Ls::Compute(EvaluationState& row) const
{
    const Real ts = row.Input(kind::Ts);   // skin temperature [°C]
    if (ts == NoValue)
        return NoValue;
    return Result(SigmaEpsilon * Pow(KelvinOffset + ts, 4));
}

// Absorbed solar radiation passing the clothing [W/m²].
float TData_mR::Compute(EvaluationState& row) const
{
    const Real rprim = row.Input(kind::Rprim);   // solar radiation absorbed by the person [W/m²]
    if (rprim == NoValue)
        return NoValue;
    const Real irc = row.Input(kind::Irc);   // permeation efficiency, convection and radiation
    if (irc == NoValue)
        return NoValue;
    return Result(rprim * irc);
}

// Convective heat exchange [W/m²]; a loss when the air is cooler than the skin.
float TData_mC::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real ts = row.Input(kind::Ts);   // skin temperature [°C]
    if (ts == NoValue)
        return NoValue;
    const Real hc = row.Input(kind::hc);   // convective coefficient
    if (hc == NoValue)
        return NoValue;
    const Real d = row.Input(kind::d);   // wind factor
    if (d == NoValue)
        return NoValue;
    const Real irc = row.Input(kind::Irc);   // permeation efficiency, convection and radiation
    if (irc == NoValue)
        return NoValue;
    return Result(hc * d * (t - ts) * irc);
}

// Evaporative heat loss through the skin [W/m²] (diffusion and sweat); seven tenths for women
// (sex = 1). The skin temperature itself is required though only esk and w carry it.
float TData_mE::Compute(EvaluationState& row) const
{
    const Real sex = row.Input(kind::sex);   // 0 man, 1 woman
    if (sex == NoValue)
        return NoValue;
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    if (row.Input(kind::Ts) == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    const Real esk = row.Input(kind::esk);   // vapour pressure at the skin [hPa]
    if (esk == NoValue)
        return NoValue;
    const Real d = row.Input(kind::d);   // wind factor
    if (d == NoValue)
        return NoValue;
    const Real w = row.Input(kind::w);   // wetted skin fraction
    if (w == NoValue)
        return NoValue;
    const Real he = row.Input(kind::he);   // evaporative coefficient
    if (he == NoValue)
        return NoValue;
    const Real ie = row.Input(kind::Ie);   // permeation efficiency, evaporation
    if (ie == NoValue)
        return NoValue;
    const Real evaporation = he * d * (e - esk) * w * ie - 0.42 * (m - 58) + 5.04;
    return Result(sex == 1 ? 0.7 * evaporation : evaporation);
}

// Long-wave radiation exchange of the skin with ground and atmosphere [W/m²].
float TData_mL::Compute(EvaluationState& row) const
{
    const Real lgla = row.Input(kind::LgLa);   // long-wave radiation of ground and atmosphere [W/m²]
    if (lgla == NoValue)
        return NoValue;
    const Real ls = row.Input(kind::Ls);   // long-wave emission of the skin [W/m²]
    if (ls == NoValue)
        return NoValue;
    const Real irc = row.Input(kind::Irc);   // permeation efficiency, convection and radiation
    if (irc == NoValue)
        return NoValue;
    return Result((lgla - ls) * irc);
}

// Respiratory heat loss mRes [W/m²] at the metabolic rate M [W/m²], in the form of Fanger (1970):
// the dry loss 0.0014·M·(t − 35) warms the inhaled air of t [°C] to 35 °C, the latent loss
// 0.0173·M·(0.1·e − 5.624) saturates it (vapour pressures in kPa, e in hPa; 5.624 kPa saturates
// air at 35 °C).
float TData_mRes::Compute(EvaluationState& row) const
{
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(m * (0.0014 * (t - 35) + 0.0173 * (0.1 * e - 5.624)));
}

// Radiation balance [W/m²]: absorbed solar plus long-wave exchange.
float TData_mQ::Compute(EvaluationState& row) const
{
    const Real mr = row.Input(kind::mR);   // absorbed solar radiation [W/m²]
    if (mr == NoValue)
        return NoValue;
    const Real ml = row.Input(kind::mL);   // long-wave exchange [W/m²]
    if (ml == NoValue)
        return NoValue;
    return Result(mr + ml);
}

// Net heat storage of the body [W/m²]: the sum of the metabolic heat and every exchange.
float TData_mS::Compute(EvaluationState& row) const
{
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real mc = row.Input(kind::mC);   // convection [W/m²]
    if (mc == NoValue)
        return NoValue;
    const Real mq = row.Input(kind::mQ);   // radiation balance [W/m²]
    if (mq == NoValue)
        return NoValue;
    const Real mres = row.Input(kind::mRes);   // respiration [W/m²]
    if (mres == NoValue)
        return NoValue;
    const Real me = row.Input(kind::mE);   // evaporation [W/m²]
    if (me == NoValue)
        return NoValue;
    return Result(m + mc + mq + mres + me);
}

// Evaporation the body needs for balance [W/m²]: the storage without the evaporative term.
float TData_Ereq::Compute(EvaluationState& row) const
{
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real mc = row.Input(kind::mC);   // convection [W/m²]
    if (mc == NoValue)
        return NoValue;
    const Real mq = row.Input(kind::mQ);   // radiation balance [W/m²]
    if (mq == NoValue)
        return NoValue;
    const Real mres = row.Input(kind::mRes);   // respiration [W/m²]
    if (mres == NoValue)
        return NoValue;
    return Result(m + mc + mq + mres);
}
