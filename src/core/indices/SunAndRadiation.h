#pragma once

// The sun and radiation: ground temperature, global and reflected radiation, the height of the sun,
// cloudiness in percent, the solar radiation absorbed by a person, the long-wave radiation of ground
// and sky and the mean radiant temperature.

#include "core/indices/Formula.h"

SALVENTO_FORMULA_KIND(TData_Tg);
SALVENTO_FORMULA_KIND(TData_Kglob);
SALVENTO_FORMULA_KIND(TData_Kref);
SALVENTO_RECALLED_FORMULA_KIND(TData_hSl);
SALVENTO_FORMULA_KIND(TData_N);
SALVENTO_RECALLED_FORMULA_KIND(TData_Rprim);
SALVENTO_RECALLED_FORMULA_KIND(TData_LgLa);
SALVENTO_RECALLED_FORMULA_KIND(TData_Mrt);
