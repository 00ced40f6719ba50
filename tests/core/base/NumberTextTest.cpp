#include "support/TestSupport.h"

#include "core/base/NumberText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace {

struct ParseCase
{
    const char16_t* text;
    char16_t separator;
    std::optional<float> expected;
};

class ParseNumberTest : public testing::TestWithParam<ParseCase>
{ };

TEST_P(ParseNumberTest, ReadsOnlyDecimalNumbers)
{
    const ParseCase& c = GetParam();
    const std::optional<float> parsed = ParseNumber(QStringView(c.text), QChar(c.separator));
    ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << QString::fromUtf16(c.text).toStdString();
    if (c.expected) {
        EXPECT_EQ(*parsed, *c.expected);
    }
    EXPECT_EQ(ParseNumber(QString::fromUtf16(c.text).toUtf8(), QChar(c.separator)), parsed);   // the same in UTF-8
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(
        // With the comma: the first comma is the decimal point, a point is never accepted.
        ParseCase{u"3,5", u',', 3.5f}, ParseCase{u"3.5", u',', std::nullopt}, ParseCase{u"1,2,3", u',', std::nullopt},
        ParseCase{u"-0,25", u',', -0.25f},
        // With the point.
        ParseCase{u"  12  ", u'.', 12.0f}, ParseCase{u"\t7\r", u'.', 7.0f}, ParseCase{u"12abc", u'.', std::nullopt},
        ParseCase{u"1e3", u'.', 1000.0f}, ParseCase{u"2.5E-1", u'.', 0.25f}, ParseCase{u"+4", u'.', 4.0f},
        ParseCase{u".5", u'.', 0.5f}, ParseCase{u"5.", u'.', 5.0f}, ParseCase{u"1e", u'.', std::nullopt},
        ParseCase{u"", u'.', std::nullopt}, ParseCase{u"   ", u'.', std::nullopt}, ParseCase{u"-", u'.', std::nullopt},
        ParseCase{u".", u'.', std::nullopt}, ParseCase{u"1 000", u'.', std::nullopt},
        ParseCase{u"0x10", u'.', std::nullopt}, ParseCase{u"12,5", u'.', std::nullopt},
        // Words are not numbers, nor is anything beyond float32.
        ParseCase{u"inf", u'.', std::nullopt}, ParseCase{u"-Infinity", u'.', std::nullopt},
        ParseCase{u"nan", u'.', std::nullopt}, ParseCase{u"1e39", u'.', std::nullopt},
        ParseCase{u"1e400", u'.', std::nullopt}, ParseCase{u"1e-400", u'.', 0.0f},
        // Up to 15 digits and beyond; a separator of several UTF-8 bytes.
        ParseCase{u"-12345678.9012345", u'.', -12345678.9012345f},
        ParseCase{u"1234567890.123456789", u'.', 1234567890.123456789f}, ParseCase{u"0000000000000000.5", u'.', 0.5f},
        ParseCase{u"3·5", u'·', 3.5f}, ParseCase{u"3.5", u'·', std::nullopt}, ParseCase{u"3·5·5", u'·', std::nullopt},
        // The marker itself is a number; the cell then holds no valid value.
        ParseCase{u"-715936", u'.', NoValue}),
    [](const testing::TestParamInfo<ParseCase>& info) {
        std::string name = std::to_string(info.index) + "_";
        for (const char16_t c : std::u16string_view(info.param.text))
            name += (c < 128 && std::isalnum(int(c))) ? char(c) : '_';
        return name;
    });

TEST(ParseNumber, RoundsTheDoubleToFloat)
{
    // 0.1 is not exact in binary: the float nearest to the double nearest to 0.1.
    EXPECT_EQ(*ParseNumber(u"0.1", QLatin1Char('.')), float(0.1));
    EXPECT_EQ(*ParseNumber(u"16777217", QLatin1Char('.')), 16777216.0f);
}

TEST(ParseNumber, FollowsTheProgramSeparator)
{
    SeparatorScope comma(QLatin1Char(','));
    EXPECT_EQ(ParseNumber(u"2,5"), 2.5f);
    EXPECT_FALSE(ParseNumber(u"2.5"));
}

TEST(FormatNumber, PrintsFixedPointRoundedToNearest)
{
    EXPECT_EQ(FormatNumber(3.14159f, 2, QLatin1Char('.')), QStringLiteral("3.14"));
    EXPECT_EQ(FormatNumber(3.7f, 0, QLatin1Char('.')), QStringLiteral("4"));
    EXPECT_EQ(FormatNumber(1.5f, 6, QLatin1Char('.')), QStringLiteral("1.500000"));
    EXPECT_EQ(FormatNumber(2.5f, -1, QLatin1Char('.')), QStringLiteral("2.50"));   // −1 stands for 2
    EXPECT_EQ(FormatNumber(-0.25f, 2, QLatin1Char(',')), QStringLiteral("-0,25"));
    EXPECT_EQ(FormatNumber(0.125f, 2, QLatin1Char('.')), QStringLiteral("0.12"));   // exact tie: to even, as printf
    EXPECT_EQ(FormatNumber(NoValue, 2, QLatin1Char('.')), QString());
}

TEST(FormatNumber, NeverPrintsANegativeZero)
{
    const struct
    {
        float value;
        int decimals;
        const char* text;
    } cases[] = {{-0.0f, 6, "0,000000"}, {-1e-7f, 6, "0,000000"}, {-0.004f, 2, "0,00"},
                 {-0.4f, 0, "0"},        {-0.01f, 2, "-0,01"},    {-0.6f, 0, "-1"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.decimals, QLatin1Char(',')), QString::fromLatin1(c.text)) << c.value;
}

TEST(FormatNumber, RoundsEveryFloatAsTheExactValueRounds)
{
    // Correctly rounded fixed-point notation of the float's exact value, ties to even.
    const auto reference = [](float value, int decimals) {
        char text[128];
        char* end = std::to_chars(text, text + sizeof text, double(value), std::chars_format::fixed, decimals).ptr;
        const bool zero = std::all_of(text + 1, end, [](char c) { return c == '0' || c == '.'; });
        return QString::fromLatin1(text[0] == '-' && zero ? text + 1 : text,
                                   end - (text[0] == '-' && zero ? text + 1 : text));
    };
    for (std::uint64_t bits = 0; bits < (std::uint64_t(1) << 32); bits += 65'521) {
        const float value = std::bit_cast<float>(std::uint32_t(bits));
        if (!std::isfinite(value) || value == NoValue)
            continue;
        for (const int decimals : {0, 2, 6, 9})
            ASSERT_EQ(FormatNumber(value, decimals, QLatin1Char('.')), reference(value, decimals)) << bits;
    }
}

TEST(FormatNumber, PrintsHugeValuesInFull)
{
    const QString text = FormatNumber(FLT_MAX, 6, QLatin1Char('.'));
    EXPECT_EQ(text, QStringLiteral("340282346638528859811704183484516925440.000000"));
    EXPECT_EQ(*ParseNumber(text, QLatin1Char('.')), FLT_MAX);
    EXPECT_EQ(FormatNumber(-1e30f, 2, QLatin1Char('.')).size(), 35);
}

TEST(FormatNumber, ParsesBackToTheSameFloatWithSixDecimals)
{
    for (const float value : {0.001f, 12.5f, -40.125f, 1013.25f, 123456.789f}) {
        for (const QChar separator : {QChar(u'.'), QChar(u',')}) {
            EXPECT_NEAR(*ParseNumber(FormatNumber(value, 6, separator), separator), value,
                        5e-7f * std::max(1.0f, std::abs(value)));
        }
    }
}

TEST(TrimControl, RemovesCodesUpTo32AtBothEnds)
{
    EXPECT_EQ(TrimControl(u"\x01 \tab c\r\n"), u"ab c");
    EXPECT_EQ(TrimControl(u"   "), u"");
}

TEST(LeadingNumber, ReadsTheNumericStartWithAPoint)
{
    EXPECT_DOUBLE_EQ(LeadingNumber(u"1013.25"), 1013.25);
    EXPECT_DOUBLE_EQ(LeadingNumber(u" -2.5abc"), -2.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"3,5"), 3.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"1e2x"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u""), 0.0);
}

}   // namespace
