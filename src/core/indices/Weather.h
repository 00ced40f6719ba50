#pragma once

// Weather classification: seven component classes (thermal sensation, solar radiation, thermal
// strain, sultriness, daily temperature range, precipitation, snow cover) packed into one
// weather-type code, shown in tables as a short text such as -1_2T1_010.

#include "indices/Formula.h"

SALVENTO_FORMULA_KIND(TData_W_Sens);
SALVENTO_FORMULA_KIND(TData_W_Rad);
SALVENTO_FORMULA_KIND(TData_W_Sult);
SALVENTO_FORMULA_KIND(TData_dt);
SALVENTO_FORMULA_KIND(TData_W_TAmp);
SALVENTO_FORMULA_KIND(TData_W_Prec);
SALVENTO_FORMULA_KIND(TData_W_Snow);

// The thermal strain class, shown as the letter T, C or H.
class TData_W_Strain : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float Compute() override;
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    ShownText SetCellValue(TCellData& cell, float value) override;
    ShownText FormatValue(float value) const override;
};

// The weather type: its value is the float32 whose bits are the packed code.
class TData_Weather : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float Compute() override;
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    ShownText SetCellValue(TCellData& cell, float value) override;
    ShownText FormatValue(float value) const override;
};
