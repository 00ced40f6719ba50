#pragma once

// The heat balance of a person: the coefficient kinds (convection, evaporation, wind, clothing,
// skin temperature, wetted skin, skin vapour pressure, skin emission) and the balance terms
// (absorbed radiation, convection, evaporation, long-wave radiation, respiration, radiation
// balance, net heat storage, required evaporation), in W/m².

#include "indices/Formula.h"

SALVENTO_FORMULA_KIND(TData_hc);
SALVENTO_FORMULA_KIND(TData_he);
SALVENTO_FORMULA_KIND(TData_d);
SALVENTO_FORMULA_KIND(TData_dprim);
SALVENTO_FORMULA_KIND(TData_T3);
SALVENTO_FORMULA_KIND(TData_Ie);
SALVENTO_FORMULA_KIND(TData_Irc);
SALVENTO_FORMULA_KIND(TData_Ts);
SALVENTO_FORMULA_KIND(TData_w);
SALVENTO_FORMULA_KIND(TData_esk);
SALVENTO_FORMULA_KIND(TData_Ls);
SALVENTO_FORMULA_KIND(TData_mR);
SALVENTO_FORMULA_KIND(TData_mC);
SALVENTO_FORMULA_KIND(TData_mE);
SALVENTO_FORMULA_KIND(TData_mL);
SALVENTO_FORMULA_KIND(TData_mRes);
SALVENTO_FORMULA_KIND(TData_mQ);
SALVENTO_FORMULA_KIND(TData_mS);
SALVENTO_FORMULA_KIND(TData_Ereq);
