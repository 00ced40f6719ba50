#pragma once

// The heat balance of a person: the coefficient kinds (convection, evaporation, wind, clothing,
// skin temperature, wetted skin, skin vapour pressure, skin emission) and the balance terms
// (absorbed radiation, convection, evaporation, long-wave radiation, respiration, radiation
// balance, net heat storage, required evaporation), in W/m². Gains are positive, losses negative.
// Each kind gives no value when one of its inputs is missing or its result is not a finite number.

#include "core/indices/Formula.h"

// Coefficients: hc [W/(m²·K)] and he [W/(m²·hPa)] before the wind factor, the wind factor d,
// the clothing insulation under wind dprim, the radiative coefficient T3 [W/(m²·K)], the
// permeation efficiencies Ie and Irc (none without convection, hc = 0), the skin temperature Ts
// [°C], the wetted skin fraction w, the skin vapour pressure esk [hPa] and emission Ls [W/m²].
SALVENTO_FORMULA_KIND(TData_hc);
SALVENTO_FORMULA_KIND(TData_he);
SALVENTO_FORMULA_KIND(TData_d);
SALVENTO_RECALLED_FORMULA_KIND(TData_dprim);
SALVENTO_FORMULA_KIND(TData_T3);
SALVENTO_FORMULA_KIND(TData_Ie);
SALVENTO_FORMULA_KIND(TData_Irc);
SALVENTO_FORMULA_KIND(TData_Ts);
SALVENTO_FORMULA_KIND(TData_w);
SALVENTO_FORMULA_KIND(TData_esk);
SALVENTO_FORMULA_KIND(TData_Ls);

// Balance terms [W/m²]: absorbed solar mR, convection mC, evaporation mE, long-wave exchange mL,
// respiration mRes, radiation balance mQ = mR + mL, net storage mS = M + mC + mQ + mRes + mE and
// the evaporation needed for balance Ereq = mS − mE.
SALVENTO_FORMULA_KIND(TData_mR);
SALVENTO_FORMULA_KIND(TData_mC);
SALVENTO_FORMULA_KIND(TData_mE);
SALVENTO_FORMULA_KIND(TData_mL);
SALVENTO_FORMULA_KIND(TData_mRes);
SALVENTO_FORMULA_KIND(TData_mQ);
SALVENTO_FORMULA_KIND(TData_mS);
SALVENTO_FORMULA_KIND(TData_Ereq);
