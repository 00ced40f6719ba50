#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/stats/ColumnReport.h"
#include "core/stats/Frequency.h"
#include "core/stats/StatColumn.h"
#include "core/table/Table.h"

#include <gtest/gtest.h>

namespace {

// t with a range, PMV with three classes, W_Strain textual without classes (count-only).
const QByteArray Config = R"(
[Minima]
t=-90
[Maxima]
t=60
[DescriptionsPL]
t=Temperatura powietrza
PMV=Przewidywana ocena
[ThresholdsNamesPL]
PMV=zimno,neutralnie,ciepło
[Thresholds]
PMV=-0.5,0.5
)";

class ColumnReportTest : public testing::Test
{
protected:
    TempHome home{Config};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    TTable table{1};

    // Column 1 named `name` holding `cells`, one per row.
    void Fill(const QString& name, const QStringList& cells, int column = 1)
    {
        table.SetColCount(std::max(table.ColCount(), column + 1));
        table.SetRowCount(std::max(table.RowCount(), int(cells.size()) + 1));
        table.BindHeader(column, name, kinds);
        for (int r = 1; r <= cells.size(); ++r)
            table.SetCellText(column, r, cells[r - 1]);
    }
    // The report of the whole column 1 in the given mode.
    QStringList Report(int mode = -1, float histParam = NoValue, std::vector<float> user = {})
    {
        std::vector<TStatColumnRec> records = MakeStatColumns(table, 1, 1, 1, 1);
        if (mode >= 0)
            records[0].FreqMode = mode;
        records[0].HistParam = histParam;
        records[0].UserThresholds = std::move(user);
        return ComputeColumnReport(records[0], QStringLiteral("."));
    }
};

TEST_F(ColumnReportTest, TwoFourSix)
{
    Fill(QStringLiteral("x"), {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6")});
    // Mean 4, squares 4 + 0 + 4 = 8, variance 8/2 = 4, s = 2; errors 2/√3, 4·√(2/2), 2/√(2·2); 2/4 = 50 %.
    const QStringList expected{
        QString(),
        QStringLiteral("            Kolumna x"),
        QString(),
        QStringLiteral("Ilość wierszy:                   3  (od 1 do 3)"),
        QStringLiteral("Ilość danych liczbowych:         3"),
        QStringLiteral("w tym spoza dopuszcz. zakresu:   0"),
        QStringLiteral("Ilość napisów:                   0"),
        QStringLiteral("Suma:                              12.000"),
        QStringLiteral("Minimalna wartość:                  2.000"),
        QStringLiteral("Maksymalna wartość:                 6.000"),
        QStringLiteral("Średnia arytmetyczna:               4.000 ± 1.155"),
        QStringLiteral("Wariancja:                          4.000 ± 4.000"),
        QStringLiteral("Odchylenie standardowe:             2.000 ± 1.000"),
        QStringLiteral("'Coefficient of the variance':     50.000 %"),
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(ColumnReportTest, StandardClassesNameTheMeanAndTheIntervals)
{
    Fill(QStringLiteral("pmv"), {QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    // Mean 0.5 lies on the upper threshold: it belongs to ciepło. Squares 2.25 + 0.25 + 0.25 + 2.25 = 5,
    // variance 5/3 = 1.667, s = 1.291; errors 1.291/2, 1.667·√(2/3) = 1.361, 1.291/√6 = 0.527;
    // 1.291/0.5 = 258.199 %.
    const QStringList expected{
        QString(),
        QStringLiteral("            Kolumna PMV (Przewidywana ocena)"),
        QString(),
        QStringLiteral("Ilość wierszy:                   4  (od 1 do 4)"),
        QStringLiteral("Ilość danych liczbowych:         4"),
        QStringLiteral("w tym spoza dopuszcz. zakresu:   0"),
        QStringLiteral("Ilość napisów:                   0"),
        QStringLiteral("Suma:                               2.000"),
        QStringLiteral("Minimalna wartość:                 -1.000"),
        QStringLiteral("Maksymalna wartość:                 2.000"),
        QStringLiteral("Średnia arytmetyczna:               0.500 ± 0.645  (ciepło)"),
        QStringLiteral("Wariancja:                          1.667 ± 1.361"),
        QStringLiteral("Odchylenie standardowe:             1.291 ± 0.527"),
        QStringLiteral("'Coefficient of the variance':    258.199 %"),
        QString(),
        QStringLiteral("PRZEDZIAŁY CZĘSTOŚCI:"),
        QStringLiteral("     1 razy: zimno"),
        QStringLiteral("     1 razy: neutralnie"),
        QStringLiteral("     2 razy: ciepło"),
    };
    EXPECT_EQ(Report(), expected);
}

TEST_F(ColumnReportTest, EmptyAndSingleValueColumns)
{
    Fill(QStringLiteral("x"), {QStringLiteral("abc"), QString()});
    EXPECT_EQ(Report(),
              (QStringList{QString(), QStringLiteral("            Kolumna x"), QString(),
                           QStringLiteral("Cała kolumna jest pusta !"), QString()}));

    table.SetCellText(1, 2, u"7.5");
    EXPECT_EQ(Report().mid(3), (QStringList{QStringLiteral("W tej kolumnie jest tylko jedna dana: 7.500"), QString()}));

    Fill(QStringLiteral("PMV"), {QStringLiteral("-3"), QStringLiteral("tekst")});
    EXPECT_EQ(Report()[3], QStringLiteral("W tej kolumnie jest tylko jedna dana: -3.000 (zimno)"));
    EXPECT_EQ(Report(fmNone)[3], QStringLiteral("W tej kolumnie jest tylko jedna dana: -3.000"));
}

TEST_F(ColumnReportTest, OutOfRangeNumbersCountEverywhereAndEmptyCellsAreTexts)
{
    Fill(QStringLiteral("t"), {QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("abc"), QString()});
    const QStringList report = Report();
    EXPECT_EQ(report[1], QStringLiteral("            Kolumna t (Temperatura powietrza)"));
    EXPECT_EQ(report.mid(4, 6),
              (QStringList{
                  QStringLiteral("Ilość danych liczbowych:         2"),
                  QStringLiteral("w tym spoza dopuszcz. zakresu:   1"),
                  QStringLiteral("Ilość napisów:                   2"),
                  QStringLiteral("Suma:                             110.000"),
                  QStringLiteral("Minimalna wartość:                 10.000"),
                  QStringLiteral("Maksymalna wartość:               100.000"),
              }));
}

TEST_F(ColumnReportTest, ExtremesAreTheColumnsOwnBeyondTenMillion)
{
    Fill(QStringLiteral("x"), {QStringLiteral("20000000"), QStringLiteral("30000000")});
    EXPECT_EQ(Report()[8], QStringLiteral("Minimalna wartość:             20000000.000"));
    Fill(QStringLiteral("x"), {QStringLiteral("-20000000"), QStringLiteral("-30000000")});
    EXPECT_EQ(Report()[9], QStringLiteral("Maksymalna wartość:            -20000000.000"));
}

TEST_F(ColumnReportTest, StandardModeWithoutKindReportsLikeNoMode)
{
    Fill(QStringLiteral("x"), {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6")});
    EXPECT_EQ(Report(fmStandard), Report(fmNone));
}

TEST_F(ColumnReportTest, ZeroMeanHasNoCoefficient)
{
    Fill(QStringLiteral("x"), {QStringLiteral("-3"), QStringLiteral("3")});
    EXPECT_EQ(Report().last(), QStringLiteral("'Coefficient of the variance': N/A"));
}

TEST_F(ColumnReportTest, CountOnlyColumnPrintsCountsAndLeavesOutBadWords)
{
    // W_Strain shows letters; x is no class of it and is kept as a bad value.
    Fill(QStringLiteral("W_Strain"), {QStringLiteral("T"), QStringLiteral("C"), QStringLiteral("x"), QString()});
    EXPECT_EQ(Report().mid(3),
              (QStringList{
                  QStringLiteral("Ilość wierszy:                   4  (od 1 do 4)"),
                  QStringLiteral("Ilość danych liczbowych:         2"),
                  QStringLiteral("w tym spoza dopuszcz. zakresu:   1"),
                  QStringLiteral("Ilość napisów:                   1"),
              }));
}

TEST_F(ColumnReportTest, HistogramOfTwoIntervals)
{
    Fill(QStringLiteral("x"), {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("10")});
    // One threshold at 0 + (10 − 0)/2 = 5; the value 5 belongs to the upper interval.
    EXPECT_EQ(Report(fmCount, 2).mid(14),
              (QStringList{
                  QString(),
                  QStringLiteral("PRZEDZIAŁY CZĘSTOŚCI:"),
                  QStringLiteral("     1 razy: od -INFINITY do      4.99"),
                  QStringLiteral("     2 razy: od      5.00 do +INFINITY"),
              }));
}

TEST_F(ColumnReportTest, HistogramOfEqualValues)
{
    Fill(QStringLiteral("x"), {QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5")});
    // Width 0/3 = 0: two thresholds, both 5.
    EXPECT_EQ(Report(fmCount, 3).mid(14),
              (QStringList{
                  QString(),
                  QStringLiteral("PRZEDZIAŁY CZĘSTOŚCI:"),
                  QStringLiteral("     0 razy: od -INFINITY do      4.99"),
                  QStringLiteral("     0 razy: od      5.00 do      4.99"),
                  QStringLiteral("     3 razy: od      5.00 do +INFINITY"),
              }));
}

TEST_F(ColumnReportTest, HistogramsWithoutIntervalsHaveNoFrequencySection)
{
    Fill(QStringLiteral("x"), {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("10")});
    struct Case
    {
        int mode;
        float param;
    };
    for (const Case& c : {Case{fmWidth, 11}, Case{fmWidth, 0}, Case{fmWidth, -2}, Case{fmCount, 1}, Case{fmCount, 0},
                          Case{fmCount, -3}}) {
        const QStringList report = Report(c.mode, c.param);
        EXPECT_EQ(report.size(), 14) << c.mode << ' ' << c.param;
    }
    // Width 3 over 0…10: 10/3 truncated = 3 thresholds, 3, 6, 9.
    EXPECT_EQ(Report(fmWidth, 3).mid(16),
              (QStringList{
                  QStringLiteral("     1 razy: od -INFINITY do      2.99"),
                  QStringLiteral("     1 razy: od      3.00 do      5.99"),
                  QStringLiteral("     0 razy: od      6.00 do      8.99"),
                  QStringLiteral("     1 razy: od      9.00 do +INFINITY"),
              }));
}

TEST_F(ColumnReportTest, TinyWidthIsCappedNotExhaustingMemory)
{
    Fill(QStringLiteral("x"), {QStringLiteral("0"), QStringLiteral("1000")});
    EXPECT_EQ(Report(fmWidth, 1e-6f).size(), 14 + 2 + MaxHistogramThresholds + 1);
}

TEST_F(ColumnReportTest, UserThresholdsAreSortedAndMayRepeat)
{
    Fill(QStringLiteral("x"), {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("7")});
    EXPECT_EQ(Report(fmUser, NoValue, {5, 2, 5}).mid(16),
              (QStringList{
                  QStringLiteral("     1 razy: od -INFINITY do      1.99"),
                  QStringLiteral("     0 razy: od      2.00 do      4.99"),
                  QStringLiteral("     0 razy: od      5.00 do      4.99"),
                  QStringLiteral("     2 razy: od      5.00 do +INFINITY"),
              }));
}

TEST_F(ColumnReportTest, SystemSeparatorOnlyInNumbers)
{
    Fill(QStringLiteral("t.max"), {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6")});
    std::vector<TStatColumnRec> records = MakeStatColumns(table, 1, 1, 1, 1);
    const QStringList report = ComputeColumnReport(records[0], QStringLiteral(","));
    EXPECT_EQ(report[1], QStringLiteral("            Kolumna t.max"));
    EXPECT_EQ(report[10], QStringLiteral("Średnia arytmetyczna:               4,000 ± 1,155"));
}

TEST_F(ColumnReportTest, TinyNegativesPrintAsZero)
{
    Fill(QStringLiteral("x"), {QStringLiteral("-0.0001"), QStringLiteral("-0.0002")});
    for (const QString& line : Report())
        EXPECT_FALSE(line.contains(QStringLiteral("-0.000"))) << line.toStdString();
}

TEST_F(ColumnReportTest, SelectionChoosesColumnsAndRows)
{
    Fill(QStringLiteral("a"), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}, 1);
    Fill(QStringLiteral("PMV"), {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")}, 2);

    const std::vector<TStatColumnRec> single = MakeStatColumns(table, 2, 2, 2, 2);
    ASSERT_EQ(single.size(), 1u);
    EXPECT_EQ(single[0].FromRow, 1);
    EXPECT_EQ(single[0].ToRow, 3);
    EXPECT_TRUE(single[0].HasStandard);
    EXPECT_EQ(single[0].FreqMode, fmStandard);

    const std::vector<TStatColumnRec> both = MakeStatColumns(table, 1, 2, 2, 3);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].ColName, QStringLiteral("a"));
    EXPECT_EQ(both[0].FreqMode, fmNone);
    EXPECT_EQ(both[0].Kind, nullptr);
    const QStringList report = ComputeReport(both, QStringLiteral("."));
    EXPECT_EQ(report[1], QStringLiteral("            Kolumna a"));
    EXPECT_EQ(report[3], QStringLiteral("Ilość wierszy:                   2  (od 2 do 3)"));
    EXPECT_EQ(report[7], QStringLiteral("Suma:                               5.000"));
    const qsizetype second = report.indexOf(QStringLiteral("            Kolumna PMV (Przewidywana ocena)"));
    ASSERT_EQ(second, 15);
    EXPECT_EQ(report[second - 1], QString());
    EXPECT_EQ(report[second + 6], QStringLiteral("Suma:                              11.000"));
}

}   // namespace
