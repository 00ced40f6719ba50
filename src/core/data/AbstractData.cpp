#include "core/data/AbstractData.h"

#include "core/base/CommaText.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"

#include <cmath>

TAbstractData::TAbstractData(const DataManager& owner, QString shortName, int id, bool isInteger)
    : ShortName(std::move(shortName)), Name(ShortName), Id(id), IsInteger(isInteger), Owner(owner)
{ }

float TAbstractData::Compute(EvaluationState& row) const
{
    return row.Stored(Id);
}

ShownText TAbstractData::SetCellFromText(TCellData& cell, QStringView text)
{
    if (const auto number = ParseNumber(text))
        return SetCellValue(cell, *number);
    cell.Number = NoValue;
    cell.NoValidValue = 1;
    return ShownText::Text(text.toString());
}

ShownText TAbstractData::SetCellValue(TCellData& cell, float value)
{
    cell.Number = value;
    cell.NoValidValue = value == NoValue;
    RangeCheck(this, cell);
    return cell.NoValidValue ? ShownText() : FormatValue(value);
}

ShownText TAbstractData::FormatValue(float value) const
{
    const int decimals = IsInteger ? 0 : 2;
    if (value == NoValue || !ShowClasses || Thresholds.size() < 2)
        return ShownText::Number(decimals);
    QString text = ClassName(value);
    if (ShowNumberWithClass)
        text += QStringLiteral(" (") + FormatNumber(value, decimals) + QLatin1Char(')');
    return ShownText::Text(text);
}

float TAbstractData::GetValue(EvaluationState& row) const
{
    KindState& state = row.State(Id);
    if (!state.Ready)
        return state.Value;
    if (state.FromSource) {
        switch (DualOption) {
        case SourceOrFormula::Formula:
            state.Value = row.Compute(*this);
            break;
        case SourceOrFormula::FormulaElseSource:
            if (const float computed = row.Compute(*this); computed != NoValue)
                state.Value = computed;
            break;
        case SourceOrFormula::SourceElseFormula:
            if (state.Value == NoValue)
                state.Value = row.Compute(*this);
            break;
        default:
            break;
        }
    } else if (state.Value == NoValue) {
        state.Value = row.Compute(*this);
    }
    if (state.Value == NoValue) {
        state.Value = DefaultValue;
        if (DefaultValue != NoValue)
            row.MarkDefault(Id);
    }
    return state.Value;
}

const TAbstractData& TAbstractData::Kind(int id) const
{
    return *Owner.GetById(id);
}

int TAbstractData::ClassIndex(float value) const
{
    const int last = int(Thresholds.size()) - 1;
    for (int i = 0; i < last; ++i) {
        const auto& threshold = Thresholds[std::size_t(i)].Threshold;
        if (threshold && *threshold > value)
            return i;
    }
    return last;
}

QString TAbstractData::ClassName(float value) const
{
    if (Thresholds.empty())
        return QString();
    return Thresholds[std::size_t(ClassIndex(value))].Name;
}

void TAbstractData::ThresholdValues(std::vector<float>& values) const
{
    values.clear();
    for (std::size_t i = 0; i + 1 < Thresholds.size(); ++i)
        if (Thresholds[i].Threshold)
            values.push_back(*Thresholds[i].Threshold);
}

void TAbstractData::SetThresholds(QStringView names, QStringView thresholds)
{
    Thresholds.clear();
    for (const QString& name : SplitCommaText(names))
        Thresholds.push_back({name, std::nullopt});
    const QStringList values = SplitCommaText(thresholds);
    for (qsizetype i = 0; i < values.size() && i < qsizetype(Thresholds.size()); ++i)
        Thresholds[std::size_t(i)].Threshold = float(LeadingNumber(values[i]));
}

void TAbstractData::SetName(const QString& text)
{
    Name = text;
    MarkChanged(KindSetting::Name);
}

void TAbstractData::SetDescription(const QString& text)
{
    Description = text;
    MarkChanged(KindSetting::Description);
}

void TAbstractData::SetDualOption(SourceOrFormula option)
{
    if (option == DualOption)
        return;
    DualOption = option;
    MarkChanged(KindSetting::DualOption);
}

void TAbstractData::SetDefaultFromText(QStringView text)
{
    DefaultValue = ParseNumber(text).value_or(NoValue);
    MarkChanged(KindSetting::Default);
}

void TAbstractData::SetMinimumFromText(QStringView text)
{
    Minimum = ParseNumber(text).value_or(NoValue);
    MarkChanged(KindSetting::Minimum);
}

void TAbstractData::SetMaximumFromText(QStringView text)
{
    Maximum = ParseNumber(text).value_or(NoValue);
    MarkChanged(KindSetting::Maximum);
}

void RangeCheck(const TAbstractData* kind, TCellData& cell)
{
    if (cell.NoValidValue)
        return;
    if (!kind) {
        cell.RangeState = 0;
        return;
    }
    const float value = cell.Number;
    const bool aboveMinimum = kind->Minimum == NoValue || value >= kind->Minimum;
    const bool belowMaximum = kind->Maximum == NoValue || value <= kind->Maximum;
    cell.RangeState = aboveMinimum && belowMaximum ? 0 : 1;
}

ShownText ParseCellText(TAbstractData* kind, TCellData& cell, QStringView text)
{
    if (kind)
        return kind->SetCellFromText(cell, text);
    if (const auto number = ParseNumber(text))
        return SetCellValueFor(nullptr, cell, *number);
    cell.Number = NoValue;
    cell.NoValidValue = 1;
    return ShownText::Text(text.toString());
}

ShownText SetCellValueFor(TAbstractData* kind, TCellData& cell, float value)
{
    if (!std::isfinite(value))
        value = NoValue;
    if (kind) {
        ShownText shown = kind->SetCellValue(cell, value);
        RangeCheck(kind, cell);
        return shown;
    }
    cell.Number = value;
    cell.NoValidValue = value == NoValue;
    cell.RangeState = 0;
    return cell.NoValidValue ? ShownText() : ShownText::Number(2);
}

QString FormatFor(const TAbstractData* kind, float value)
{
    if (!kind)
        return FormatNumber(value, 2);
    return kind->FormatValue(value).Resolve(value);
}
