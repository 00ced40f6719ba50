#include "core/data/AbstractData.h"

#include "core/base/CommaText.h"
#include "core/data/DataManager.h"
#include "core/settings/IniFile.h"

#include <cmath>

namespace {

// Values of the data-kind sections are read with room for 500 characters.
constexpr int ConfigValueLength = 500;

// Configuration numbers: the point as decimal separator, leading numeric part; empty: unchanged.
void ReadConfigNumber(const IniFile& ini, const QString& section, const QString& key, float& field)
{
    const QString text = ini.ReadString(section, key, QString(), ConfigValueLength);
    if (!text.isEmpty())
        field = float(LeadingNumber(text));
}

QString ConfigNumberText(float value)
{
    return value == NoValue ? QString() : QString::asprintf("%.2f", double(value));
}

}   // namespace

TAbstractData::TAbstractData(DataManager& owner, QString shortName, int id, bool isInteger)
    : ShortName(std::move(shortName)), Id(id), IsInteger(isInteger), Owner(owner), Name(ShortName)
{
    LoadConfiguration();
}

TAbstractData::~TAbstractData()
{
    SaveConfiguration();
}

void TAbstractData::LoadConfiguration()
{
    const IniFile& ini = Owner.Ini();
    const QString& language = Owner.LanguageCode();
    ReadConfigNumber(ini, QStringLiteral("Defaults"), ShortName, DefaultValue);
    ReadConfigNumber(ini, QStringLiteral("Typicals"), ShortName, TypicalValue);
    ReadConfigNumber(ini, QStringLiteral("Minima"), ShortName, Minimum);
    ReadConfigNumber(ini, QStringLiteral("Maxima"), ShortName, Maximum);
    Name = ini.ReadString(QStringLiteral("Names"), ShortName, ShortName, ConfigValueLength);
    Description = ini.ReadString(QStringLiteral("Descriptions") + language, ShortName, QString(), ConfigValueLength);
    const QString classNames = ini.ReadString(QStringLiteral("ThresholdsNames") + language, ShortName, QString(),
                                              ConfigValueLength);
    const QString thresholds = ini.ReadString(QStringLiteral("Thresholds"), ShortName, QString(), ConfigValueLength);
    SetThresholds(classNames, thresholds);
    DualOption = ini.ReadInteger(QStringLiteral("DualOptions"), ShortName, 3);
}

void TAbstractData::SaveConfiguration() const
{
    IniFile& ini = Owner.Ini();
    if (DescriptionChanged)
        ini.WriteString(QStringLiteral("Descriptions") + Owner.LanguageCode(), ShortName, Description);
    if (NameChanged)
        ini.WriteString(QStringLiteral("Names"), ShortName, Name);
    if (DefaultChanged)
        ini.WriteString(QStringLiteral("Defaults"), ShortName, ConfigNumberText(DefaultValue));
    if (MinimumChanged)
        ini.WriteString(QStringLiteral("Minima"), ShortName, ConfigNumberText(Minimum));
    if (MaximumChanged)
        ini.WriteString(QStringLiteral("Maxima"), ShortName, ConfigNumberText(Maximum));
    if (DualOptionChanged)
        ini.WriteString(QStringLiteral("DualOptions"), ShortName, QString::number(DualOption));
}

float TAbstractData::Compute()
{
    return Value;
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

float TAbstractData::GetValue()
{
    if (!Ready)
        return Value;
    if (FromSource) {
        switch (DualOption) {
        case 1:
            Value = Compute();
            break;
        case 2:
            if (const float computed = Compute(); computed != NoValue)
                Value = computed;
            break;
        case 3:
            if (Value == NoValue)
                Value = Compute();
            break;
        default:
            break;
        }
    } else if (Value == NoValue) {
        Value = Compute();
    }
    if (Value == NoValue)
        Value = DefaultValue;
    return Value;
}

float TAbstractData::Input(int id) const
{
    return Kind(id).GetValue();
}

float TAbstractData::Stored(int id) const
{
    return Kind(id).Value;
}

TAbstractData& TAbstractData::Kind(int id) const
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
    NameChanged = true;
}

void TAbstractData::SetDescription(const QString& text)
{
    Description = text;
    DescriptionChanged = true;
}

void TAbstractData::SetDualOption(int option)
{
    if (option == DualOption)
        return;
    DualOption = option;
    DualOptionChanged = true;
}

void TAbstractData::SetDefaultFromText(QStringView text)
{
    DefaultValue = ParseNumber(text).value_or(NoValue);
    DefaultChanged = true;
}

void TAbstractData::SetMinimumFromText(QStringView text)
{
    Minimum = ParseNumber(text).value_or(NoValue);
    MinimumChanged = true;
}

void TAbstractData::SetMaximumFromText(QStringView text)
{
    Maximum = ParseNumber(text).value_or(NoValue);
    MaximumChanged = true;
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
