#pragma once

// Weather suitability: scores 0 (unsuitable), 1 (acceptable) or 3 (favourable) of the weather type
// of a row for sunbathing, air bathing, mild recreation, active recreation and sightseeing, looked
// up in the table of WSI.INI beside the program.

#include "indices/Formula.h"

#include <cstdint>

// The common part of the five suitability kinds; `Column` says which of the five scores it reads.
class TData_WSI_base : public TAbstractData
{
public:
    TData_WSI_base(DataManager& owner, QString shortName, int id, std::uint8_t column);
    float Compute() override;
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    ShownText SetCellValue(TCellData& cell, float value) override;

    const std::uint8_t Column;
};

#define SALVENTO_SUITABILITY_KIND(Class, column)                                                                       \
    class Class : public TData_WSI_base                                                                                \
    {                                                                                                                  \
    public:                                                                                                            \
        Class(DataManager& owner, QString shortName, int id) : TData_WSI_base(owner, std::move(shortName), id, column) \
        {                                                                                                              \
        }                                                                                                              \
    }

SALVENTO_SUITABILITY_KIND(TData_WSI_SB, 0);
SALVENTO_SUITABILITY_KIND(TData_WSI_AB, 1);
SALVENTO_SUITABILITY_KIND(TData_WSI_MR, 2);
SALVENTO_SUITABILITY_KIND(TData_WSI_AR, 3);
SALVENTO_SUITABILITY_KIND(TData_WSI_ST, 4);
