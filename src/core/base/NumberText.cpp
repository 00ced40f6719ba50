#include "core/base/NumberText.h"

#include "core/base/TextCodec.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

static_assert(std::bit_cast<std::uint32_t>(NoValue) == 0xC92ECA00u, "NoValue must keep its bit pattern");

QChar DecimalSeparator = QLatin1Char('.');

namespace {

// The code of a character, or of a byte of UTF-8 (below 128 the character itself).
unsigned Code(QChar ch)
{
    return ch.unicode();
}
unsigned Code(char byte)
{
    return static_cast<unsigned char>(byte);
}

template <class View> View TrimControlOf(View text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && Code(text[begin]) <= 32)
        ++begin;
    while (end > begin && Code(text[end - 1]) <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of s that reads as a decimal number: sign, digits, point, digits,
// exponent (the exponent only when digits follow it). 0 when no digit comes before the exponent.
std::size_t NumberPrefix(std::string_view s, bool* negativeExponent)
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
std::optional<double> ToDouble(std::string_view s, std::size_t length, bool negativeExponent)
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

QStringView TrimControl(QStringView text)
{
    return TrimControlOf(text);
}

QByteArrayView TrimControl(QByteArrayView utf8)
{
    return TrimControlOf(utf8);
}

namespace {

constexpr std::array<std::uint64_t, 16> PowersOfTen = {
    1,
    10,
    100,
    1'000,
    10'000,
    100'000,
    1'000'000,
    10'000'000,
    100'000'000,
    1'000'000'000,
    10'000'000'000,
    100'000'000'000,
    1'000'000'000'000,
    10'000'000'000'000,
    100'000'000'000'000,
    1'000'000'000'000'000,
};

// The value of a plain decimal number — an optional sign, at most 15 digits and at most one
// `separator` (a point or a comma), no exponent — computed the short way: the digits as a whole
// number and a power of ten are both exact in double precision, so their quotient is the correctly
// rounded value that any other reading gives as well. Nothing for any other text.
template <class Char> std::optional<double> PlainDecimal(std::basic_string_view<Char> text, Char separator)
{
    std::size_t i = 0;
    const bool negative = text[0] == Char('-');
    if (negative || text[0] == Char('+'))
        ++i;
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = -1;   // digits after the separator; −1 before it
    for (; i < text.size(); ++i) {
        const Char ch = text[i];
        if (ch >= Char('0') && ch <= Char('9')) {
            digits = 10 * digits + std::uint64_t(ch - Char('0'));
            ++count;
            if (fraction >= 0)
                ++fraction;
        } else if (ch == separator && fraction < 0) {
            fraction = 0;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count >= int(PowersOfTen.size()))
        return std::nullopt;
    const double value = double(digits) / double(PowersOfTen[std::size_t(std::max(fraction, 0))]);
    return negative ? -value : value;
}

// ParseNumber of a text of any code units, the decimal separator given in the same ones.
template <class Char>
std::optional<float> ParseNumberOf(std::basic_string_view<Char> text, std::basic_string_view<Char> decimalSeparator)
{
    if (text.empty())
        return std::nullopt;
    if (decimalSeparator.size() == 1 && (decimalSeparator[0] == Char('.') || decimalSeparator[0] == Char(',')))
        if (const std::optional<double> value = PlainDecimal(text, decimalSeparator[0]))
            return float(*value);
    const bool pointSeparator = decimalSeparator.size() == 1 && decimalSeparator[0] == Char('.');
    QVarLengthArray<char, 64> ascii(qsizetype(text.size()));
    char* out = ascii.data();
    bool replaced = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto u = std::make_unsigned_t<Char>(text[i]);
        if (!pointSeparator) {
            if (u == '.')
                return std::nullopt;
            if (!replaced && text.substr(i).starts_with(decimalSeparator)) {
                *out++ = '.';
                replaced = true;
                i += decimalSeparator.size() - 1;
                continue;
            }
        }
        if (u > 127)
            return std::nullopt;
        *out++ = char(u);
    }
    const std::string_view number(ascii.data(), std::size_t(out - ascii.data()));
    bool negativeExponent = false;
    const std::size_t length = NumberPrefix(number, &negativeExponent);
    if (length == 0 || length != number.size())
        return std::nullopt;
    const auto value = ToDouble(number, length, negativeExponent);
    if (!value)
        return std::nullopt;
    const float single = float(*value);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

}   // namespace

std::optional<float> ParseNumber(QStringView text, QChar decimalSeparator)
{
    text = TrimControl(text);
    const char16_t separator = decimalSeparator.unicode();
    return ParseNumberOf(std::u16string_view(text.utf16(), std::size_t(text.size())),
                         std::u16string_view(&separator, 1));
}

std::optional<float> ParseNumber(QByteArrayView utf8, QChar decimalSeparator)
{
    utf8 = TrimControl(utf8);
    const Utf8Char bytes(decimalSeparator);
    const QByteArrayView separator = bytes.View();
    return ParseNumberOf(std::string_view(utf8.data(), std::size_t(utf8.size())),
                         std::string_view(separator.data(), std::size_t(separator.size())));
}

namespace {

// |value| in units of 10^−decimals, rounded from its exact binary value to the nearest, to even
// on a tie, as correctly rounded fixed-point notation rounds; nothing where this integer way does
// not reach (more than 9 decimals, a magnitude of 2^33 or more, infinity, NaN).
std::optional<std::uint64_t> ScaledMagnitude(float value, int decimals)
{
    if (decimals > 9)
        return std::nullopt;
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value) & 0x7FFF'FFFFu;
    const int biased = int(bits >> 23);
    if (biased == 0xFF)
        return std::nullopt;
    // value = ±significand · 2^exponent, the significand below 2^24.
    const std::uint64_t significand = biased == 0 ? bits : (bits & 0x7F'FFFFu) | 0x80'0000u;
    const int exponent = std::max(biased, 1) - 150;
    const std::uint64_t scaled = significand * PowersOfTen[std::size_t(decimals)];   // below 2^54
    if (exponent >= 0)
        return exponent <= 9 ? std::optional(scaled << exponent) : std::nullopt;
    const int shift = -exponent;
    if (shift >= 64)
        return 0;   // less than half a unit
    std::uint64_t whole = scaled >> shift;
    const std::uint64_t rest = scaled - (whole << shift);
    const std::uint64_t half = std::uint64_t(1) << (shift - 1);
    // Without a branch: the comparisons are as good as random.
    whole += std::uint64_t(rest > half) | (std::uint64_t(rest == half) & whole & 1);
    return whole;
}

}   // namespace

char* WriteNumber(char* out, float value, int decimals, QChar decimalSeparator)
{
    if (value == NoValue)
        return out;
    if (decimals < 0)
        decimals = 2;
    const Utf8Char separator(decimalSeparator);
    char* end = out;
    if (const std::optional<std::uint64_t> scaled = ScaledMagnitude(value, decimals)) {
        // A negative number that rounds to zero prints as zero: there is no negative zero.
        if (std::signbit(value) && *scaled != 0)
            *end++ = '-';
        const std::uint64_t unit = PowersOfTen[std::size_t(decimals)];
        // The decimals of exported and shown numbers divide by a constant: a multiplication.
        const std::uint64_t whole = decimals == 6 ? *scaled / 1'000'000
            : decimals == 2                       ? *scaled / 100
                                                  : *scaled / unit;
        end = std::to_chars(end, out + NumberRoom(decimals), whole).ptr;
        if (decimals > 0) {
            for (const char byte : separator.View())
                *end++ = byte;
            // The decimals from the last on, two at a time.
            static constexpr char Pairs[]
                = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                  "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                  "8081828384858687888990919293949596979899";
            auto fraction = std::uint32_t(*scaled - whole * unit);
            char* digit = end + decimals;
            for (int left = decimals; left >= 2; left -= 2, fraction /= 100)
                digit = std::copy_n(Pairs + 2 * (fraction % 100), 2, digit - 2) - 2;
            if (digit > end)
                *end = char('0' + fraction);
            end += decimals;
        }
        return end;
    }
    char* const last = out + NumberRoom(decimals);
    end = decimals == ExactDecimals ? std::to_chars(out, last, value, std::chars_format::fixed).ptr
                                    : std::to_chars(out, last, double(value), std::chars_format::fixed, decimals).ptr;
    if (*out == '-' && std::all_of(out + 1, end, [](char c) { return c == '0' || c == '.'; }))
        end = std::copy(out + 1, end, out);
    if (char* const point = std::find(out, end, '.'); point != end && separator.View() != ".") {
        // Room is left for a separator of three bytes in place of the point.
        std::copy_backward(point + 1, end, end + separator.View().size() - 1);
        std::copy_n(separator.View().data(), separator.View().size(), point);
        end += separator.View().size() - 1;
    }
    return end;
}

QString FormatNumber(float value, int decimals, QChar decimalSeparator)
{
    QVarLengthArray<char, 64> text(NumberRoom(decimals));
    const char* const end = WriteNumber(text.data(), value, decimals, decimalSeparator);
    return QString::fromUtf8(text.data(), end - text.data());
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
