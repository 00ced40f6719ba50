#include "core/indices/SimpleIndices.h"

#include <QCoreApplication>

// Clothing insulation usually worn at the air temperature [clo]: a linear regression between
// -30 °C and 25 °C, held at its ends outside them.
float TData_Icl::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    if (t < -30)
        return 3.0f;
    if (t > 25)
        return 0.6f;
    return Result(1.691 - 0.0436 * t);
}

// Equivalent temperature Tek [°C] from the air temperature t [°C] and the vapour pressure e [hPa]:
// the temperature the air would have if its vapour condensed, Tek = t + (L/cp)·0.622·e/p, with the
// latent heat L = 2.5·10⁶ J/kg, cp = 1005 J/(kg·K) and p ≈ 1000 hPa rounded to 1.5 K/hPa.
float TData_Tek::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(t + 1.5 * e);
}

// Effective temperature [°C]: Missenard's formula in calm air, its wind-dependent form above
// 0.2 m/s. The stored float wind speed is compared with the double 0.2, so 0.2 itself (stored as
// 0.2000000030) is already wind.
float TData_TE::Compute(EvaluationState& row) const
{
    const Real v = row.Input(kind::v);   // wind speed [m/s], no floor here
    if (v == NoValue)
        return NoValue;
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real f = row.Input(kind::f);   // relative humidity [%]
    if (f == NoValue)
        return NoValue;
    const Real dryness = 1 - 0.01 * f;
    if (v <= 0.2)
        return Result(t - 0.4 * (t - 10) * dryness);
    return Result(37 - (37 - t) / (0.68 - 0.0014 * f + 1 / (1.76 + 1.4 * Pow(v, 0.75))) - 0.29 * t * dryness);
}

// Radiation effective temperature TRE [°C]: the effective temperature TE [°C] raised by the global
// solar radiation Kglob [W/m²] the clothed body absorbs (albedo ac [%]); the radiation adds
// (0.0155 − 0.00025·TE) − (0.0043 − 0.00011·TE) K per W/m² absorbed.
float TData_TRE::Compute(EvaluationState& row) const
{
    const Real te = row.Input(kind::TE);   // effective temperature [°C]
    if (te == NoValue)
        return NoValue;
    const Real kglob = row.Input(kind::Kglob);   // global solar radiation [W/m²]
    if (kglob == NoValue)
        return NoValue;
    const Real ac = row.Input(kind::ac);   // albedo of the clothed body [%]
    if (ac == NoValue)
        return NoValue;
    return Result(te + (1 - 0.01 * ac) * kglob * ((0.0155 - 0.00025 * te) - (0.0043 - 0.00011 * te)));
}

// Enthalpy of moist air [kJ/kg]. In kcal/kg: 0.24·t sensible heat plus the specific humidity
// 0.622·e/(p − e) times the heat of its vapour (595 + 0.46·t), with pressures in mmHg
// (0.75·hPa, a standard 755 mmHg); 4.187 converts kcal to kJ.
float TData_i::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(4.187 * (0.24 * t + (0.622 / (755 - 0.75 * e)) * (595 + 0.46 * t) * 0.75 * e));
}

// Weather severity index [points] (Bodman 1908): cold and wind together.
float TData_SB::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    return Result((1 - 0.04 * t) * (1 + 0.272 * v));
}

// Wind chill index [W/m²] (Siple & Passel 1945): cooling power of wind on a water-filled cylinder
// at 33 °C. (10·√v + 10.45 − v)·(33 − t) is in kcal/(m²·h); 1.163 converts it to W/m².
float TData_WCI::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    return Result(1.163 * (10 * Sqrt(v) + 10.45 - v) * (33 - t));
}

// Wind chill temperature [°C] (Osczevski & Bluestein 2005, the index of the North American wind
// chill tables): its constants take the wind at 10 m in km/h, estimated as 1.5 times the wind at
// the height of a person, 3.6·1.5·v.
float TData_WCT::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real wind = Pow(3.6 * 1.5 * v, 0.16);
    return Result(13.12 + 0.6215 * t - 11.37 * wind + 0.3965 * t * wind);
}

// Humidex [°C] (Masterton & Richardson 1979): air temperature plus 5/9 of the vapour pressure
// above 10 hPa.
float TData_Humidex::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(t + (e - 10) * 0.5555555555555556);
}

// Cooling power [W/m²] (Hill's katathermometer at 36.5 °C), with one pair of coefficients up to
// 1 m/s and another above. The formula gives mcal/(cm²·s); 41.868 converts it to W/m².
float TData_H::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    if (v <= 1)
        return Result((0.2 + 0.4 * Sqrt(v)) * (36.5 - t) * 41.868);
    return Result((0.13 + 0.47 * Sqrt(v)) * (36.5 - t) * 41.868);
}

// Wet-bulb globe temperature [°C], simplified from air temperature and vapour pressure alone
// (the approximation of the Australian Bureau of Meteorology), for shade and light wind.
float TData_WBGT::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(0.567 * t + 0.393 * e + 3.94);
}

// Heart rate HR [beats/min] at the metabolic rate M [W/m²] in air of temperature t [°C] and vapour
// pressure e [hPa]: the linear heart-rate prediction of Fuller and Brouha (1966).
float TData_HR::Compute(EvaluationState& row) const
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
    return Result(22.4 + 0.18 * m + 0.25 * (5 * t + 2.66 * e));
}

ShownText TData_HR::FormatValue(float value) const
{
    // A missing heart rate stays empty: it is not a normal one.
    if (value != NoValue && value < 60)
        return ShownText::Text(QCoreApplication::translate("TData_HR", "normal"));
    return TAbstractData::FormatValue(value);
}

// Metabolic rate [W/m²] at which the heart rate of HR reaches 90 beats/min: that formula solved
// for M (90 − 22.4 = 67.6; 1/0.18 = 50/9).
float TData_MHR::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    return Result(Real(50) / 9 * (67.6 - 0.25 * (5 * t + 2.66 * e)));
}

// Subjective temperature [°C]: air temperature raised by the solar heat that the clothed body
// absorbs under the cloudiness and lowered by the metabolic heat, each weighted by the wind term W.
float TData_SST::Compute(EvaluationState& row) const
{
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real n = row.Input(kind::N);   // cloudiness [%]
    if (n == NoValue)
        return NoValue;
    const Real ac = row.Input(kind::ac);   // albedo of the clothed body [%]
    if (ac == NoValue)
        return NoValue;
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real w = 1 / (0.61 + 1.9 * Sqrt(v));
    return Result(t + 0.42 * (1 - 0.009 * n) * (100 - ac) * w - 0.15673 * m * (1 - w));
}

// Clothing insulation needed for comfort [clo]: the heat to lose between a skin at 91.4 °F and the
// air (temperature in °F) over the metabolic rate, less the insulation of the surrounding air layer.
// No metabolic rate (M = 0) gives no value.
float TData_Iclp::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    return Result(0.082 * (91.4 - (32 + 1.8 * t)) / (0.01724 * m) - 1 / (0.61 + 1.9 * Sqrt(v)));
}

// Convective heat exchange of a person estimated from the weather alone [W/m²] (regression).
float TData_pC::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real n = row.Input(kind::N);   // cloudiness [%]
    if (n == NoValue)
        return NoValue;
    return Result(0.051 * n - 138.04 + 4.738 * t - 18.265 * v);
}

// Long-wave radiation balance of a person estimated from the weather alone [W/m²] (regression).
float TData_pL::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real n = row.Input(kind::N);   // cloudiness [%]
    if (n == NoValue)
        return NoValue;
    return Result(0.0465 * n - 47.78 + 0.916 * t + 0.6054 * v);
}

// Evaporative heat loss of a person estimated from the air temperature alone [W/m²] (regression).
// The pole of the regression (0.000708·t = 0.02742) gives no value.
float TData_pE::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    return Result(1 / (0.000708 * t - 0.02742));
}

// Respiratory heat loss of a person estimated from the air temperature alone [W/m²] (regression).
float TData_pRes::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    return Result(0.292 * t - 18.485);
}

// Physiological strain (convective over evaporative heat loss) estimated from the air temperature
// alone [-] (regression).
float TData_pPhS::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    return Result(Pow(2.12513 - 0.058018 * t, 2));
}

// Heat stress index estimated from the estimated physiological strain [%] (regression). A strain
// that is not positive has no logarithm and gives no value.
float TData_pHSI::Compute(EvaluationState& row) const
{
    const Real phs = row.Input(kind::pPhS);   // estimated physiological strain [-]
    if (phs == NoValue || phs <= 0)
        return NoValue;
    return Result(18.6058 - 24.7164 * Ln(phs));
}

// Subjective temperature index estimated from the weather alone [°C] (regression).
float TData_pSTI::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real h = row.Input(kind::hSl);   // height of the sun [°]
    if (h == NoValue)
        return NoValue;
    return Result(0.1964 * h + 1.13 + 1.29 * t - 0.626 * v);
}

// Heat load estimated from the weather alone [-] (regression): a power of the kelvin temperature
// of a subjective-temperature estimate whose wind coefficient (0.625) differs slightly from that
// of pSTI (0.626).
float TData_pHL::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real h = row.Input(kind::hSl);   // height of the sun [°]
    if (h == NoValue)
        return NoValue;
    return Result(3.28e-20 * Pow(0.1964 * h + 1.13 + 1.29 * t - 0.625 * v + KelvinOffset, 7.88));
}

// Predicted mean vote [-] (Fanger 1970), no external work, with the clothing surface temperature
// taken in one step instead of iterated and the convective coefficient c·√(v + vprim).
float TData_PMV::Compute(EvaluationState& row) const
{
    const Real icl = row.Input(kind::Icl);   // clothing insulation [clo]
    if (icl == NoValue)
        return NoValue;
    const Real m = row.Input(kind::M);   // metabolic rate [W/m²]
    if (m == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real p = row.Input(kind::p);   // air pressure [hPa]
    if (p == NoValue)
        return NoValue;
    const Real v = WindFloor(row.Input(kind::v));   // wind speed [m/s], calmer air counts as 0.25
    if (v == NoValue)
        return NoValue;
    const Real vprim = row.Input(kind::vprim);   // speed of the person's own motion [m/s]
    if (vprim == NoValue)
        return NoValue;
    const Real mrt = row.Input(kind::Mrt);   // mean radiant temperature [°C]
    if (mrt == NoValue)
        return NoValue;

    const Real fcl = icl <= 0.5 ? 1 + 0.2 * icl : 1.05 + 0.1 * icl;   // clothing area factor
    // Clothing surface temperature [°C], vapour pressure in kPa.
    const Real tcl = 35.7 - 0.0275 * m
        - 0.155 * icl
            * (m - 3.05 * (5.73 - 0.007 * m - 0.1 * e) - 0.42 * (m - 58.15) - 0.0173 * m * (5.87 - 0.1 * e)
               - 0.0014 * m * (34 - t));
    const Real c = 0.013 * p - 0.04 * t - 0.503;      // convection without the wind
    const Real k = 0.303 * Exp(-0.036 * m) + 0.028;   // sensation coefficient
    const Real rd = 3.96e-8 * fcl * (Pow(tcl + KelvinOffset, 4) - Pow(mrt + KelvinOffset, 4));   // radiative loss
    const Real pa = 100 * e;                                                                     // vapour pressure [Pa]
    return Result(k
                  * (m - 0.00305 * (5733 - 6.99 * m - pa) - 0.42 * (m - 58.15) - 1.7e-5 * m * (5867 - pa)
                     - 0.0014 * m * (34 - t) - rd - fcl * c * Sqrt(v + vprim) * (tcl - t)));
}
