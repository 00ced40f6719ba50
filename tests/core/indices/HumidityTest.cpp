#include "support/KindRow.h"

#include "core/indices/Humidity.h"

#include <gtest/gtest.h>

namespace {

TEST(Humidity, VapourPressureFromHumidityElseDewPoint)
{
    KindRow row;
    row.Set(kind::t, 20);
    row.Set(kind::f, 50);
    EXPECT_NEAR(row.Get(kind::e), 11.674f, 0.001f);   // 6.112·10^(150/257.7)·0.5

    row.Reset();
    row.Set(kind::t, 20);
    row.Set(kind::td, 10);
    EXPECT_NEAR(row.Get(kind::e), 12.3094f,
                0.0001f);   // 6.11·e^(5417.753·(1/273.16 − 1/283.16)): the dew-point branch, though f could be computed
    EXPECT_EQ(row.Value(kind::f), NoValue);   // … and it was not

    row.Reset();
    row.Set(kind::td, 0);   // without t the humidity is not used either
    row.Set(kind::f, 50);
    EXPECT_NEAR(row.Get(kind::e), 6.11f, 1e-5f);

    row.Reset();
    row.Set(kind::t, 20);
    EXPECT_EQ(row.Get(kind::e), NoValue);
}

TEST(Humidity, RelativeHumidityStaysWithinFiveAndHundred)
{
    KindRow row;
    for (const auto& [e, f] : std::vector<std::pair<float, float>>{{11.674f, 50.0f}, {30, 100}, {0.1f, 5}}) {
        row.Reset();
        row.Set(kind::t, 20);
        row.Set(kind::e, e);
        EXPECT_NEAR(row.Get(kind::f), f, 0.01f) << e;
    }
}

TEST(Humidity, CloudinessAndGroundTemperature)
{
    KindRow row;
    for (const auto& [octas, percent] : std::vector<std::pair<float, float>>{{9, 100}, {4, 50}, {8, 100}, {0, 0}}) {
        row.Reset();
        row.Set(kind::N8, octas);
        EXPECT_EQ(row.Get(kind::N), percent) << octas;
    }
    struct Case
    {
        float t, N, Tg;
    };
    for (const Case c : {Case{-10, 80, -10}, Case{-10, 79.9f, -9}, Case{20, 50, 25}, Case{20, NoValue, 20}}) {
        row.Reset();
        row.Set(kind::t, c.t);
        row.Set(kind::N, c.N);
        EXPECT_FLOAT_EQ(row.Get(kind::Tg), c.Tg) << c.t << " " << c.N;
    }
}

TEST(Humidity, GlobalAndReflectedRadiation)
{
    KindRow row;
    row.Set(kind::Kdir, 600);
    row.Set(kind::Kdif, 150);
    row.Set(kind::ag, 20);
    EXPECT_EQ(row.Get(kind::Kglob), 750.0f);
    EXPECT_EQ(row.Get(kind::Kref), 150.0f);
}

// The row of a summer day at 52° 30′ N.
float SunHeight(KindRow& row, float month, float day, float hour, float min, float lat)
{
    row.Reset();
    row.Set(kind::month, month);
    row.Set(kind::day, day);
    row.Set(kind::hour, hour);
    row.Set(kind::min, min);
    row.Set(kind::lat, lat);
    return row.Get(kind::hSl);
}

TEST(Humidity, SunHeight)
{
    KindRow row;
    EXPECT_NEAR(SunHeight(row, 6, 21, 11, 30, 52.30f), 60.95f, 0.01f);   // culmination, hour angle 0
    EXPECT_NEAR(SunHeight(row, 6, 21, 8, 0, 52.30f), 40.98f, 0.01f);     // hour angle 52.5°
    EXPECT_EQ(SunHeight(row, 6, 21, 11, 30, -52.30f), SunHeight(row, 6, 21, 11, 30, 52.30f));
    EXPECT_EQ(SunHeight(row, 12, 21, 0, 0, 52.30f), 0.0f);   // below the horizon
    // Sixty minutes or more are not refused: 52.75 is 53.25°.
    EXPECT_NEAR(SunHeight(row, 6, 21, 11, 30, 52.75f) - SunHeight(row, 6, 21, 11, 30, 52.30f), -0.75f, 0.001f);
    EXPECT_EQ(SunHeight(row, 13, 1, 12, 0, 50), NoValue);   // no such month
    EXPECT_EQ(SunHeight(row, 0, 1, 12, 0, 50), NoValue);
    EXPECT_EQ(SunHeight(row, 6, 21, 12, 0, NoValue), NoValue);
}

TEST(Humidity, WorkedRowFromHumidityToMeanRadiantTemperature)
{
    KindRow row;
    row.Set(kind::t, 20);
    row.Set(kind::f, 50);
    row.Set(kind::N, 50);
    row.Set(kind::Kglob, 500);
    row.Set(kind::hSl, 40);
    row.Set(kind::ac, 30);
    EXPECT_NEAR(row.Get(kind::e), 11.674f, 0.001f);
    EXPECT_FLOAT_EQ(row.Get(kind::Tg), 25.0f);
    EXPECT_NEAR(row.Get(kind::LgLa), 375.44f, 0.01f);
    EXPECT_NEAR(row.Get(kind::Rprim), 97.53f, 0.01f);   // k = 500/564.96 ≈ 0.885: 0.7·3.6922·500^0.5842
    EXPECT_NEAR(row.Get(kind::Mrt), 33.15f, 0.01f);
}

TEST(Humidity, AbsorbedRadiationPrefersTheBestMeasurement)
{
    KindRow row;
    auto absorbed = [&row](std::initializer_list<std::pair<int, float>> values) {
        row.Reset();
        for (const auto& [id, value] : values)
            row.Set(id, value);
        return row.Get(kind::Rprim);
    };
    // A known mean radiant temperature: the exchange with the air temperature, never negative.
    EXPECT_EQ(absorbed({{kind::t, 20}, {kind::Mrt, 20}}), 0.0f);
    EXPECT_EQ(absorbed({{kind::t, 20}, {kind::Mrt, 10}}), 0.0f);
    EXPECT_NEAR(absorbed({{kind::t, 20}, {kind::Mrt, 30}}), 5.3865e-8 * (std::pow(303.0, 4) - std::pow(293.0, 4)),
                1e-3);
    // Direct, diffuse and reflected radiation (hand calculation: h = 30, a = 0.7,
    // D = (0.0013 + 0.033·ln 30)·150 = 17.031, R = 1.4·0.7·(500·(18.816/30 − 0.235) + D) = 208.868).
    EXPECT_NEAR(absorbed({{kind::hSl, 30}, {kind::ac, 30}, {kind::Kdir, 500}, {kind::Kdif, 100}, {kind::Kref, 50}}),
                208.868f, 0.001f);
    // Low sun: 1.4·0.7·(100·e^(0.368·4 − 0.51) + (0.0013 + 0.033·ln 4)·60) = 259.225.
    EXPECT_NEAR(absorbed({{kind::hSl, 4}, {kind::ac, 30}, {kind::Kdir, 100}, {kind::Kdif, 40}, {kind::Kref, 20}}),
                259.225f, 0.001f);
    EXPECT_EQ(absorbed({{kind::hSl, 0}, {kind::ac, 30}, {kind::Kdir, 0}, {kind::Kdif, 0}, {kind::Kref, 0}}), 0.0f);
    // Global radiation under a low sun: 0.7·(0.0014·100² + 0.476·100 − 3.8) = 40.46.
    EXPECT_NEAR(absorbed({{kind::hSl, 10}, {kind::ac, 30}, {kind::Kglob, 100}}), 40.46f, 0.001f);
    // Cloudiness: N ≤ 20 at h = 30: 1.4·0.7·(73.981·ln 30 − 100.428) = 148.172; overcast: 0.7·0.9506·30^1.039.
    EXPECT_NEAR(absorbed({{kind::hSl, 30}, {kind::ac, 30}, {kind::N, 10}}), 148.172f, 0.001f);
    EXPECT_NEAR(absorbed({{kind::hSl, 30}, {kind::ac, 30}, {kind::N, 100}}), 0.7 * 0.9506 * std::pow(30.0, 1.039),
                1e-3);
    // Without the albedo: visibility alone, 23.216·e^0.804 at h = 30 and 10 km.
    EXPECT_NEAR(absorbed({{kind::hSl, 30}, {kind::vis, 10000}, {kind::Kglob, 500}}), 51.88f, 0.01f);
    EXPECT_EQ(absorbed({{kind::hSl, 30}, {kind::ac, 30}}), NoValue);
    EXPECT_EQ(absorbed({{kind::ac, 30}, {kind::Kglob, 500}}), NoValue);   // no sun height
}

TEST(Humidity, MeanRadiantTemperatureOfNoRadiation)
{
    KindRow row;
    row.Set(kind::Rprim, 0);
    row.Set(kind::LgLa, 0);
    EXPECT_FLOAT_EQ(row.Get(kind::Mrt), -273.0f);
    row.Reset();
    row.Set(kind::Rprim, -100);
    row.Set(kind::LgLa, 0);
    EXPECT_EQ(row.Get(kind::Mrt), NoValue);   // the root of a negative flux is no temperature
}

}   // namespace
