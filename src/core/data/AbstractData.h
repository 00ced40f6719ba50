#pragma once

#include "core/base/CellData.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class DataManager;

// One class of a data kind: its name and the upper threshold of the class (none for the last).
struct TClassEntry
{
    QString Name;
    std::optional<float> Threshold;
};

// A data kind: a measured input (air temperature t, wind speed v …) or a computed index (WBGT,
// PMV …). Its configuration comes from SALVENTO.INI at construction and what the user changed is
// written back when the kind is destroyed. Per table row it holds its Value, computed on demand by
// GetValue and cached until the DataManager resets the row.
class TAbstractData
{
public:
    // Loads the configuration of `shortName` from the owner's INI file.
    TAbstractData(DataManager& owner, QString shortName, int id, bool isInteger);
    // Writes back every configuration item whose changed flag is set.
    virtual ~TAbstractData();

    TAbstractData(const TAbstractData&) = delete;
    TAbstractData& operator=(const TAbstractData&) = delete;

    // The kind's formula for the current row; the base kind returns Value unchanged, so an input
    // yields what the table gave. A formula returns NoValue when it cannot compute.
    virtual float Compute();
    // Stores user or file text into a cell and returns what the cell shows. Text that is not a
    // number leaves the cell without a valid value and is shown as typed.
    virtual ShownText SetCellFromText(TCellData& cell, QStringView text);
    // Stores a value into a cell (NoValue clears it), checks its range and returns what it shows.
    virtual ShownText SetCellValue(TCellData& cell, float value);
    // How a value of this kind is shown: the number with 0 (integer kinds) or 2 decimals, or, when
    // classes are shown, the class name followed by the number in parentheses.
    virtual ShownText FormatValue(float value) const;

    // The value for the current row, computed when needed (dual option, default) and cached.
    float GetValue();

    // Index of the class of `value`: the first class whose threshold is greater than the value; the
    // last class when none is. A value equal to a threshold belongs to the class above it.
    int ClassIndex(float value) const;
    QString ClassName(float value) const;
    // The thresholds, in order, replacing the content of `values`.
    void ThresholdValues(std::vector<float>& values) const;
    // Class names and thresholds from two comma texts (names ascending, one threshold fewer).
    void SetThresholds(QStringView names, QStringView thresholds);

    void SetName(const QString& text);
    void SetDescription(const QString& text);
    void SetDualOption(int option);
    // Each converts with ParseNumber; text that is not a number clears the field to NoValue.
    void SetDefaultFromText(QStringView text);
    void SetMinimumFromText(QStringView text);
    void SetMaximumFromText(QStringView text);

    QString Description;
    const QString ShortName;
    std::vector<TClassEntry> Thresholds;
    float Value = NoValue;
    float DefaultValue = NoValue;
    float TypicalValue = NoValue;
    float Minimum = NoValue;
    float Maximum = NoValue;
    const int Id;
    int DualOption = 3;
    bool DualOptionChanged = false;
    bool NameChanged = false;
    bool DescriptionChanged = false;
    bool DefaultChanged = false;
    bool MinimumChanged = false;
    bool MaximumChanged = false;
    bool ShowClasses = false;
    const bool ShowNumberWithClass = true;
    const bool IsInteger;
    bool IsTextual = false;
    DataManager& Owner;
    QString Name;
    bool FromSource = false;
    bool Ready = false;
    bool Marked = false;

protected:
    // The value of kind `id` for the current row, computed when needed (GetValue).
    float Input(int id) const;
    // The stored Value of kind `id`, read without computing anything.
    float Stored(int id) const;
    TAbstractData& Kind(int id) const;

private:
    void LoadConfiguration();
    void SaveConfiguration() const;
};

// Operations on a column's kind or on none (a column without a kind).

// Sets the cell's RangeState from the kind's range (bounds inclusive); none: admissible. A cell
// without a valid value is left as it is.
void RangeCheck(const TAbstractData* kind, TCellData& cell);
// Stores text into a cell through the kind, or as a plain number or text without one.
ShownText ParseCellText(TAbstractData* kind, TCellData& cell, QStringView text);
// Stores a value into a cell through the kind (and checks its range once more), or plainly with
// 2 decimals without one. A value that is not finite is stored as a missing value.
ShownText SetCellValueFor(TAbstractData* kind, TCellData& cell, float value);
// The text of a value as the kind shows it, or with 2 decimals without a kind.
QString FormatFor(const TAbstractData* kind, float value);
