#include "support/KindRow.h"

#include "core/indices/Utci.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Position of the coefficient of Ta^i·va^j·D^k·Pa^l in the table: the power of Pa is the outermost
// loop, then D, then va, then Ta; each power runs from 0 while the total stays at most 6.
std::size_t MonomialIndex(int i, int j, int k, int l)
{
    std::size_t index = 0;
    for (int pl = 0; pl <= 6; ++pl)
        for (int pk = 0; pk + pl <= 6; ++pk)
            for (int pj = 0; pj + pk + pl <= 6; ++pj)
                for (int pi = 0; pi + pj + pk + pl <= 6; ++pi, ++index)
                    if (pi == i && pj == j && pk == k && pl == l)
                        return index;
    return index;
}

// A row with the four inputs of the polynomial as a source table gives them.
float Utci(KindRow& row, float t, float mrt, float v10m, float e)
{
    row.Reset();
    row.Set(kind::t, t);
    row.Set(kind::Mrt, mrt);
    row.Set(kind::v10m, v10m);
    row.Set(kind::e, e);
    return row.Get(kind::UTCI);
}

}   // namespace

TEST(Utci, PublishedSampleCoefficientsSitAtTheirMonomials)
{
    struct Case
    {
        int ta, va, d, pa;
        double coefficient;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0.607562052},     {1, 0, 0, 0, -0.0227712343},  {2, 0, 0, 0, 0.000806470249},
        {3, 0, 0, 0, -0.000154271372}, {4, 0, 0, 0, -3.24651735e-6}, {5, 0, 0, 0, 7.32602852e-8},
        {6, 0, 0, 0, 1.35959073e-9},   {0, 1, 0, 0, -2.2583652},     {1, 1, 0, 0, 0.0880326035},
        {2, 1, 0, 0, 0.00216844454},   {0, 0, 1, 5, 0.000247090539}, {0, 0, 0, 6, 0.00148348065},
    };
    for (const Case& c : cases) {
        const std::size_t index = MonomialIndex(c.ta, c.va, c.d, c.pa);
        ASSERT_LT(index, UtciCoefficients.size());
        EXPECT_DOUBLE_EQ(UtciCoefficients[index], c.coefficient)
            << "Ta^" << c.ta << " va^" << c.va << " D^" << c.d << " Pa^" << c.pa << " at " << index;
    }
    EXPECT_EQ(MonomialIndex(0, 0, 0, 6), UtciCoefficients.size() - 1);
}

TEST(Utci, StillAirWithoutRadiationOrHumidityKeepsOnlyThePureTaTerms)
{
    // 20 + 0.607562052 − 0.455424686 + 0.3225880996 − 1.234170976 − 0.519442776 + 0.23443291264
    //    + 0.08701380672 = 19.04255843 (by hand).
    KindRow row;
    EXPECT_NEAR(Utci(row, 20, 20, 0, 0), 19.04255843, 1e-5);
}

TEST(Utci, WindAt10mIsTakenBeforeTheWindOfAPerson)
{
    KindRow row;
    row.Kind(kind::v).DefaultValue = 5;   // taken only if v is ever asked for
    EXPECT_NE(Utci(row, 20, 30, 3, 10), NoValue);
    EXPECT_EQ(row.Value(kind::v), NoValue);
}

TEST(Utci, WindOfAPersonIsScaledTo10m)
{
    KindRow row;
    const float at10m = Utci(row, 20, 30, 2.9985007f, 10);   // 2 / 0.667 = 2.998500750 (by hand)
    const float unscaled = Utci(row, 20, 30, 2, 10);

    row.Reset();
    row.Set(kind::t, 20);
    row.Set(kind::Mrt, 30);
    row.Set(kind::v10m, NoValue);   // an empty cell of the 10 m column
    row.Set(kind::v, 2);
    row.Set(kind::e, 10);
    const float fromPersonWind = row.Get(kind::UTCI);

    EXPECT_FLOAT_EQ(fromPersonWind, at10m);
    EXPECT_GT(std::abs(fromPersonWind - unscaled), 0.1f);
}

TEST(Utci, AMissingInputGivesNoValue)
{
    const int inputs[] = {kind::t, kind::e, kind::Mrt, kind::v10m};
    for (const int missing : inputs) {
        KindRow row;
        row.Set(kind::t, 20);
        row.Set(kind::e, 10);
        row.Set(kind::Mrt, 30);
        row.Set(kind::v10m, 3);
        row.Set(missing, NoValue);
        EXPECT_EQ(row.Get(kind::UTCI), NoValue) << "missing kind " << missing;
    }
}

TEST(Utci, MatchesPublishedReferenceValues)
{
    // Reference values of the polynomial, published to 0.1 °C.
    std::ifstream file(SALVENTO_TEST_DATA "/utci_reference_cases.tsv");
    ASSERT_TRUE(file.is_open());
    KindRow row;
    int cases = 0;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("ta\t", 0) == 0)
            continue;
        std::istringstream fields(line);
        float ta = 0, tmrt = 0, va10 = 0, e = 0, expected = 0;
        ASSERT_TRUE(fields >> ta >> tmrt >> va10 >> e >> expected) << line;
        EXPECT_NEAR(Utci(row, ta, tmrt, va10, e), expected, 0.1) << line;
        ++cases;
    }
    EXPECT_EQ(cases, 100);
}

TEST(Utci, InputsFarOutsideTheFittedRangeStillGiveANumber)
{
    struct Case
    {
        float t, mrt, v10m, e;
    };
    const Case cases[] = {{60, 60, 1, 50}, {20, 20, 40, 10}, {-70, -90, 40, 0}, {50, 150, 0, 120}};
    KindRow row;
    for (const Case& c : cases)
        EXPECT_NE(Utci(row, c.t, c.mrt, c.v10m, c.e), NoValue) << c.t << " " << c.mrt << " " << c.v10m;
}
