#include "core/indices/SunAndRadiation.h"

#include <array>

// Ground temperature [°C]: warmer than the air in sunshine, cooler in frost; the air temperature
// itself under an overcast sky (80 % cloud or more) or when the cloudiness is unknown.
float TData_Tg::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);
    if (t == NoValue)
        return NoValue;
    const Real N = row.Input(kind::N);   // cloudiness [%]
    if (N == NoValue || N >= 80)
        return Result(t);
    return Result(t >= 0 ? 1.25 * t : 0.9 * t);
}

// Global solar radiation [W/m²]: direct plus diffuse.
float TData_Kglob::Compute(EvaluationState& row) const
{
    const Real Kdir = row.Input(kind::Kdir);
    if (Kdir == NoValue)
        return NoValue;
    const Real Kdif = row.Input(kind::Kdif);
    if (Kdif == NoValue)
        return NoValue;
    return Result(Kdir + Kdif);
}

// Solar radiation reflected by the ground [W/m²], from the ground's albedo [%].
float TData_Kref::Compute(EvaluationState& row) const
{
    const Real Kglob = row.Input(kind::Kglob);
    if (Kglob == NoValue)
        return NoValue;
    const Real ag = row.Input(kind::ag);
    if (ag == NoValue)
        return NoValue;
    return Result(Kglob * 0.01 * ag);
}

// Height of the sun above the horizon [°], never below 0. Declination by Spencer's series (1971);
// the day of the year counts from 0 on 1 January, leap years ignored; the sun culminates at 11:30 of
// the row's clock.
float TData_hSl::Compute(EvaluationState& row) const
{
    // Days before each month, less one, so that 1 January is day 0.
    static constexpr std::array<int, 12> DaysBefore = {-1, 30, 58, 89, 119, 150, 180, 211, 242, 272, 303, 333};
    const Real month = row.Input(kind::month);
    if (month == NoValue)
        return NoValue;
    const Real day = row.Input(kind::day);
    if (day == NoValue)
        return NoValue;
    const Real hour = row.Input(kind::hour);
    if (hour == NoValue)
        return NoValue;
    const Real min = row.Input(kind::min);
    if (min == NoValue)
        return NoValue;
    const Real lat = row.Input(kind::lat);   // degrees.minutes: 52.30 is 52° 30′
    if (lat == NoValue)
        return NoValue;

    const Real monthIndex = std::trunc(month + 0.1);
    if (monthIndex < 1 || monthIndex > 12)
        return NoValue;
    const Real dayOfYear = std::trunc(day + 0.1) + DaysBefore[std::size_t(monthIndex) - 1];

    const Real degrees = std::trunc(lat);
    const Real minutes = lat - degrees;
    const Real latitude = (lat < 0 ? -1 : 1) * (degrees + minutes * 100 * (1.0L / 60));

    const Real minuteOfDay = 60 * hour + min;
    const bool morning = (hour >= 0 && hour <= 10.1) || (hour > 10.9 && hour < 11.1 && min >= 0 && min <= 30.1);
    const Real hourAngle = morning ? 172.5 - 0.25 * minuteOfDay : 0.25 * minuteOfDay - 172.5;   // [°]

    const Real dayAngle = dayOfYear * 6.283185307179586 * (1.0L / 365);   // [rad]
    const Real declination = 0.006918 - 0.399912 * Cos(dayAngle) + 0.070257 * Sin(dayAngle)
        - 0.006758 * Cos(2 * dayAngle) + 0.000907 * Sin(2 * dayAngle) - 0.002697 * Cos(3 * dayAngle)
        + 0.00148 * Sin(3 * dayAngle);   // [rad]

    // Degrees to radians by 0.017453, and back by its reciprocal.
    const Real x = Sin(latitude * 0.017453) * Sin(declination)
        + Cos(latitude * 0.017453) * Cos(declination) * Cos(hourAngle * 0.017453);
    const Real h = Asin(x) * 57.2967398155045L;
    return Result(h < 0 ? 0 : h);
}

// Cloudiness [%] from octas; 9 (sky obscured) counts as fully covered.
float TData_N::Compute(EvaluationState& row) const
{
    const Real N8 = row.Input(kind::N8);
    if (N8 == NoValue)
        return NoValue;
    return Result(N8 == 9 ? 100 : N8 * 0.125 * 100);
}

namespace {

// Solar radiation absorbed by a person [W/m²] from measured direct, diffuse and reflected radiation
// at the sun height h [°]; a = 1 − albedo. A sun at or below the horizon gives nothing.
Real FromComponents(Real a, Real h, Real Kdir, Real Kdif, Real Kref)
{
    if (h <= 0)
        return 0;
    const Real D = (0.0013 + 0.033 * Ln(h)) * (Kdif + Kref);
    if (h <= 5)
        return 1.4 * a * (Kdir * Exp(0.368 * h - 0.51) + D);
    return 1.4 * a * (Kdir * (18.816 / h - 0.235) + D);
}

// … from measured global radiation K, by how clear the sky is against the clear-sky value.
Real FromGlobal(Real a, Real h, Real K)
{
    if (h < 12)
        return a * (0.0014 * Pow(K, 2) + 0.476 * K - 3.8);
    const Real Kmax = -0.0015 * Pow(h, 3) + 0.1796 * Pow(h, 2) + 9.6375 * h - 11.9;
    const Real k = K / Kmax;
    if (k < 0.8)
        return a * 0.2467 * Pow(K, 0.9763);
    if (k < 1.05)
        return a * 3.6922 * Pow(K, 0.5842);
    if (k < 1.2)
        return a * 43.428 * Pow(K, 0.2326);
    return a * 8.9281 * Pow(K, 0.4861);
}

// … from the cloudiness N [%].
Real FromCloudiness(Real a, Real h, Real N)
{
    if (h < 4)
        return 1.4 * a * Pow(0.215 * h + 1.388, 2);
    if (N <= 20)
        return 1.4 * a * (73.981 * Ln(h) - 100.428);
    if (N <= 50)
        return 1.4 * a * Exp(5.383 - 16.072 / h);
    if (N <= 80)
        return 1.4 * a * Exp(5.012 - 11.805 / h);
    return a * 0.9506 * Pow(h, 1.039);
}

// … from the horizontal visibility [m] alone, without the albedo.
Real FromVisibility(Real h, Real vis)
{
    if (vis < 5000)
        return 0.815 * h + 16.504;
    if (vis < 20000)
        return 23.216 * Exp(0.0268 * h);
    if (vis < 30000)
        return 45.368 * Exp(0.0144 * h);
    return 22.626 * Exp(0.02674 * h);
}

}   // namespace

// Solar radiation absorbed by a person [W/m²], never negative. By preference from a known mean
// radiant temperature (read as stored: it is itself computed from this radiation), then from
// measured direct, diffuse and reflected radiation, from global radiation, from cloudiness, and at
// last from visibility.
float TData_Rprim::Compute(EvaluationState& row) const
{
    Real R = NoValue;
    const Real t = row.Input(kind::t);
    const Real Mrt = row.Stored(kind::Mrt);
    if (t != NoValue && Mrt != NoValue) {
        R = SigmaEpsilonSingle * (Pow(KelvinOffset + Mrt, 4) - Pow(KelvinOffset + t, 4));
    } else {
        const Real h = row.Input(kind::hSl);   // height of the sun [°]
        if (h == NoValue)
            return NoValue;
        const Real ac = row.Input(kind::ac);   // albedo of the clothed body [%]
        if (ac != NoValue) {
            const Real a = 1 - 0.01 * ac;
            const Real Kdir = row.Input(kind::Kdir);
            const Real Kdif = row.Input(kind::Kdif);
            const Real Kref = row.Input(kind::Kref);
            if (Kdir != NoValue && Kdif != NoValue && Kref != NoValue) {
                R = FromComponents(a, h, Kdir, Kdif, Kref);
            } else if (const Real K = row.Input(kind::Kglob); K != NoValue) {
                R = FromGlobal(a, h, K);
            } else if (const Real N = row.Input(kind::N); N != NoValue) {
                R = FromCloudiness(a, h, N);
            }
        }
        if (R == NoValue) {
            const Real vis = row.Input(kind::vis);
            if (vis == NoValue)
                return NoValue;
            R = FromVisibility(h, vis);
        }
    }
    return Result(R < 0 ? 0 : R);
}

// Long-wave radiation of the atmosphere (Brunt-type emissivity from the vapour pressure) and of the
// ground [W/m²].
float TData_LgLa::Compute(EvaluationState& row) const
{
    constexpr float sigma = 2.75e-8f;
    const Real t = row.Input(kind::t);
    if (t == NoValue)
        return NoValue;
    const Real Tg = row.Input(kind::Tg);
    if (Tg == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);
    if (e == NoValue)
        return NoValue;
    return Result(sigma * Pow(KelvinOffset + t, 4) * (0.82 - 0.25 * Pow10(-0.0705 * e))
                  + sigma * Pow(KelvinOffset + Tg, 4));
}

// Mean radiant temperature [°C]: the temperature of a black enclosure (emissivity 0.95,
// σ = 5.667·10⁻⁸) that exchanges as much radiation as the person absorbs.
float TData_Mrt::Compute(EvaluationState& row) const
{
    const Real LgLa = row.Input(kind::LgLa);
    if (LgLa == NoValue)
        return NoValue;
    const Real Rprim = row.Input(kind::Rprim);
    if (Rprim == NoValue)
        return NoValue;
    return Result(Pow((Rprim + LgLa) * InverseSigmaEpsilonMrt, 0.25) - KelvinOffset);
}
