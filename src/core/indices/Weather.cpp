#include "indices/Weather.h"

float TData_W_Sens::Compute()
{
    return NoValue;
}

float TData_W_Rad::Compute()
{
    return NoValue;
}

float TData_W_Sult::Compute()
{
    return NoValue;
}

float TData_dt::Compute()
{
    return NoValue;
}

float TData_W_TAmp::Compute()
{
    return NoValue;
}

float TData_W_Prec::Compute()
{
    return NoValue;
}

float TData_W_Snow::Compute()
{
    return NoValue;
}

float TData_W_Strain::Compute()
{
    return NoValue;
}

float TData_Weather::Compute()
{
    return NoValue;
}

ShownText TData_W_Strain::SetCellFromText(TCellData& cell, QStringView text)
{
    return TAbstractData::SetCellFromText(cell, text);
}

ShownText TData_W_Strain::SetCellValue(TCellData& cell, float value)
{
    return TAbstractData::SetCellValue(cell, value);
}

ShownText TData_W_Strain::FormatValue(float value) const
{
    return TAbstractData::FormatValue(value);
}

ShownText TData_Weather::SetCellFromText(TCellData& cell, QStringView text)
{
    return TAbstractData::SetCellFromText(cell, text);
}

ShownText TData_Weather::SetCellValue(TCellData& cell, float value)
{
    return TAbstractData::SetCellValue(cell, value);
}

ShownText TData_Weather::FormatValue(float value) const
{
    return TAbstractData::FormatValue(value);
}
