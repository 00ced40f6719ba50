#include "support/KindRow.h"

#include "core/base/FileError.h"
#include "core/base/TextCodec.h"
#include "core/indices/Suitability.h"
#include "core/indices/Weather.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr std::array<int, 5> Suitabilities = {kind::WSI_SB, kind::WSI_AB, kind::WSI_MR, kind::WSI_AR, kind::WSI_ST};

TWeatherCode Parsed(QStringView text)
{
    TWeatherCode code;
    qsizetype position = 1;
    EXPECT_TRUE(ParseWeatherCode(code, text, position));
    return code;
}

// The five scores of a weather type, as a new row with that Weather value gives them.
std::array<float, 5> Scores(KindRow& row, TWeatherCode code)
{
    row.Reset();
    row.Set(kind::Weather, code.ToValue());
    std::array<float, 5> scores{};
    for (std::size_t k = 0; k < Suitabilities.size(); ++k)
        scores[k] = row.Get(Suitabilities[k]);
    return scores;
}

using Five = std::array<float, 5>;
constexpr float No = NoValue;

TEST(SuitabilityTest, ScoresComeFromTheLineOfTheWeatherType)
{
    KindRow row;
    row.home.Write(QStringLiteral("WSI.INI"),
                   "; comment\r\n"
                   "-1_2T1_010 3 1 0 0 1\r\n"
                   "0_2T1_010 3x2\r\n"
                   "1_2T1_010 1 1 1 1 1\n"
                   "1_2T1_010 ;0x3\n"   // a later line overwrites what it gives
                   "garbage 3 3 3 3 3\n");
    EXPECT_EQ(Scores(row, Parsed(u"-1_2T1_010")), (Five{3, 1, 0, 0, 1}));
    // x is neither a separator nor a score, 2 is no score, and the line ends before the last two.
    EXPECT_EQ(Scores(row, Parsed(u"0_2T1_010")), (Five{3, No, No, No, No}));
    EXPECT_EQ(Scores(row, Parsed(u"1_2T1_010")), (Five{0, 1, 3, 1, 1}));
    EXPECT_EQ(Scores(row, Parsed(u"2_2T1_010")), (Five{No, No, No, No, No}));   // not in the file
}

TEST(SuitabilityTest, OnlyWeatherTypesHaveScores)
{
    KindRow row;
    // Index 144: sensation field 0, radiation 3. The word with sensation field 1 and radiation 0
    // gives the same sum, but it is no weather type.
    row.home.Write(QStringLiteral("WSI.INI"), "-3_3T0_000 3 3 3 3 3\n");
    EXPECT_EQ(Scores(row, Parsed(u"-3_3T0_000")), (Five{3, 3, 3, 3, 3}));
    TWeatherCode aliased;
    aliased.Set(TWeatherCode::Sensation, 1);
    EXPECT_EQ(Scores(row, aliased), (Five{No, No, No, No, No}));
    EXPECT_EQ(Scores(row, TWeatherCode::FromValue(5.0f)), (Five{No, No, No, No, No}));   // a configured default
}

TEST(SuitabilityTest, MissingFileFailsUntilItIsThere)
{
    KindRow row;
    row.Reset();
    EXPECT_EQ(row.Get(kind::WSI_SB), NoValue);   // without a weather type the file is not needed
    row.Set(kind::Weather, 5.0f);
    EXPECT_EQ(row.Get(kind::WSI_SB), NoValue);

    const QString path = QDir(row.home.Path(QString())).filePath(QStringLiteral("WSI.INI"));
    row.Set(kind::Weather, Parsed(u"-1_2T1_010").ToValue());
    try {
        row.Get(kind::WSI_AB);
        FAIL() << "no error without WSI.INI";
    } catch (const FileError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Nie mogę otworzyć pliku ") + path + QStringLiteral(" !"));
    }
    EXPECT_THROW(row.Get(kind::WSI_ST), FileError);   // tried again, by any of the five

    row.home.Write(QStringLiteral("WSI.INI"), "-1_2T1_010 3 1 0 0 1\n");
    EXPECT_EQ(Scores(row, Parsed(u"-1_2T1_010")), (Five{3, 1, 0, 0, 1}));
    // Loaded once: a later change of the file is not seen.
    row.home.Write(QStringLiteral("WSI.INI"), "-1_2T1_010 0 0 0 0 0\n");
    EXPECT_EQ(Scores(row, Parsed(u"-1_2T1_010")), (Five{3, 1, 0, 0, 1}));
}

TEST(SuitabilityTest, TypedScoresAreCheckedButKept)
{
    KindRow row;
    TAbstractData& score = row.Kind(kind::WSI_MR);
    struct Typed
    {
        const char16_t* text;
        float number;
        int noValidValue;
        int rangeState;
        const char* shown;
    };
    for (const Typed& t : std::vector<Typed>{{u"2", 2, 0, 1, "2"},
                                             {u"3", 3, 0, 0, "3"},
                                             {u"  0", 0, 0, 0, "0"},
                                             {u"-1", -1, 0, 1, "-1"},
                                             {u"3a", NoValue, 1, 0, "3a"},
                                             {u"3 ", NoValue, 1, 0, "3 "},
                                             {u"", NoValue, 1, 0, ""},
                                             {u"99999999999", NoValue, 1, 0, "99999999999"}}) {
        TCellData cell;
        const ShownText shown = score.SetCellFromText(cell, t.text);
        const QString text = QString::fromUtf16(t.text);
        EXPECT_EQ(cell.Number, t.number) << text.toStdString();
        EXPECT_EQ(cell.NoValidValue, t.noValidValue) << text.toStdString();
        EXPECT_EQ(cell.RangeState, t.rangeState) << text.toStdString();
        EXPECT_EQ(shown.Resolve(cell.Number), QString::fromLatin1(t.shown)) << text.toStdString();
    }
    TCellData cell;
    EXPECT_EQ(score.SetCellValue(cell, 2.95f).Resolve(cell.Number), QStringLiteral("3"));   // cut after adding 0.1
    EXPECT_EQ(cell.RangeState, 0);
    EXPECT_EQ(score.SetCellValue(cell, 1.85f).Resolve(cell.Number), QStringLiteral("1"));
    EXPECT_TRUE(score.SetCellValue(cell, NoValue).Resolve(cell.Number).isEmpty());
    EXPECT_EQ(cell.NoValidValue, 1);
}

TEST(SuitabilityTest, ShippedScoresRateEveryWeatherType)
{
    QFile shipped(QStringLiteral(SALVENTO_RESOURCES "/WSI.INI"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    const QString text = DecodeText(bytes);
    for (const QStringView line : SplitLines(text)) {
        if (line.startsWith(u';')) {
            TWeatherCode code;
            qsizetype position = 1;
            EXPECT_FALSE(ParseWeatherCode(code, line, position)) << line.toString().toStdString();
        }
    }

    KindRow row;
    row.home.Write(QStringLiteral("WSI.INI"), bytes);
    int rated = 0;
    for (std::uint32_t bits = 0; bits < 1u << 13; ++bits) {
        const TWeatherCode code(bits);
        if (WeatherTypeIndex(code) < 0)
            continue;
        ++rated;
        for (const float score : Scores(row, code))
            ASSERT_TRUE(score == 0 || score == 1 || score == 3) << bits;
    }
    EXPECT_EQ(rated, WeatherTypeCount);
}

}   // namespace
