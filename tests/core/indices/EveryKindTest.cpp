// Every computed kind together, with the configuration and the suitability scores that ship with
// the program: all of them computable from a complete row, and a row's values independent of the
// order in which the kinds are asked for (the what-if evaluations leave the row as it was).

#include "support/KindRow.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

QByteArray Shipped(const char* name)
{
    QFile file(QStringLiteral(SALVENTO_RESOURCES "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A row of kinds with the shipped SALVENTO.INI and WSI.INI.
struct ShippedRow : KindRow
{
    ShippedRow() : KindRow(Shipped("SALVENTO.INI")) { home.Write(QStringLiteral("WSI.INI"), Shipped("WSI.INI")); }
};

// A plausible row of observations and personal parameters.
std::array<float, kind::FirstComputed> RandomInputs(std::mt19937& random)
{
    auto uniform = [&random](float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    };
    auto whole = [&random](int low, int high) { return float(std::uniform_int_distribution<int>(low, high)(random)); };
    std::array<float, kind::FirstComputed> in{};
    in[kind::t] = uniform(-35, 42);
    in[kind::td] = in[kind::t] - uniform(0, 25);
    in[kind::N8] = whole(0, 9);
    in[kind::v] = uniform(0, 20);
    in[kind::v10m] = in[kind::v] * uniform(1.2f, 1.8f);
    in[kind::p] = uniform(950, 1050);
    in[kind::M] = uniform(60, 400);
    in[kind::ac] = uniform(15, 45);
    in[kind::sex] = whole(0, 1);
    in[kind::vprim] = uniform(0, 3);
    in[kind::ag] = uniform(5, 80);
    in[kind::hour] = whole(0, 23);
    in[kind::min] = whole(0, 59);
    in[kind::month] = whole(1, 12);
    in[kind::day] = whole(1, 28);
    in[kind::lat] = uniform(-70, 70);
    in[kind::Kdir] = uniform(0, 900);
    in[kind::Kdif] = uniform(0, 400);
    in[kind::tmax] = in[kind::t] + uniform(0, 12);
    in[kind::tmin] = in[kind::t] - uniform(0, 12);
    in[kind::prec] = whole(0, 30);
    in[kind::snow] = whole(0, 40);
    in[kind::vis] = uniform(100, 50000);
    return in;
}

void SetInputs(KindRow& row, const std::array<float, kind::FirstComputed>& inputs)
{
    row.Reset();
    for (int id = 0; id < kind::FirstComputed; ++id)
        row.Set(id, inputs[std::size_t(id)]);
}

TEST(EveryKind, AllComputableWhenEveryInputIsAtHand)
{
    ShippedRow row;
    KindFlags have{};
    for (int id = 0; id < kind::FirstComputed; ++id)
        have[std::size_t(id)] = true;
    KindFlags possible{};
    EXPECT_EQ(row.kinds.ComputePossible(have, possible), kind::ListedCount - kind::FirstComputed);
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id)
        EXPECT_TRUE(possible[std::size_t(id)]) << row.Kind(id).ShortName.toStdString();
}

TEST(EveryKind, ATypicalRowGivesEveryIndex)
{
    ShippedRow row;
    std::array<float, kind::FirstComputed> typical{};
    for (int id = 0; id < kind::FirstComputed; ++id)
        typical[std::size_t(id)] = row.Kind(id).TypicalValue;
    SetInputs(row, typical);
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id)
        EXPECT_NE(row.Get(id), NoValue) << row.Kind(id).ShortName.toStdString();
}

TEST(EveryKind, RowValuesDoNotDependOnTheOrderOfAsking)
{
    ShippedRow row;
    std::mt19937 random(2024);
    for (int sample = 0; sample < 2000; ++sample) {
        const auto inputs = RandomInputs(random);
        SetInputs(row, inputs);
        std::array<float, kind::Count> forward{};
        for (int id = kind::FirstComputed; id < kind::Count; ++id)
            forward[std::size_t(id)] = row.Get(id);
        for (int id = kind::FirstComputed; id < kind::Count; ++id) {
            const float again = row.Get(id);
            ASSERT_EQ(std::memcmp(&again, &forward[std::size_t(id)], sizeof again), 0)
                << "sample " << sample << ": " << row.Kind(id).ShortName.toStdString() << " changed";
            ASSERT_TRUE(again == NoValue || std::isfinite(again)) << row.Kind(id).ShortName.toStdString();
        }
        for (int id = 0; id < kind::FirstComputed; ++id)
            ASSERT_EQ(row.Value(id), inputs[std::size_t(id)]) << row.Kind(id).ShortName.toStdString();
        if (sample % 20 != 0)
            continue;
        // Each kind alone in a fresh row gives what it gave among all the others.
        for (int id = kind::Count - 1; id >= kind::FirstComputed; --id) {
            SetInputs(row, inputs);
            const float alone = row.Get(id);
            ASSERT_EQ(std::memcmp(&alone, &forward[std::size_t(id)], sizeof alone), 0)
                << "sample " << sample << ": " << row.Kind(id).ShortName.toStdString() << " alone";
        }
    }
}

// Two evaluation states over the same kinds, each with its own row, asked in turns (as two threads
// would): every value bit for bit what one state gives for the rows one after the other.
TEST(EveryKind, TwoEvaluationStatesKeepTheirRowsApart)
{
    ShippedRow row;
    std::mt19937 random(99);
    for (int sample = 0; sample < 50; ++sample) {
        const std::array<std::array<float, kind::FirstComputed>, 2> inputs = {RandomInputs(random),
                                                                              RandomInputs(random)};
        std::array<std::array<float, kind::Count>, 2> alone{};
        for (std::size_t r = 0; r < 2; ++r) {
            SetInputs(row, inputs[r]);
            for (int id = kind::FirstComputed; id < kind::Count; ++id)
                alone[r][std::size_t(id)] = row.Get(id);
        }
        std::array<EvaluationState, 2> states = {EvaluationState(row.kinds), EvaluationState(row.kinds)};
        for (std::size_t r = 0; r < 2; ++r) {
            states[r].ResetAll();
            for (int id = 0; id < kind::FirstComputed; ++id)
                states[r].SetFromSource(id, inputs[r][std::size_t(id)]);
        }
        // The second state asks in the opposite order, so that each computes what the other has not.
        for (int i = 0; i < kind::Count - kind::FirstComputed; ++i) {
            const int first = kind::FirstComputed + i;
            const int second = kind::Count - 1 - i;
            const float a = states[0].Input(first);
            const float b = states[1].Input(second);
            ASSERT_EQ(std::memcmp(&a, &alone[0][std::size_t(first)], sizeof a), 0)
                << "sample " << sample << ": " << row.Kind(first).ShortName.toStdString();
            ASSERT_EQ(std::memcmp(&b, &alone[1][std::size_t(second)], sizeof b), 0)
                << "sample " << sample << ": " << row.Kind(second).ShortName.toStdString();
        }
    }
}

// The balancing skin temperature and clothing found by the searches do balance the heat budget of the
// standard person within the tolerance of ±3 W/m².
TEST(EveryKind, IterativeIndicesBalanceTheBudget)
{
    ShippedRow row;
    const float standardIcl = row.Kind(kind::Icl).DefaultValue;
    const float standardTs = row.Kind(kind::Ts).DefaultValue;
    const float standardM = row.Kind(kind::M).DefaultValue;
    std::mt19937 random(7);
    int balanced = 0;
    for (int sample = 0; sample < 300; ++sample) {
        const auto inputs = RandomInputs(random);
        SetInputs(row, inputs);
        const float ste = row.Get(kind::STE);
        SetInputs(row, inputs);
        const float eci = row.Get(kind::ECI);
        if (ste != NoValue) {
            SetInputs(row, inputs);
            row.Set(kind::Ts, ste);
            row.Set(kind::Icl, standardIcl);
            row.Set(kind::M, standardM);
            EXPECT_LE(std::fabs(row.Get(kind::mS)), 3.0f) << "STE " << ste << " in sample " << sample;
            ++balanced;
        }
        if (eci != NoValue && eci != -1) {
            SetInputs(row, inputs);
            row.Set(kind::Icl, eci);
            row.Set(kind::Ts, standardTs);
            row.Set(kind::M, standardM);
            EXPECT_LE(std::fabs(row.Get(kind::mS)), 3.0f) << "ECI " << eci << " in sample " << sample;
            EXPECT_GE(eci, 0.0f);
            ++balanced;
        }
    }
    EXPECT_GT(balanced, 300);   // most rows balance one way or the other
}

}   // namespace
