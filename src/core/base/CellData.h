#pragma once

#include "core/base/NumberText.h"

#include <QString>

#include <cstdint>

// The value object of one data cell: its number, whether it holds a valid number at all, and
// whether the number lies outside the admissible range of the column's data kind.
struct TCellData
{
    float Number = NoValue;              // meaningful only when NoValidValue is 0
    std::uint8_t NoValidValue : 1 = 1;   // empty, not a number, or the NoValue marker
    std::uint8_t RangeState : 2 = 0;     // 1: outside the range of the column's kind; else 0
};

// What a data cell shows. Most cells show their own number with a fixed count of decimals: such a
// text is not kept as a string but produced when asked, with the program's decimal separator (which
// is how a change of separator reaches every numeric cell at once). Any other text is kept as it is.
class ShownText
{
public:
    ShownText() = default;   // the empty text

    static ShownText Number(int decimals)
    {
        ShownText shown;
        shown.m_decimals = decimals;
        return shown;
    }
    static ShownText Text(QString text)
    {
        ShownText shown;
        shown.m_text = std::move(text);
        return shown;
    }

    bool IsNumber() const { return m_decimals >= 0; }
    int Decimals() const { return m_decimals; }
    const QString& Text() const { return m_text; }
    QString TakeText() { return std::move(m_text); }

    // The text itself, for a cell whose number is `number`.
    QString Resolve(float number) const { return IsNumber() ? FormatNumber(number, m_decimals) : m_text; }

private:
    QString m_text;
    int m_decimals = -1;
};
