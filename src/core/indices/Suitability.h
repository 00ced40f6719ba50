#pragma once

// Weather suitability: scores 0 (unsuitable), 1 (acceptable) or 3 (favourable) of the weather type
// of a row for sunbathing, air bathing, mild recreation, active recreation and sightseeing, looked
// up in the table of WSI.INI beside the program.

#include "core/indices/Formula.h"

#include <cstdint>
#include <memory>

struct TSuitabilityScores;

// The common part of the five suitability kinds; `Column` says which of the five scores it reads.
// The score table is held once per DataManager: the first kind (WSI_SB) creates it and the others,
// created after it, share it.
class TData_WSI_base : public TAbstractData
{
public:
    TData_WSI_base(const DataManager& owner, QString shortName, int id, std::uint8_t column);
    // The score 0, 1 or 3 of the row's weather type; NoValue when Weather is missing, is no weather
    // type, or the type has no score in WSI.INI. The first score looked up loads the table; a
    // missing or unreadable WSI.INI throws FileError and the next computation tries again.
    float Compute(EvaluationState& row) const override;
    // A decimal integer (leading white space allowed) is stored, and marked out of range unless it
    // is 0, 1 or 3; any other text leaves the cell without a value.
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    // Stores value + 0.1 cut toward zero to a whole number, marked as above; NoValue empties the cell.
    ShownText SetCellValue(TCellData& cell, float value) override;

    // Fills the shared table from WSI.INI in the program's directory, every score without a line
    // −1; throws FileError when the file cannot be read.
    void LoadSuitabilityTable() const;

    const std::uint8_t Column;

private:
    ShownText StoreScore(TCellData& cell, Real score);

    std::shared_ptr<TSuitabilityScores> m_scores;
};

// NOLINTBEGIN(bugprone-macro-parentheses): the argument names the class, which takes no parentheses
#define SALVENTO_SUITABILITY_KIND(Class, column)                                                                       \
    class Class : public TData_WSI_base                                                                                \
    {                                                                                                                  \
    public:                                                                                                            \
        Class(const DataManager& owner, QString shortName, int id)                                                     \
            : TData_WSI_base(owner, std::move(shortName), id, column)                                                  \
        { }                                                                                                            \
    }
// NOLINTEND(bugprone-macro-parentheses)

SALVENTO_SUITABILITY_KIND(TData_WSI_SB, 0);
SALVENTO_SUITABILITY_KIND(TData_WSI_AB, 1);
SALVENTO_SUITABILITY_KIND(TData_WSI_MR, 2);
SALVENTO_SUITABILITY_KIND(TData_WSI_AR, 3);
SALVENTO_SUITABILITY_KIND(TData_WSI_ST, 4);
