#include "indices/Suitability.h"

TData_WSI_base::TData_WSI_base(DataManager& owner, QString shortName, int id, std::uint8_t column)
    : TAbstractData(owner, std::move(shortName), id, true), Column(column)
{
}

float TData_WSI_base::Compute()
{
    return NoValue;
}

ShownText TData_WSI_base::SetCellFromText(TCellData& cell, QStringView text)
{
    return TAbstractData::SetCellFromText(cell, text);
}

ShownText TData_WSI_base::SetCellValue(TCellData& cell, float value)
{
    return TAbstractData::SetCellValue(cell, value);
}
