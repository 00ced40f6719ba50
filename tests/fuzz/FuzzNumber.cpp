// Number text: ParseNumber, FormatNumber and LeadingNumber. A parsed number printed with 6 decimals
// reads back as (nearly) the same float, any float prints and reads back within its rounding, and no
// number prints as a negative zero.

#include "FuzzSupport.h"

#include <cmath>
#include <cstring>

namespace {

// No "-0", "-0.00" and the like: a negative number that rounds to zero prints without its sign.
bool NegativeZero(const QString& text)
{
    if (!text.startsWith(u'-'))
        return false;
    for (const QChar c : QStringView(text).sliced(1))
        if (c != u'0' && c != u'.' && c != u',')
            return false;
    return true;
}

// Prints `value` with `decimals` and reads it back: the text is the value rounded to its decimals,
// and reading it gives the float nearest to that.
void CheckPrinted(float value, int decimals, QChar separator)
{
    const QString text = FormatNumber(value, decimals, separator);
    if (value == NoValue) {
        FUZZ_CHECK(text.isEmpty());
        return;
    }
    FUZZ_CHECK(!NegativeZero(text));
    const int places = decimals < 0 ? 2 : decimals;
    FUZZ_CHECK(places == 0 || text.contains(separator));
    const std::optional<float> read = ParseNumber(text, separator);
    FUZZ_CHECK(read.has_value());
    const double tolerance = 0.5 * std::pow(10.0, -places) + std::ldexp(std::abs(double(value)), -23);
    FUZZ_CHECK(std::abs(double(*read) - double(value)) <= tolerance * 1.000001);
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const QChar separator = input.Flag() ? QChar(u',') : QChar(u'.');
    const int decimals = input.Choice(10) - 1;
    const QByteArray bits = input.Bytes(sizeof(float));
    const QString text = QString::fromUtf8(input.Rest());

    LeadingNumber(text);
    TrimControl(text);
    if (const std::optional<float> number = ParseNumber(text, separator)) {
        FUZZ_CHECK(std::isfinite(*number));
        CheckPrinted(*number, 6, separator);
        CheckPrinted(*number, decimals, separator);
    }
    if (bits.size() == sizeof(float)) {
        float value;
        std::memcpy(&value, bits.constData(), sizeof value);
        if (std::isfinite(value))
            CheckPrinted(value, decimals, separator);
        else
            FormatNumber(value, decimals, separator);
    }
    return 0;
}
