#include "core/base/NumberText.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

static_assert(std::bit_cast<std::uint32_t>(NoValue) == 0xC92ECA00u, "NoValue must keep its bit pattern");

QChar DecimalSeparator = QLatin1Char('.');

QStringView TrimControl(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 32)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of s that reads as a decimal number: sign, digits, point, digits,
// exponent (the exponent only when digits follow it). 0 when no digit comes before the exponent.
std::size_t NumberPrefix(const std::string& s, bool* negativeExponent)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == '.') {
        ++i;
        while (i < n && IsDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    *negativeExponent = false;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negative = false;
        if (j < n && (s[j] == '+' || s[j] == '-'))
            negative = s[j++] == '-';
        if (j < n && IsDigit(s[j])) {
            while (j < n && IsDigit(s[j]))
                ++j;
            i = j;
            *negativeExponent = negative;
        }
    }
    return i;
}

// Converts the decimal number s[0, length) (as NumberPrefix accepted it) to double.
std::optional<double> ToDouble(const std::string& s, std::size_t length, bool negativeExponent)
{
    const char* begin = s.data();
    const char* end = s.data() + length;
    if (*begin == '+')
        ++begin;   // from_chars takes a minus sign only
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (!negativeExponent)
            return std::nullopt;             // too large for any float
        return *begin == '-' ? -0.0 : 0.0;   // too small: underflows to zero
    }
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

}   // namespace

std::optional<float> ParseNumber(QStringView text, QChar decimalSeparator)
{
    text = TrimControl(text);
    if (text.isEmpty())
        return std::nullopt;
    const bool pointSeparator = decimalSeparator == QLatin1Char('.');
    std::string ascii;
    ascii.reserve(text.size());
    bool replaced = false;
    for (const QChar ch : text) {
        char16_t u = ch.unicode();
        if (!pointSeparator) {
            if (u == u'.')
                return std::nullopt;
            if (!replaced && ch == decimalSeparator) {
                u = u'.';
                replaced = true;
            }
        }
        if (u > 127)
            return std::nullopt;
        ascii.push_back(char(u));
    }
    bool negativeExponent = false;
    const std::size_t length = NumberPrefix(ascii, &negativeExponent);
    if (length == 0 || length != ascii.size())
        return std::nullopt;
    const auto value = ToDouble(ascii, length, negativeExponent);
    if (!value)
        return std::nullopt;
    const float single = float(*value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

QString FormatNumber(float value, int decimals, QChar decimalSeparator)
{
    if (value == NoValue)
        return QString();
    if (decimals < 0)
        decimals = 2;
    // 39 digits hold the integer part of the largest float; a sign, a point and the decimals the rest.
    std::string buffer(48 + std::size_t(decimals), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), double(value),
                                      std::chars_format::fixed, decimals);
    const char* begin = buffer.data();
    const char* end = result.ptr;
    // A negative number that rounds to zero prints as zero: there is no negative zero.
    if (*begin == '-' && std::all_of(begin + 1, end, [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    QString text = QString::fromLatin1(begin, end - begin);
    if (decimalSeparator != QLatin1Char('.')) {
        const qsizetype point = text.indexOf(QLatin1Char('.'));
        if (point >= 0)
            text[point] = decimalSeparator;
    }
    return text;
}

double LeadingNumber(QStringView text)
{
    qsizetype begin = 0;
    while (begin < text.size() && text[begin].unicode() <= 32)
        ++begin;
    std::string ascii;
    for (qsizetype i = begin; i < text.size() && text[i].unicode() < 128; ++i)
        ascii.push_back(char(text[i].unicode()));
    bool negativeExponent = false;
    const std::size_t length = NumberPrefix(ascii, &negativeExponent);
    if (length == 0)
        return 0.0;
    return ToDouble(ascii, length, negativeExponent).value_or(0.0);
}
