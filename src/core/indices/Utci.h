#pragma once

// The Universal Thermal Climate Index [°C], by the published sixth-order regression polynomial of
// the operational approximation.

#include "core/indices/Formula.h"

#include <array>

// The 210 coefficients, one per monomial Ta^i·va^j·D^k·Pa^l with i + j + k + l ≤ 6, ordered by the
// power of Pa (outermost, 0…6), then of D, then of va, then of Ta (innermost).
extern const std::array<double, 210> UtciCoefficients;

// UTCI [°C] from air temperature t, vapour pressure e, mean radiant temperature Mrt and the wind at
// 10 m (v10m, else v / 0.667); NoValue when any of them is missing.
SALVENTO_FORMULA_KIND(TData_UTCI);
