#pragma once

// Humidity: the water vapour pressure and the relative humidity.

#include "core/indices/Formula.h"

SALVENTO_RECALLED_FORMULA_KIND(TData_e);
SALVENTO_FORMULA_KIND(TData_f);
