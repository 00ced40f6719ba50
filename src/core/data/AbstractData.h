#pragma once

#include "core/base/CellData.h"

#include <QString>
#include <QStringView>

#include <bitset>
#include <optional>
#include <vector>

class DataManager;
class EvaluationState;

// One class of a data kind: its name and the upper threshold of the class (none for the last).
struct TClassEntry
{
    QString Name;
    std::optional<float> Threshold;
};

// How a computed kind that a source table also gives combines the table's value with its formula.
// The configuration may hold any number; every other number acts like Source.
enum class SourceOrFormula
{
    Formula = 1,             // the formula always, the table's value is replaced
    FormulaElseSource = 2,   // the formula, the table's value when the formula gives nothing
    SourceElseFormula = 3,   // the table's value, the formula for an empty cell
    Source = 4,              // the table's value only
};

// The configuration items of a kind that the user can change and the DataManager saves.
enum class KindSetting
{
    Name,
    Description,
    Default,
    Minimum,
    Maximum,
    DualOption,
    Count
};

// A data kind: a measured input (air temperature t, wind speed v …) or a computed index (WBGT,
// PMV …). The kind is its configuration (names, description, default, typical value, range,
// classes, dual option), loaded and saved by its DataManager, and its formula. What it holds while
// a row is evaluated (value, from-source flag) lives in an EvaluationState, so that the kinds are
// only read while rows are evaluated.
class TAbstractData
{
public:
    TAbstractData(const DataManager& owner, QString shortName, int id, bool isInteger);
    virtual ~TAbstractData() = default;

    TAbstractData(const TAbstractData&) = delete;
    TAbstractData& operator=(const TAbstractData&) = delete;

    // The kind's formula for the row of `row`; the base kind returns the stored value unchanged, so
    // an input yields what the table gave. A formula returns NoValue when it cannot compute.
    virtual float Compute(EvaluationState& row) const;
    // Whether Compute does nothing but read the row (Input, Stored) and compute from what it read, so
    // that the same values read give the same result.
    virtual bool FormulaOnlyReads() const { return false; }
    // Stores user or file text into a cell and returns what the cell shows. Text that is not a
    // number leaves the cell without a valid value and is shown as typed.
    virtual ShownText SetCellFromText(TCellData& cell, QStringView text);
    // Stores a value into a cell (NoValue clears it), checks its range and returns what it shows.
    virtual ShownText SetCellValue(TCellData& cell, float value);
    // How a value of this kind is shown: the number with 0 (integer kinds) or 2 decimals, or, when
    // classes are shown, the class name followed by the number in parentheses.
    virtual ShownText FormatValue(float value) const;

    // The value of the kind in the row of `row`, computed when needed (dual option, default) and
    // kept in `row` for the rest of the row.
    float GetValue(EvaluationState& row) const;

    // Index of the class of `value`: the first class whose threshold is greater than the value; the
    // last class when none is. A value equal to a threshold belongs to the class above it.
    int ClassIndex(float value) const;
    QString ClassName(float value) const;
    // The thresholds, in order, replacing the content of `values`.
    void ThresholdValues(std::vector<float>& values) const;
    // Class names and thresholds from two comma texts (names ascending, one threshold fewer).
    void SetThresholds(QStringView names, QStringView thresholds);

    // The setters of the items the DataManager saves; each marks its item changed.
    void SetName(const QString& text);
    void SetDescription(const QString& text);
    void SetDualOption(SourceOrFormula option);
    // Each converts with ParseNumber; text that is not a number clears the field to NoValue.
    void SetDefaultFromText(QStringView text);
    void SetMinimumFromText(QStringView text);
    void SetMaximumFromText(QStringView text);

    // Whether the item was set since the configuration was loaded or last saved.
    bool IsChanged(KindSetting setting) const { return m_changed.test(std::size_t(setting)); }

    const QString ShortName;
    QString Name;
    QString Description;
    std::vector<TClassEntry> Thresholds;
    float DefaultValue = NoValue;
    float TypicalValue = NoValue;
    float Minimum = NoValue;
    float Maximum = NoValue;
    SourceOrFormula DualOption = SourceOrFormula::SourceElseFormula;
    const int Id;
    const bool IsInteger;
    const bool ShowNumberWithClass = true;
    bool ShowClasses = false;
    bool IsTextual = false;
    // Set by the data options for a kind renamed or given another range: the columns bound to it
    // are headed again.
    bool Marked = false;
    const DataManager& Owner;

protected:
    const TAbstractData& Kind(int id) const;

private:
    friend class DataManager;   // loads the configuration and clears the changes it saved

    void MarkChanged(KindSetting setting) { m_changed.set(std::size_t(setting)); }

    std::bitset<std::size_t(KindSetting::Count)> m_changed;
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
