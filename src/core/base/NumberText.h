#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

// The one marker of a missing value: in table cells, in every field of a data kind and in every
// formula result. Always compared exactly, as a float32.
inline constexpr float NoValue = -715936.0f;

// The program-wide decimal separator. Every conversion between cell text and number follows it;
// the program options choose it (a point, or the system's separator).
extern QChar DecimalSeparator;

// Text without the characters of code 32 or less at either end (blanks, tabs, control characters);
// the same for UTF-8 text.
QStringView TrimControl(QStringView text);
QByteArrayView TrimControl(QByteArrayView utf8);

// Text to number, the only way tables read numbers. The text is trimmed like TrimControl; the
// decimal separator must be `decimalSeparator` (a text holding a point is refused when the separator
// is something else). Accepted: an optional sign, digits with an optional fraction, an optional
// exponent; nothing else, so words such as inf or nan are not numbers. The value is computed in
// double precision and rounded to float32; a magnitude beyond float32 is not a number.
// Returns nothing when the text is not a number.
std::optional<float> ParseNumber(QStringView text, QChar decimalSeparator);
// The same for UTF-8 text.
std::optional<float> ParseNumber(QByteArrayView utf8, QChar decimalSeparator);
inline std::optional<float> ParseNumber(QStringView text)
{
    return ParseNumber(text, DecimalSeparator);
}

// The decimals of a number written with as many places as reading it back to the same float needs
// (the shortest such text).
constexpr int ExactDecimals = 64;

// Number to text in fixed-point notation with `decimals` places (−1 stands for 2; ExactDecimals),
// rounded to nearest, with `decimalSeparator` in place of the point. NoValue gives the empty text.
// Any finite float prints in full. A negative number that rounds to zero prints without its sign.
QString FormatNumber(float value, int decimals, QChar decimalSeparator);
// The same text in UTF-8, written at `out`, which has room for NumberRoom(decimals) bytes; returns
// the end of the text.
char* WriteNumber(char* out, float value, int decimals, QChar decimalSeparator);
constexpr qsizetype NumberRoom(int decimals)
{
    // 39 digits hold the integer part of the largest float; a sign, the separator and the decimals
    // the rest.
    return 48 + (decimals < 0 ? 2 : decimals);
}
inline QString FormatNumber(float value, int decimals)
{
    return FormatNumber(value, decimals, DecimalSeparator);
}

// The locale-independent reading of configuration numbers: the leading numeric part of the text
// (point as decimal separator, leading blanks skipped); a text that does not start with a number
// gives 0.
double LeadingNumber(QStringView text);
