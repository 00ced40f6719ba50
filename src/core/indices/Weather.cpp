#include "core/indices/Weather.h"

#include <array>
#include <bit>
#include <cmath>
#include <utility>

namespace {

// Where each field of the code lies: its lowest bit and its mask, in the order of TWeatherCode::Field.
struct FieldBits
{
    int shift;
    std::uint32_t mask;
};
constexpr std::array<FieldBits, 7> Layout = {{{0, 0xF}, {4, 0x3}, {6, 0x3}, {8, 0x3}, {10, 0x1}, {11, 0x1}, {12, 0x1}}};
constexpr std::uint32_t ReservedBits = ~std::uint32_t(0) << 13;

// The strain class of a letter or digit: T/0, C/1, H/2 (upper case only); −1 for anything else.
int StrainClass(QChar c)
{
    switch (c.unicode()) {
    case u'T':
    case u'0':
        return 0;
    case u'C':
    case u'1':
        return 1;
    case u'H':
    case u'2':
        return 2;
    default:
        return -1;
    }
}

// The low four bits of trunc(x) as a two's-complement integer, for any finite x: every field of the
// code is at most four bits wide and keeps only its own low bits of it.
std::uint32_t LowBits(Real x)
{
    Real n = std::fmod(std::trunc(x), 16.0L);   // exact, with the sign of x
    if (n < 0)
        n += 16;
    return std::uint32_t(n);
}

// Walks a weather-type text from a 1-based position.
class CodeReader
{
public:
    CodeReader(QStringView text, qsizetype& position) : m_text(text), m_position(position) { }

    // Advances over separators (stopping at a minus when asked); true when a character is left.
    bool SkipSeparators(bool stopAtMinus = false)
    {
        while (More() && IsWeatherSeparator(Current()) && !(stopAtMinus && Current() == u'-'))
            ++m_position;
        return More();
    }
    bool More() const { return m_position <= m_text.size(); }
    QChar Current() const { return m_text[m_position - 1]; }
    // The current character, consumed. Only while More().
    QChar Take() { return m_text[m_position++ - 1]; }
    // Consumes one character; true when it is a digit from `low` to `high`, stored in `value`.
    bool TakeDigit(std::uint32_t low, std::uint32_t high, std::uint32_t& value)
    {
        const QChar c = Take();
        if (c < u'0' || c > u'9')
            return false;
        value = std::uint32_t(c.unicode() - u'0');
        return value >= low && value <= high;
    }

private:
    QStringView m_text;
    qsizetype& m_position;
};

}   // namespace

TWeatherCode TWeatherCode::FromValue(float value)
{
    return TWeatherCode(std::bit_cast<std::uint32_t>(value));
}

float TWeatherCode::ToValue() const
{
    return std::bit_cast<float>(m_bits);
}

std::uint32_t TWeatherCode::Get(Field field) const
{
    const FieldBits& bits = Layout[std::size_t(field)];
    return (m_bits >> bits.shift) & bits.mask;
}

void TWeatherCode::Set(Field field, std::uint32_t value)
{
    const FieldBits& bits = Layout[std::size_t(field)];
    m_bits = (m_bits & ~(bits.mask << bits.shift)) | ((value & bits.mask) << bits.shift);
}

int WeatherTypeIndex(TWeatherCode code)
{
    const std::uint32_t sensation = code.Get(TWeatherCode::Sensation);
    const std::uint32_t radiation = code.Get(TWeatherCode::Radiation);
    const std::uint32_t strain = code.Get(TWeatherCode::Strain);
    const std::uint32_t sultriness = code.Get(TWeatherCode::Sultriness);
    if ((code.Bits() & ReservedBits) != 0 || sensation > 6 || radiation == 0 || strain > 2 || sultriness > 2)
        return -1;
    return int(sensation * 216 + (radiation - 1) * 72 + strain * 24 + sultriness * 8 + code.Get(TWeatherCode::Range) * 4
               + code.Get(TWeatherCode::Precipitation) * 2 + code.Get(TWeatherCode::Snow));
}

bool IsWeatherSeparator(QChar c)
{
    return c.isPunct() || c.isSymbol() || c.isSpace();
}

bool ParseWeatherCode(TWeatherCode& code, QStringView text, qsizetype& position)
{
    CodeReader reader(text, position);
    if (!reader.SkipSeparators(true))
        return false;
    bool negative = false;
    if (reader.Current() == u'-') {
        reader.Take();
        if (!reader.More())
            return false;
        negative = true;
    }
    std::uint32_t digit = 0;
    if (!reader.TakeDigit(0, 3, digit))
        return false;
    code.Set(TWeatherCode::Sensation, negative ? 3 - digit : 3 + digit);
    if (!reader.SkipSeparators() || !reader.TakeDigit(1, 3, digit))
        return false;
    code.Set(TWeatherCode::Radiation, digit);
    if (!reader.SkipSeparators())
        return false;
    const int strain = StrainClass(reader.Take());
    if (strain < 0)
        return false;
    code.Set(TWeatherCode::Strain, std::uint32_t(strain));
    if (!reader.SkipSeparators() || !reader.TakeDigit(0, 2, digit))
        return false;
    code.Set(TWeatherCode::Sultriness, digit);
    for (const auto field : {TWeatherCode::Range, TWeatherCode::Precipitation, TWeatherCode::Snow}) {
        if (!reader.SkipSeparators() || !reader.TakeDigit(0, 1, digit))
            return false;
        code.Set(field, digit);
    }
    return true;
}

// Thermal sensation classes of the subjective temperature index: very cold, cold, cool,
// comfortable, warm, hot, very hot.
float TData_W_Sens::Compute(EvaluationState& row) const
{
    Real x = row.Input(kind::STI);   // subjective temperature index [°C]
    if (x == NoValue)
        x = row.Input(kind::pSTI);   // its simple estimate when the full one is missing
    if (x == NoValue)
        return NoValue;
    if (x < -38)
        return -3;
    if (x < -0.5)
        return -2;
    if (x < 22.5)
        return -1;
    if (x < 32)
        return 0;
    if (x < 46)
        return 1;
    if (x < 55)
        return 2;
    return 3;
}

// Weak, moderate and strong solar radiation absorbed by a person.
float TData_W_Rad::Compute(EvaluationState& row) const
{
    const Real x = row.Input(kind::Rprim);   // absorbed solar radiation [W/m²]
    if (x == NoValue)
        return NoValue;
    if (x <= 75)
        return 1;
    if (x <= 150)
        return 2;
    return 3;
}

// No, moderate and strong sultriness.
float TData_W_Sult::Compute(EvaluationState& row) const
{
    Real x = row.Input(kind::HSI);   // heat strain index [%]
    if (x == NoValue)
        x = row.Input(kind::pHSI);
    if (x == NoValue)
        return NoValue;
    if (x <= 30)
        return 0;
    if (x <= 70)
        return 1;
    return 2;
}

float TData_dt::Compute(EvaluationState& row) const
{
    const Real tmin = row.Input(kind::tmin);   // daily minimum [°C]
    if (tmin == NoValue)
        return NoValue;
    const Real tmax = row.Input(kind::tmax);   // daily maximum [°C]
    if (tmax == NoValue)
        return NoValue;
    return Result(tmax - tmin);
}

float TData_W_TAmp::Compute(EvaluationState& row) const
{
    const Real x = row.Input(kind::dt);   // daily temperature range [K]
    if (x == NoValue)
        return NoValue;
    return x < 8 ? 0 : 1;
}

float TData_W_Prec::Compute(EvaluationState& row) const
{
    const Real x = row.Input(kind::prec);   // precipitation [mm]
    if (x == NoValue)
        return NoValue;
    return x < 1 ? 0 : 1;
}

float TData_W_Snow::Compute(EvaluationState& row) const
{
    const Real x = row.Input(kind::snow);   // snow cover [cm]
    if (x == NoValue)
        return NoValue;
    return x < 10 ? 0 : 1;
}

// The physiological strain compares the convective with the evaporative heat loss: evaporation
// dominating means heat strain, convection dominating means cold strain.
float TData_W_Strain::Compute(EvaluationState& row) const
{
    Real x = row.Input(kind::PhS);
    if (x == NoValue)
        x = row.Input(kind::pPhS);
    if (x == NoValue)
        return NoValue;
    if (x < 0.75)
        return 2;
    if (x <= 1.5)
        return 0;
    return 1;
}

ShownText TData_W_Strain::SetCellFromText(TCellData& cell, QStringView text)
{
    cell.Number = NoValue;
    if (text.size() != 1) {
        cell.NoValidValue = 1;
        return ShownText::Text(text.toString());
    }
    cell.NoValidValue = 0;
    const int strain = StrainClass(text.front());
    if (strain < 0) {
        cell.RangeState = 1;   // kept as typed and shown as a bad value
        return ShownText::Text(text.toString());
    }
    cell.RangeState = 0;
    cell.Number = float(strain);
    return FormatValue(cell.Number);
}

ShownText TData_W_Strain::SetCellValue(TCellData& cell, float value)
{
    cell.RangeState = 0;
    cell.Number = value;
    cell.NoValidValue = value == NoValue;
    return cell.NoValidValue ? ShownText() : FormatValue(value);
}

ShownText TData_W_Strain::FormatValue(float value) const
{
    if (value == NoValue)
        return ShownText();
    if (value < 0.5f)
        return ShownText::Text(QStringLiteral("T"));
    if (value < 1.5f)
        return ShownText::Text(QStringLiteral("C"));
    return ShownText::Text(QStringLiteral("H"));
}

float TData_Weather::Compute(EvaluationState& row) const
{
    static constexpr std::array<std::pair<int, TWeatherCode::Field>, 7> Components = {{
        {kind::W_Sens, TWeatherCode::Sensation},
        {kind::W_Rad, TWeatherCode::Radiation},
        {kind::W_Strain, TWeatherCode::Strain},
        {kind::W_Sult, TWeatherCode::Sultriness},
        {kind::W_TAmp, TWeatherCode::Range},
        {kind::W_Prec, TWeatherCode::Precipitation},
        {kind::W_Snow, TWeatherCode::Snow},
    }};
    TWeatherCode code;
    for (const auto& [id, field] : Components) {
        const Real x = row.Input(id);
        if (x == NoValue)
            return NoValue;
        // The classes are whole numbers; the small offset guards against a class given as 1.9999.
        // Sensation is stored with its offset of 3.
        code.Set(field, LowBits(x + (field == TWeatherCode::Sensation ? 3.1 : 0.1)));
    }
    return code.ToValue();
}

ShownText TData_Weather::SetCellFromText(TCellData& cell, QStringView text)
{
    cell.Number = NoValue;
    if (text.isEmpty()) {
        cell.NoValidValue = 1;
        return ShownText();
    }
    TWeatherCode code;
    qsizetype position = 1;
    cell.NoValidValue = 0;
    if (!ParseWeatherCode(code, text, position)) {
        cell.RangeState = 1;   // kept as typed and shown as a bad value
        return ShownText::Text(text.toString());
    }
    cell.RangeState = 0;
    cell.Number = code.ToValue();
    return FormatValue(cell.Number);
}

ShownText TData_Weather::SetCellValue(TCellData& cell, float value)
{
    cell.RangeState = 0;
    cell.Number = value;
    cell.NoValidValue = value == NoValue;
    return cell.NoValidValue ? ShownText() : FormatValue(value);
}

ShownText TData_Weather::FormatValue(float value) const
{
    if (value == NoValue)
        return ShownText();
    const TWeatherCode code = TWeatherCode::FromValue(value);
    // Each field as its component kind shows its class.
    const auto shown = [&](int id, TWeatherCode::Field field, int offset) {
        const float classValue = float(int(code.Get(field)) - offset);
        return Kind(id).FormatValue(classValue).Resolve(classValue);
    };
    return ShownText::Text(
        shown(kind::W_Sens, TWeatherCode::Sensation, 3) + QLatin1Char('_')
        + shown(kind::W_Rad, TWeatherCode::Radiation, 0) + shown(kind::W_Strain, TWeatherCode::Strain, 0)
        + shown(kind::W_Sult, TWeatherCode::Sultriness, 0) + QLatin1Char('_')
        + shown(kind::W_TAmp, TWeatherCode::Range, 0) + shown(kind::W_Prec, TWeatherCode::Precipitation, 0)
        + shown(kind::W_Snow, TWeatherCode::Snow, 0));
}
