#include "support/KindRow.h"

#include "core/indices/Weather.h"
#include "core/table/Table.h"

#include <gtest/gtest.h>

#include <bit>
#include <utility>
#include <vector>

namespace {

// -1_2T1_010: sensation field −1 + 3 = 2, radiation 2 (bits 4–5), strain 0, sultriness 1 (bits
// 8–9), range 0, precipitation 1 (bit 11), snow 0: 2 + 2·16 + 1·256 + 1·2048 = 2338.
constexpr std::uint32_t SampleBits = 2338;

// A code from its stored fields (sensation with its offset of 3).
TWeatherCode Code(std::uint32_t sensation, std::uint32_t radiation, std::uint32_t strain, std::uint32_t sultriness,
                  std::uint32_t range, std::uint32_t precipitation, std::uint32_t snow)
{
    TWeatherCode code;
    code.Set(TWeatherCode::Sensation, sensation);
    code.Set(TWeatherCode::Radiation, radiation);
    code.Set(TWeatherCode::Strain, strain);
    code.Set(TWeatherCode::Sultriness, sultriness);
    code.Set(TWeatherCode::Range, range);
    code.Set(TWeatherCode::Precipitation, precipitation);
    code.Set(TWeatherCode::Snow, snow);
    return code;
}

// Gives the row a value as a source column does; the formula of that kind is never used, so an
// empty cell stays missing.
void Give(KindRow& row, int id, float value)
{
    row.Kind(id).DualOption = SourceOrFormula::Source;
    row.Set(id, value);
}

struct ClassCase
{
    int kind;
    std::vector<std::pair<int, float>> inputs;
    float expected;
};

TEST(WeatherTest, ComponentClassesChangeAtTheirThresholds)
{
    const std::vector<ClassCase> cases = {
        {kind::W_Sens, {{kind::STI, -38.01f}}, -3},
        {kind::W_Sens, {{kind::STI, -38}}, -2},
        {kind::W_Sens, {{kind::STI, -0.51f}}, -2},
        {kind::W_Sens, {{kind::STI, -0.5f}}, -1},
        {kind::W_Sens, {{kind::STI, 22.49f}}, -1},
        {kind::W_Sens, {{kind::STI, 22.5f}}, 0},
        {kind::W_Sens, {{kind::STI, 32}}, 1},
        {kind::W_Sens, {{kind::STI, 46}}, 2},
        {kind::W_Sens, {{kind::STI, 54.99f}}, 2},
        {kind::W_Sens, {{kind::STI, 55}}, 3},
        {kind::W_Sens, {{kind::STI, NoValue}, {kind::pSTI, -38}}, -2},
        {kind::W_Sens, {{kind::STI, 40}, {kind::pSTI, -50}}, 1},
        {kind::W_Sens, {{kind::STI, NoValue}, {kind::pSTI, NoValue}}, NoValue},
        {kind::W_Rad, {{kind::Rprim, 75}}, 1},
        {kind::W_Rad, {{kind::Rprim, 75.01f}}, 2},
        {kind::W_Rad, {{kind::Rprim, 150}}, 2},
        {kind::W_Rad, {{kind::Rprim, 150.01f}}, 3},
        {kind::W_Rad, {{kind::Rprim, NoValue}}, NoValue},
        {kind::W_Sult, {{kind::HSI, 30}}, 0},
        {kind::W_Sult, {{kind::HSI, 30.01f}}, 1},
        {kind::W_Sult, {{kind::HSI, 70}}, 1},
        {kind::W_Sult, {{kind::HSI, 70.01f}}, 2},
        {kind::W_Sult, {{kind::HSI, NoValue}, {kind::pHSI, 71}}, 2},
        {kind::W_Strain, {{kind::PhS, 0.7499f}}, 2},
        {kind::W_Strain, {{kind::PhS, 0.75f}}, 0},
        {kind::W_Strain, {{kind::PhS, 1.5f}}, 0},
        {kind::W_Strain, {{kind::PhS, 1.5001f}}, 1},
        {kind::W_Strain, {{kind::PhS, NoValue}, {kind::pPhS, 1.6f}}, 1},
        {kind::dt, {{kind::tmin, -3.5f}, {kind::tmax, 8.25f}}, 11.75f},
        {kind::dt, {{kind::tmin, NoValue}, {kind::tmax, 8}}, NoValue},
        {kind::W_TAmp, {{kind::dt, 7.99f}}, 0},
        {kind::W_TAmp, {{kind::dt, 8}}, 1},
        {kind::W_TAmp, {{kind::tmin, 2}, {kind::tmax, 10}}, 1},   // through dt = 8
        {kind::W_Prec, {{kind::prec, 0.99f}}, 0},
        {kind::W_Prec, {{kind::prec, 1}}, 1},
        {kind::W_Snow, {{kind::snow, 9.99f}}, 0},
        {kind::W_Snow, {{kind::snow, 10}}, 1},
        {kind::W_Snow, {{kind::snow, NoValue}}, NoValue},
    };
    KindRow row;
    for (const ClassCase& c : cases) {
        row.Reset();
        for (const auto& [id, value] : c.inputs)
            Give(row, id, value);
        EXPECT_EQ(row.Get(c.kind), c.expected)
            << row.Kind(c.kind).ShortName.toStdString() << " from " << c.inputs.back().second;
    }
}

TEST(WeatherTest, FieldsArePackedIntoTheirBits)
{
    TWeatherCode code = Code(2, 2, 0, 1, 0, 1, 0);
    EXPECT_EQ(code.Bits(), SampleBits);
    // Every field at its maximum: 6 + 3·16 + 2·64 + 2·256 + 1024 + 2048 + 4096 = 7862.
    EXPECT_EQ(Code(6, 3, 2, 2, 1, 1, 1).Bits(), 7862u);
    code.Set(TWeatherCode::Radiation, 7);   // only the two low bits fit
    EXPECT_EQ(code.Get(TWeatherCode::Radiation), 3u);
    EXPECT_EQ(code.Get(TWeatherCode::Sultriness), 1u);

    const float value = TWeatherCode(SampleBits).ToValue();
    EXPECT_GT(value, 0.0f);
    EXPECT_NE(value, NoValue);
    EXPECT_EQ(TWeatherCode::FromValue(value).Bits(), SampleBits);
}

TEST(WeatherTest, TypeIndexEnumeratesTheTypesAndRejectsOtherWords)
{
    // Every field at its maximum: 6·216 + 2·72 + 2·24 + 2·8 + 4 + 2 + 1 = 1511.
    EXPECT_EQ(WeatherTypeIndex(Code(6, 3, 2, 2, 1, 1, 1)), 1511);
    EXPECT_EQ(WeatherTypeIndex(Code(0, 1, 0, 0, 0, 0, 0)), 0);    // -3_1T0_000
    EXPECT_EQ(WeatherTypeIndex(TWeatherCode(SampleBits)), 514);   // 2·216 + 72 + 8 + 2

    // Snow varies fastest, the sensation slowest: the types come out as 0…1511 in turn.
    int expected = 0;
    for (std::uint32_t s = 0; s <= 6; ++s)
        for (std::uint32_t r = 1; r <= 3; ++r)
            for (std::uint32_t strain = 0; strain <= 2; ++strain)
                for (std::uint32_t sult = 0; sult <= 2; ++sult)
                    for (std::uint32_t range = 0; range <= 1; ++range)
                        for (std::uint32_t prec = 0; prec <= 1; ++prec)
                            for (std::uint32_t snow = 0; snow <= 1; ++snow)
                                ASSERT_EQ(WeatherTypeIndex(Code(s, r, strain, sult, range, prec, snow)), expected++);

    // Words that are no weather type must not stand for another type.
    for (const TWeatherCode code :
         {Code(7, 1, 0, 0, 0, 0, 0), Code(3, 0, 0, 0, 0, 0, 0), Code(3, 1, 3, 0, 0, 0, 0), Code(3, 1, 0, 3, 0, 0, 0),
          TWeatherCode(SampleBits | 1u << 13), TWeatherCode::FromValue(1.0f), TWeatherCode::FromValue(NoValue)})
        EXPECT_EQ(WeatherTypeIndex(code), -1) << code.Bits();
}

TEST(WeatherTest, TextVariantsParseToTheSameCode)
{
    for (const char16_t* text : {u"-1_2T1_010", u"-1 2 T 1 0 1 0", u"-12T1010xyz", u"  -1_2T1_010", u"-1,2;0.1/0-1\t0",
                                 u"-1_2T1_010 3 1 0 0 1"}) {
        TWeatherCode code;
        qsizetype position = 1;
        EXPECT_TRUE(ParseWeatherCode(code, text, position)) << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(code.Bits(), SampleBits) << QString::fromUtf16(text).toStdString();
    }
    TWeatherCode code;
    qsizetype position = 1;
    ASSERT_TRUE(ParseWeatherCode(code, u"-1_2T1_010 3", position));
    EXPECT_EQ(position, 11);   // the first character after the code, 1-based

    for (const char16_t* text : {u"4_2T1_010", u"0_0T1_010", u"0_2X1_010", u"0_2c1_010", u"0_2T3_010", u"0_2T1_210",
                                 u"0_2T1_01", u"- 1_2T1_010", u"-", u"", u" ;", u"x-1_2T1_010"}) {
        TWeatherCode failed;
        qsizetype at = 1;
        EXPECT_FALSE(ParseWeatherCode(failed, text, at)) << QString::fromUtf16(text).toStdString();
    }
}

TEST(WeatherTest, WeatherPacksTheComponentClasses)
{
    KindRow row;
    // Through every component formula: STI 25 → 0, Rprim 100 → 2, PhS 1 → T, HSI 50 → 1,
    // dt 15 − 5 = 10 → 1, prec 0 → 0, snow 12 → 1.
    for (const auto& [id, value] : std::vector<std::pair<int, float>>{{kind::STI, 25},
                                                                      {kind::Rprim, 100},
                                                                      {kind::PhS, 1},
                                                                      {kind::HSI, 50},
                                                                      {kind::tmin, 5},
                                                                      {kind::tmax, 15},
                                                                      {kind::prec, 0},
                                                                      {kind::snow, 12}})
        Give(row, id, value);
    const float weather = row.Get(kind::Weather);
    EXPECT_EQ(row.Kind(kind::Weather).FormatValue(weather).Text(), QStringLiteral("0_2T1_101"));

    // Classes from a table are cut after adding 0.1: 1.95 is radiation 2, −2.95 sensation −3.
    row.Reset();
    for (const auto& [id, value] : std::vector<std::pair<int, float>>{{kind::W_Sens, -1},
                                                                      {kind::W_Rad, 1.95f},
                                                                      {kind::W_Strain, 0},
                                                                      {kind::W_Sult, 1},
                                                                      {kind::W_TAmp, 0},
                                                                      {kind::W_Prec, 1},
                                                                      {kind::W_Snow, 0}})
        Give(row, id, value);
    EXPECT_EQ(TWeatherCode::FromValue(row.Get(kind::Weather)).Bits(), SampleBits);
    row.Reset();
    Give(row, kind::W_Sens, -2.95f);
    for (const int id : {kind::W_Rad, kind::W_Strain, kind::W_Sult, kind::W_TAmp, kind::W_Prec, kind::W_Snow})
        Give(row, id, 0);
    EXPECT_EQ(TWeatherCode::FromValue(row.Get(kind::Weather)).Get(TWeatherCode::Sensation), 0u);

    // One component missing: no weather type.
    row.Reset();
    for (const int id : {kind::W_Sens, kind::W_Rad, kind::W_Strain, kind::W_Sult, kind::W_TAmp, kind::W_Prec})
        Give(row, id, 1);
    Give(row, kind::W_Snow, NoValue);
    EXPECT_EQ(row.Get(kind::Weather), NoValue);
}

TEST(WeatherTest, WeatherCellsShowTheCodeAndMarkBadText)
{
    KindRow row;
    TAbstractData& weather = row.Kind(kind::Weather);
    TCellData cell;
    ShownText shown = weather.SetCellFromText(cell, u"-12T1010xyz");
    EXPECT_EQ(shown.Text(), QStringLiteral("-1_2T1_010"));   // normalised
    EXPECT_EQ(TWeatherCode::FromValue(cell.Number).Bits(), SampleBits);
    EXPECT_EQ(cell.NoValidValue, 0);
    EXPECT_EQ(cell.RangeState, 0);

    for (const char16_t* bad : {u"4_2T1_010", u"0_0T1_010", u"0_2X1_010"}) {
        TCellData fresh;
        shown = weather.SetCellFromText(fresh, bad);
        EXPECT_EQ(shown.Text(), QString::fromUtf16(bad));   // kept as typed
        EXPECT_EQ(fresh.Number, NoValue);
        EXPECT_EQ(fresh.NoValidValue, 0);   // shown as a bad value, not as an empty one
        EXPECT_EQ(fresh.RangeState, 1);
    }
    shown = weather.SetCellFromText(cell, u"");
    EXPECT_TRUE(shown.Text().isEmpty());
    EXPECT_EQ(cell.NoValidValue, 1);
    EXPECT_EQ(weather.FormatValue(NoValue).Text(), QString());
}

TEST(WeatherTest, StrainCellsTakeOneUpperCaseLetterOrDigit)
{
    KindRow row;
    TAbstractData& strain = row.Kind(kind::W_Strain);
    TCellData cell;
    EXPECT_EQ(strain.SetCellFromText(cell, u"1").Text(), QStringLiteral("C"));
    EXPECT_EQ(cell.Number, 1.0f);
    EXPECT_EQ(strain.SetCellFromText(cell, u"H").Text(), QStringLiteral("H"));
    EXPECT_EQ(cell.Number, 2.0f);

    EXPECT_EQ(strain.SetCellFromText(cell, u"c").Text(), QStringLiteral("c"));
    EXPECT_EQ(cell.Number, NoValue);
    EXPECT_EQ(cell.NoValidValue, 0);
    EXPECT_EQ(cell.RangeState, 1);

    EXPECT_EQ(strain.SetCellFromText(cell, u"TC").Text(), QStringLiteral("TC"));
    EXPECT_EQ(cell.NoValidValue, 1);
    EXPECT_EQ(cell.RangeState, 1);   // untouched by a text of another length

    for (const auto& [value, letter] :
         std::vector<std::pair<float, const char*>>{{0.49f, "T"}, {0.5f, "C"}, {1.49f, "C"}, {1.5f, "H"}})
        EXPECT_EQ(strain.SetCellValue(cell, value).Text(), QString::fromLatin1(letter)) << value;
    EXPECT_EQ(cell.RangeState, 0);
    EXPECT_TRUE(strain.SetCellValue(cell, NoValue).Text().isEmpty());
    EXPECT_EQ(cell.NoValidValue, 1);
}

TEST(WeatherTest, EveryWeatherTypeSurvivesATableCellRoundTrip)
{
    KindRow row;
    TTable table(1);
    table.SetColumnHeader(1, QStringLiteral("Weather"), &row.Kind(kind::Weather));
    table.AppendRows(1);
    int types = 0;
    for (std::uint32_t bits = 0; bits < 1u << 13; ++bits) {
        const TWeatherCode code(bits);
        if (WeatherTypeIndex(code) < 0)
            continue;
        ++types;
        table.SetCellNumber(1, 1, code.ToValue());
        table.SetCellText(1, 2, table.ExportText(1, 1));
        ASSERT_EQ(std::bit_cast<std::uint32_t>(table.CellNumber(1, 2)), bits) << table.ExportText(1, 1).toStdString();
        ASSERT_EQ(table.CellData(1, 2).RangeState, 0);
    }
    EXPECT_EQ(types, WeatherTypeCount);
    table.SetCellNumber(1, 1, TWeatherCode(SampleBits).ToValue());
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("-1_2T1_010"));
}

}   // namespace
