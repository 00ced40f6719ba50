#include "core/indices/Utci.h"

#include <cstdint>
#include <utility>

// The published coefficients of the operational UTCI polynomial (Bröde et al. 2012), as printed.
// One block per power of D and Pa, headed by that monomial; within a block one line per power of va
// from 0 up; along a line the powers of Ta from 0 up.
// clang-format off
const std::array<double, 210> UtciCoefficients = {
    // D⁰·Pa⁰
    6.07562052E-01, -2.27712343E-02, 8.06470249E-04, -1.54271372E-04, -3.24651735E-06, 7.32602852E-08, 1.35959073E-09,
    -2.25836520E+00, 8.80326035E-02, 2.16844454E-03, -1.53347087E-05, -5.72983704E-07, -2.55090145E-09,
    -7.51269505E-01, -4.08350271E-03, -5.21670675E-05, 1.94544667E-06, 1.14099531E-08,
    1.58137256E-01, -6.57263143E-05, 2.22697524E-07, -4.16117031E-08,
    -1.27762753E-02, 9.66891875E-06, 2.52785852E-09,
    4.56306672E-04, -1.74202546E-07,
    -5.91491269E-06,
    // D¹·Pa⁰
    3.98374029E-01, 1.83945314E-04, -1.73754510E-04, -7.60781159E-07, 3.77830287E-08, 5.43079673E-10,
    -2.00518269E-02, 8.92859837E-04, 3.45433048E-06, -3.77925774E-07, -1.69699377E-09,
    1.69992415E-04, -4.99204314E-05, 2.47417178E-07, 1.07596466E-08,
    8.49242932E-05, 1.35191328E-06, -6.21531254E-09,
    -4.99410301E-06, -1.89489258E-08,
    8.15300114E-08,
    // D²·Pa⁰
    7.55043090E-04, -5.65095215E-05, -4.52166564E-07, 2.46688878E-08, 2.42674348E-10,
    1.54547250E-04, 5.24110970E-06, -8.75874982E-08, -1.50743064E-09,
    -1.56236307E-05, -1.33895614E-07, 2.49709824E-09,
    6.51711721E-07, 1.94960053E-09,
    -1.00361113E-08,
    // D³·Pa⁰
    -1.21206673E-05, -2.18203660E-07, 7.51269482E-09, 9.79063848E-11,
    1.25006734E-06, -1.81584736E-09, -3.52197671E-10,
    -3.36514630E-08, 1.35908359E-10,
    4.17032620E-10,
    // D⁴·Pa⁰
    -1.30369025E-09, 4.13908461E-10, 9.22652254E-12,
    -5.08220384E-09, -2.24730961E-11,
    1.17139133E-10,
    // D⁵·Pa⁰
    6.62154879E-10, 4.03863260E-13,
    1.95087203E-12,
    // D⁶·Pa⁰
    -4.73602469E-12,
    // D⁰·Pa¹
    5.12733497E+00, -3.12788561E-01, -1.96701861E-02, 9.99690870E-04, 9.51738512E-06, -4.66426341E-07,
    5.48050612E-01, -3.30552823E-03, -1.64119440E-03, -5.16670694E-06, 9.52692432E-07,
    -4.29223622E-02, 5.00845667E-03, 1.00601257E-06, -1.81748644E-06,
    -1.25813502E-03, -1.79330391E-04, 2.34994441E-06,
    1.29735808E-04, 1.29064870E-06,
    -2.28558686E-06,
    // D¹·Pa¹
    -3.69476348E-02, 1.62325322E-03, -3.14279680E-05, 2.59835559E-06, -4.77136523E-08,
    8.64203390E-03, -6.87405181E-04, -9.13863872E-06, 5.15916806E-07,
    -3.59217476E-05, 3.28696511E-05, -7.10542454E-07,
    -1.24382300E-05, -7.38584400E-09,
    2.20609296E-07,
    // D²·Pa¹
    -7.32469180E-04, -1.87381964E-05, 4.80925239E-06, -8.75492040E-08,
    2.77862930E-05, -5.06004592E-06, 1.14325367E-07,
    2.53016723E-06, -1.72857035E-08,
    -3.95079398E-08,
    // D³·Pa¹
    -3.59413173E-07, 7.04388046E-07, -1.89309167E-08,
    -4.79768731E-07, 7.96079978E-09,
    1.62897058E-09,
    // D⁴·Pa¹
    3.94367674E-08, -1.18566247E-09,
    3.34678041E-10,
    // D⁵·Pa¹
    -1.15606447E-10,
    // D⁰·Pa²
    -2.80626406E+00, 5.48712484E-01, -3.99428410E-03, -9.54009191E-04, 1.93090978E-05,
    -3.08806365E-01, 1.16952364E-02, 4.95271903E-04, -1.90710882E-05,
    2.10787756E-03, -6.98445738E-04, 2.30109073E-05,
    4.17856590E-04, -1.27043871E-05,
    -3.04620472E-06,
    // D¹·Pa²
    5.14507424E-02, -4.32510997E-03, 8.99281156E-05, -7.14663943E-07,
    -2.66016305E-04, 2.63789586E-04, -7.01199003E-06,
    -1.06823306E-04, 3.61341136E-06,
    2.29748967E-07,
    // D²·Pa²
    3.04788893E-04, -6.42070836E-05, 1.16257971E-06,
    7.68023384E-06, -5.47446896E-07,
    -3.59937910E-08,
    // D³·Pa²
    -4.36497725E-06, 1.68737969E-07,
    2.67489271E-08,
    // D⁴·Pa²
    3.23926897E-09,
    // D⁰·Pa³
    -3.53874123E-02, -2.21201190E-01, 1.55126038E-02, -2.63917279E-04,
    4.53433455E-02, -4.32943862E-03, 1.45389826E-04,
    2.17508610E-04, -6.66724702E-05,
    3.33217140E-05,
    // D¹·Pa³
    -2.26921615E-03, 3.80261982E-04, -5.45314314E-09,
    -7.96355448E-04, 2.53458034E-05,
    -6.31223658E-06,
    // D²·Pa³
    3.02122035E-04, -4.77403547E-06,
    1.73825715E-06,
    // D³·Pa³
    -4.09087898E-07,
    // D⁰·Pa⁴
    6.14155345E-01, -6.16755931E-02, 1.33374846E-03,
    3.55375387E-03, -5.13027851E-04,
    1.02449757E-04,
    // D¹·Pa⁴
    -1.48526421E-03, -4.11469183E-05,
    -6.80434415E-06,
    // D²·Pa⁴
    -9.77675906E-06,
    // D⁰·Pa⁵
    8.82773108E-02, -3.01859306E-03,
    1.04452989E-03,
    // D¹·Pa⁵
    2.47090539E-04,
    // D⁰·Pa⁶
    1.48348065E-03
};
// clang-format on

namespace {

using PowerTable = std::array<Real, 7>;

// 1, x, x², … x⁶.
PowerTable Powers(Real x)
{
    PowerTable powers{};
    powers[0] = 1;
    for (std::size_t n = 1; n < powers.size(); ++n)
        powers[n] = powers[n - 1] * x;
    return powers;
}

// The powers of Ta, va, D and Pa in each term, in the order of the coefficients.
struct TermPowers
{
    std::array<std::uint8_t, 210> ta{}, va{}, d{}, pa{};
};
constexpr TermPowers PowersOfTerm = [] {
    TermPowers powers;
    std::size_t n = 0;
    for (std::uint8_t l = 0; l <= 6; ++l)
        for (std::uint8_t k = 0; k <= 6 - l; ++k)
            for (std::uint8_t j = 0; j <= 6 - l - k; ++j)
                for (std::uint8_t i = 0; i <= 6 - l - k - j; ++i, ++n) {
                    powers.ta[n] = i;
                    powers.va[n] = j;
                    powers.d[n] = k;
                    powers.pa[n] = l;
                }
    return powers;
}();

// Term N, c · Ta^i · va^j · D^k · Pa^l, multiplied from the left. A factor of power 0 is exactly 1
// and is left out, which changes no product.
template <std::size_t N>
Real Term(const PowerTable& ta, const PowerTable& va, const PowerTable& d, const PowerTable& pa)
{
    Real term = UtciCoefficients[N];
    if constexpr (PowersOfTerm.ta[N] > 0)
        term *= ta[PowersOfTerm.ta[N]];
    if constexpr (PowersOfTerm.va[N] > 0)
        term *= va[PowersOfTerm.va[N]];
    if constexpr (PowersOfTerm.d[N] > 0)
        term *= d[PowersOfTerm.d[N]];
    if constexpr (PowersOfTerm.pa[N] > 0)
        term *= pa[PowersOfTerm.pa[N]];
    return term;
}

// `sum` plus the terms one after the other in their order, written out when compiled: no loop
// whose branches the processor would have to guess.
template <std::size_t... N>
Real SumOfTerms(Real sum, const PowerTable& ta, const PowerTable& va, const PowerTable& d, const PowerTable& pa,
                std::index_sequence<N...>)
{
    ((sum += Term<N>(ta, va, d, pa)), ...);
    return sum;
}

}   // namespace

// Universal Thermal Climate Index [°C] by its sixth-order regression polynomial (Bröde et al. 2012).
// No input is clipped to the range the polynomial was fitted for.
float TData_UTCI::Compute(EvaluationState& row) const
{
    const Real t = row.Input(kind::t);   // air temperature [°C]
    if (t == NoValue)
        return NoValue;
    const Real e = row.Input(kind::e);   // vapour pressure [hPa]
    if (e == NoValue)
        return NoValue;
    const Real mrt = row.Input(kind::Mrt);   // mean radiant temperature [°C]
    if (mrt == NoValue)
        return NoValue;
    float va = row.Input(kind::v10m);   // wind at 10 m [m/s]
    if (va == NoValue) {
        const Real v = row.Input(kind::v);   // wind at the height of a person [m/s]
        if (v == NoValue)
            return NoValue;
        va = float(1 / 0.667L * v);   // the wind at 10 m is taken as v / 0.667
    }
    const float d = float(mrt - t);     // radiant excess over the air [K]
    const float pa = float(0.1L * e);   // vapour pressure [kPa]

    // UTCI = Ta + Σ c · Ta^i · va^j · D^k · Pa^l over i + j + k + l ≤ 6.
    return Result(SumOfTerms(t, Powers(t), Powers(va), Powers(d), Powers(pa),
                             std::make_index_sequence<UtciCoefficients.size()>()));
}
