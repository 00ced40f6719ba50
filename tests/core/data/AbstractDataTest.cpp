#include "support/TestSupport.h"

#include "core/base/CommaText.h"
#include "core/data/DataManager.h"
#include "core/data/EvaluationState.h"
#include "core/indices/KindFactory.h"

#include <gtest/gtest.h>

namespace {

// A kind whose formula is scripted and counts its calls.
class ScriptedKind : public TAbstractData
{
public:
    using TAbstractData::TAbstractData;
    float result = NoValue;
    mutable int calls = 0;
    float Compute(EvaluationState&) const override
    {
        ++calls;
        return result;
    }
};

class AbstractDataTest : public testing::Test
{
protected:
    TempHome home{QByteArray()};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    ScriptedKind kind{kinds, QStringLiteral("X"), 50, false};
    EvaluationState row{kinds};
    KindState& state = row.State(50);

    float ValueFromSource(float tableValue, int dualOption)
    {
        kind.DualOption = SourceOrFormula(dualOption);
        state.Ready = true;
        state.FromSource = true;
        state.Value = tableValue;
        return kind.GetValue(row);
    }
};

TEST_F(AbstractDataTest, ClassesChangeAtTheirThresholds)
{
    kind.SetThresholds(u"P,Q,R", u"10,20");
    for (const auto& [value, name] : std::vector<std::pair<float, const char*>>{
             {9.99f, "P"}, {10.0f, "Q"}, {19.99f, "Q"}, {20.0f, "R"}, {1000.0f, "R"}, {-1e6f, "P"}}) {
        EXPECT_EQ(kind.ClassName(value), QString::fromLatin1(name)) << value;
    }
    std::vector<float> thresholds{1, 2, 3};
    kind.ThresholdValues(thresholds);
    EXPECT_EQ(thresholds, (std::vector<float>{10, 20}));
}

TEST_F(AbstractDataTest, ClassTextShowsNameAndNumber)
{
    kind.SetThresholds(u"\"bardzo zimno\",ciepło", u"0.5");
    EXPECT_EQ(FormatFor(&kind, 21.5f), QStringLiteral("21.50"));   // classes are not shown by default
    kind.ShowClasses = true;
    EXPECT_EQ(FormatFor(&kind, 21.5f), QStringLiteral("ciepło (21.50)"));
    EXPECT_EQ(FormatFor(&kind, -3.0f), QStringLiteral("bardzo zimno (-3.00)"));
    EXPECT_EQ(FormatFor(&kind, NoValue), QString());
    kind.SetThresholds(u"one", u"");
    EXPECT_EQ(FormatFor(&kind, 1.0f), QStringLiteral("1.00"));   // a single class shows the number alone
}

TEST_F(AbstractDataTest, ExtraOrMissingThresholdsDoNotBreakTheClasses)
{
    kind.SetThresholds(u"A,B,C", u"5,7,9,11");   // more thresholds than classes: the extra ones have no class
    EXPECT_EQ(kind.ClassName(8.0f), QStringLiteral("C"));
    kind.SetThresholds(u"A,B,C", u"5");   // B has no upper threshold: C is never reached through it
    EXPECT_EQ(kind.ClassName(4.0f), QStringLiteral("A"));
    EXPECT_EQ(kind.ClassName(6.0f), QStringLiteral("C"));
    kind.SetThresholds(u"A,B", u"x");   // a threshold that is no number reads as 0
    EXPECT_EQ(kind.ClassName(-1.0f), QStringLiteral("A"));
    EXPECT_EQ(kind.ClassName(0.0f), QStringLiteral("B"));
}

TEST_F(AbstractDataTest, IntegerKindsRoundToWholeNumbers)
{
    ScriptedKind integer(kinds, QStringLiteral("I"), 51, true);
    EXPECT_EQ(FormatFor(&integer, 3.7f), QStringLiteral("4"));
    EXPECT_EQ(FormatFor(&kind, 3.7f), QStringLiteral("3.70"));
    EXPECT_EQ(FormatFor(nullptr, 3.7f), QStringLiteral("3.70"));
}

TEST_F(AbstractDataTest, RangeBoundsAreInclusiveAndOptional)
{
    TCellData cell;
    SetCellValueFor(&kind, cell, 100.0f);
    EXPECT_EQ(cell.RangeState, 0);   // no bounds: every value admissible
    kind.Minimum = 0;
    kind.Maximum = 100;
    for (const auto& [value, state] :
         std::vector<std::pair<float, int>>{{0.0f, 0}, {100.0f, 0}, {-0.01f, 1}, {100.01f, 1}}) {
        SetCellValueFor(&kind, cell, value);
        EXPECT_EQ(cell.RangeState, state) << value;
    }
    kind.Minimum = NoValue;
    SetCellValueFor(&kind, cell, -1e9f);
    EXPECT_EQ(cell.RangeState, 0);
    SetCellValueFor(&kind, cell, 101.0f);
    ParseCellText(&kind, cell, u"abc");   // no valid value: the state stays as it was
    EXPECT_EQ(cell.RangeState, 1);
    EXPECT_TRUE(cell.NoValidValue);
    RangeCheck(nullptr, cell);
    EXPECT_EQ(cell.RangeState, 1);
}

TEST_F(AbstractDataTest, StoringTextAndValuesIntoCells)
{
    TCellData cell;
    ShownText shown = ParseCellText(&kind, cell, u" 12.5 ");
    EXPECT_EQ(cell.Number, 12.5f);
    EXPECT_FALSE(cell.NoValidValue);
    EXPECT_EQ(shown.Resolve(cell.Number), QStringLiteral("12.50"));
    shown = ParseCellText(&kind, cell, u" Hel ");
    EXPECT_EQ(cell.Number, NoValue);
    EXPECT_EQ(shown.Resolve(cell.Number), QStringLiteral(" Hel "));   // shown as typed
    shown = SetCellValueFor(&kind, cell, NoValue);
    EXPECT_TRUE(cell.NoValidValue);
    EXPECT_EQ(shown.Resolve(cell.Number), QString());
}

TEST_F(AbstractDataTest, GetValueBeforeACalculationReturnsTheStoredValue)
{
    state.Value = 4.0f;
    kind.result = 9.0f;
    EXPECT_EQ(kind.GetValue(row), 4.0f);
    EXPECT_EQ(kind.calls, 0);
}

TEST_F(AbstractDataTest, GetValueComputesOnceAndFallsBackToTheDefault)
{
    state.Ready = true;
    kind.result = 9.0f;
    EXPECT_EQ(kind.GetValue(row), 9.0f);
    EXPECT_EQ(kind.GetValue(row), 9.0f);
    EXPECT_EQ(kind.calls, 1);   // cached for the row

    state.Value = NoValue;
    kind.result = NoValue;
    kind.DefaultValue = 1.5f;
    EXPECT_EQ(kind.GetValue(row), 1.5f);
}

TEST_F(AbstractDataTest, DualOptionsCombineTableAndFormula)
{
    kind.result = 9.0f;
    EXPECT_EQ(ValueFromSource(4.0f, 1), 9.0f);   // always computed again
    EXPECT_EQ(ValueFromSource(4.0f, 2), 9.0f);   // the formula wins …
    kind.result = NoValue;
    EXPECT_EQ(ValueFromSource(4.0f, 2), 4.0f);   // … the table is the fallback
    kind.calls = 0;
    EXPECT_EQ(ValueFromSource(4.0f, 3), 4.0f);   // the table wins, the formula is not called
    EXPECT_EQ(kind.calls, 0);
    kind.result = 9.0f;
    EXPECT_EQ(ValueFromSource(NoValue, 3), 9.0f);   // an empty cell: the formula …
    kind.result = NoValue;
    kind.DefaultValue = 2.0f;
    EXPECT_EQ(ValueFromSource(NoValue, 3), 2.0f);   // … or else the default
    kind.result = 9.0f;
    kind.DefaultValue = NoValue;
    EXPECT_EQ(ValueFromSource(NoValue, 4), NoValue);   // never computed
    EXPECT_EQ(ValueFromSource(NoValue, 0), NoValue);   // any other option acts like 4
}

TEST_F(AbstractDataTest, SettersRaiseTheirChangedFlags)
{
    kind.SetDualOption(SourceOrFormula::SourceElseFormula);
    EXPECT_FALSE(kind.IsChanged(KindSetting::DualOption));
    kind.SetDualOption(SourceOrFormula::Formula);
    EXPECT_TRUE(kind.IsChanged(KindSetting::DualOption));
    kind.SetDefaultFromText(u"abc");
    EXPECT_EQ(kind.DefaultValue, NoValue);
    EXPECT_TRUE(kind.IsChanged(KindSetting::Default));
    SeparatorScope comma(QLatin1Char(','));
    kind.SetMaximumFromText(u"1,5");
    EXPECT_EQ(kind.Maximum, 1.5f);
    kind.SetMinimumFromText(u"");
    EXPECT_EQ(kind.Minimum, NoValue);
    EXPECT_TRUE(kind.IsChanged(KindSetting::Minimum));
}

TEST(CommaText, SplitsAtCommasAndBlanksOutsideQuotes)
{
    EXPECT_EQ(SplitCommaText(u"a,b, c"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(SplitCommaText(u"a b"), (QStringList{"a", "b"}));
    EXPECT_EQ(SplitCommaText(u"\"a b\",\"c,d\",\"say \"\"hi\"\"\""), (QStringList{"a b", "c,d", "say \"hi\""}));
    EXPECT_EQ(SplitCommaText(u"a,,b"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitCommaText(u"a,"), (QStringList{"a", ""}));
    EXPECT_EQ(SplitCommaText(u"  "), QStringList());
    EXPECT_EQ(SplitCommaText(u"żar,mróz"), (QStringList{"żar", "mróz"}));
}

}   // namespace
