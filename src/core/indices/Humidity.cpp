#include "core/indices/Humidity.h"

// Water vapour pressure [hPa]. From the relative humidity the row already holds (read as stored:
// the humidity is itself computed from the vapour pressure, so it is never computed here), else from
// the dew point (Clausius–Clapeyron with L/Rv = 5417.753 K, 6.11 hPa at 0 °C).
float TData_e::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);    // air temperature [°C]
    const Real f = row.Stored(kind::f);   // relative humidity [%]
    if (t != NoValue && f != NoValue)
        return Result(SaturationVapourPressure(t) * f * 0.01L);
    const Real td = row.Input(kind::td);   // dew point [°C]
    if (td == NoValue)
        return NoValue;
    return Result(6.11 * Exp(5417.753 * (0.0036608581051398447 - 1 / (td + 273.16))));
}

// Relative humidity [%], kept within 5…100.
float TData_f::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);
    if (e == NoValue)
        return NoValue;
    const Real f = e / (SaturationVapourPressure(t) * 0.01);
    if (std::isnan(f))
        return NoValue;
    return f < 5 ? 5.0f : f > 100 ? 100.0f : Result(f);
}
