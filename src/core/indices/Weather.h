#pragma once

// Weather classification: seven component classes (thermal sensation, solar radiation, thermal
// strain, sultriness, daily temperature range, precipitation, snow cover) packed into one
// weather-type code, shown in tables as a short text such as -1_2T1_010.

#include "core/indices/Formula.h"

#include <QStringView>

#include <cstdint>

// The packed weather-type code: a 32-bit word whose bit pattern is the float32 value of the kind
// Weather. Fields, from bit 0 up: sensation class + 3 (4 bits, 0…6), radiation class (2 bits,
// 1…3), strain class (2 bits, 0 = T, 1 = C, 2 = H), sultriness class (2 bits, 0…2), temperature
// range, precipitation and snow cover (1 bit each). Bits 13…31 are always 0.
class TWeatherCode
{
public:
    enum Field
    {
        Sensation,
        Radiation,
        Strain,
        Sultriness,
        Range,
        Precipitation,
        Snow
    };

    TWeatherCode() = default;
    explicit TWeatherCode(std::uint32_t bits) : m_bits(bits) { }

    // The code whose bits are those of the float value (any value, NoValue included).
    static TWeatherCode FromValue(float value);
    // The float32 with the bits of the code: a tiny positive number, never NoValue.
    float ToValue() const;

    std::uint32_t Bits() const { return m_bits; }
    // The stored field, as its bits hold it (sensation with its offset of 3).
    std::uint32_t Get(Field field) const;
    // Stores the low bits of `value` that fit the field; the other fields stay.
    void Set(Field field, std::uint32_t value);

private:
    std::uint32_t m_bits = 0;
};

// Number of weather types, the index range of the suitability table.
inline constexpr int WeatherTypeCount = 7 * 3 * 3 * 3 * 2 * 2 * 2;

// The weather type 0…1511 of a code: sensation field · 216 + (radiation − 1) · 72 + strain · 24 +
// sultriness · 8 + range · 4 + precipitation · 2 + snow. −1 for a word that is no weather type (a
// field beyond its classes, radiation 0, a reserved bit set), so that it never stands for another.
int WeatherTypeIndex(TWeatherCode code);

// The characters that may separate the fields of a weather-type text and the scores of WSI.INI:
// punctuation, symbols and white space (in ASCII every printable character but letters and digits).
bool IsWeatherSeparator(QChar c);

// Reads a weather-type text such as -1_2T1_010 into `code`, from the 1-based character `position`
// of `text`, which is left after the last character consumed. Fields may be separated by ASCII
// punctuation or white space, or not at all (-12T1010); characters after the snow digit are not
// read. Returns false when a field is missing or outside its classes; `code` may then hold the
// fields read so far. The caller starts from a zeroed code.
bool ParseWeatherCode(TWeatherCode& code, QStringView text, qsizetype& position);

// The thermal sensation class −3…3 from the subjective temperature index STI [°C] (pSTI when STI
// is missing); NoValue when both are missing.
SALVENTO_FORMULA_KIND(TData_W_Sens);
// The solar radiation class 1…3 from the absorbed solar radiation Rprim [W/m²]; NoValue without it.
SALVENTO_FORMULA_KIND(TData_W_Rad);
// The sultriness class 0…2 from the heat strain index HSI [%] (pHSI when HSI is missing).
SALVENTO_FORMULA_KIND(TData_W_Sult);
// The daily temperature range tmax − tmin [K]; NoValue when either is missing.
SALVENTO_FORMULA_KIND(TData_dt);
// The temperature range class: 1 for a daily range of 8 K or more, else 0.
SALVENTO_FORMULA_KIND(TData_W_TAmp);
// The precipitation class: 1 for a precipitation prec of 1 mm or more, else 0.
SALVENTO_FORMULA_KIND(TData_W_Prec);
// The snow cover class: 1 for a snow cover snow of 10 cm or more, else 0.
SALVENTO_FORMULA_KIND(TData_W_Snow);

// The thermal strain class from the physiological strain PhS (pPhS when PhS is missing): 0 (T,
// thermoneutral) for 0.75 ≤ PhS ≤ 1.5, 1 (C, cold strain) above, 2 (H, heat strain) below. Cells
// show and accept the letters T, C, H (or the digits 0, 1, 2).
class TData_W_Strain : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float Compute(EvaluationState& row) const override;
    // One character T/0, C/1 or H/2; another single character is kept as typed and marked out of
    // range; any other length leaves the cell without a value.
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    // Stores the class without a range check; NoValue empties the cell.
    ShownText SetCellValue(TCellData& cell, float value) override;
    // "T" below 0.5, "C" below 1.5, "H" from there; the empty text for NoValue.
    ShownText FormatValue(float value) const override;
};

// The weather type of the row: its value is the float32 whose bits are the packed code (never used
// in arithmetic); NoValue when a component class is missing. Cells show and accept the text form.
class TData_Weather : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float Compute(EvaluationState& row) const override;
    // A weather-type text, stored as its code and shown normalised; a text that is no code is kept
    // as typed and marked out of range; the empty text leaves the cell without a value.
    ShownText SetCellFromText(TCellData& cell, QStringView text) override;
    // Stores the code without a range check; NoValue empties the cell.
    ShownText SetCellValue(TCellData& cell, float value) override;
    // The text form, each field as its component kind shows it: -1_2T1_010; empty for NoValue.
    ShownText FormatValue(float value) const override;
};
