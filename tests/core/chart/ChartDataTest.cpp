// The numbers behind the charts: series points with their gaps and times, histogram bars as the
// statistics report counts them, and the monthly class shares of a bioclimatic calendar.

#include "support/OpenFileFixture.h"

#include "core/chart/ChartData.h"
#include "core/stats/ColumnReport.h"
#include "core/table/Table.h"

#include <QDateTime>

#include <numeric>

namespace {

class ChartDataTest : public OpenFileFixture
{
protected:
    ChartDataTest()
        : OpenFileFixture(QByteArray("[ThresholdsNamesPL]\nSTI=zimno,umiarkowanie,gorąco\n[Thresholds]\nSTI=0,20\n"))
    { }

    // The example year with an STI column holding the air temperature.
    TTable& ExampleYearWithSti()
    {
        ui.loadOptions = LoadOptions{LoadMode::NewTable, QStringLiteral("t"), QStringLiteral(".")};
        TTable& table = *OpenPath(QStringLiteral(SALVENTO_RESOURCES "/examples/station-year.txt"));
        const int t = table.ColumnIndexOf(u"t");
        const int sti = table.AddColumn(QStringLiteral("STI"), kinds.FindByName(u"STI"));
        for (int r = 1; r < table.RowCount(); ++r)
            table.SetCellNumber(sti, r, table.CellNumber(t, r));
        return table;
    }
};

TEST_F(ChartDataTest, ASeriesHasGapsWhereValuesAreMissingAndTheRowsTime)
{
    TTable& table = *tables.NewTable();
    table.SetColCount(5);
    table.SetRowCount(5);
    const char* names[] = {"month", "day", "hour", "t"};
    for (int c = 1; c <= 4; ++c)
        table.BindHeader(c, QString::fromLatin1(names[c - 1]), kinds);
    const float rows[4][4] = {{2, 28, 23, 1}, {2, 29, 0, NoValue}, {2, 29, 1, 3}, {2, 30, 1, 4}};
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            table.SetCellNumber(c, r, rows[r - 1][c - 1]);

    const SeriesData byRow = MakeSeries(table, 4, TimeColumns{});
    ASSERT_EQ(byRow.Runs.size(), 2u);   // the missing value of row 2 parts the line
    EXPECT_EQ(byRow.Runs[1], (std::vector<QPointF>{{3, 3}, {4, 4}}));

    const SeriesData byTime = MakeSeries(table, 4, FindTimeColumns(table));
    ASSERT_EQ(byTime.Runs.size(), 2u);   // 30 February has no time: the run ends before it
    const qint64 leapDay = QDateTime(QDate(2000, 2, 29), QTime(1, 0), Qt::UTC).toMSecsSinceEpoch();
    EXPECT_EQ(byTime.Runs[1], (std::vector<QPointF>{{double(leapDay), 3}}));
}

TEST_F(ChartDataTest, HistogramBarsAreTheReportsIntervals)
{
    TTable& table = ExampleYearWithSti();
    for (const int column : {table.ColumnIndexOf(u"STI"), table.ColumnIndexOf(u"t")}) {
        TStatColumnRec record = MakeStatColumns(table, column, 1, column, 1)[0];
        if (record.FreqMode == fmNone) {
            record.FreqMode = fmWidth;
            record.HistParam = 5;
        }
        const ColumnFigures figures = ComputeColumnFigures(record);
        const HistogramData bars = MakeHistogram(record, QLatin1Char('.'));
        EXPECT_EQ(bars.Counts, figures.Counts);
        EXPECT_EQ(bars.Numbers, 8760);
        ASSERT_EQ(bars.Labels.size(), qsizetype(figures.Counts.size()));
        if (record.FreqMode == fmStandard)
            EXPECT_EQ(bars.Labels.last(), QStringLiteral("gorąco"));
        else   // the report's bounds: from the threshold, to the next one less 0.01
            EXPECT_EQ(bars.Labels[1], QStringLiteral("-5.90 … -0.91"));
    }
}

TEST_F(ChartDataTest, TheCalendarOfTheExampleYearHasTwelveMonthsOfWholeShares)
{
    TTable& table = ExampleYearWithSti();
    const std::optional<CalendarData> calendar = MakeCalendar(table, table.ColumnIndexOf(u"STI"));
    ASSERT_TRUE(calendar);
    EXPECT_EQ(calendar->Classes.size(), 3);
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_GT(calendar->Numbers[m], 600);
        EXPECT_NEAR(std::accumulate(calendar->Shares[m].begin(), calendar->Shares[m].end(), 0.0), 100.0, 1e-9);
    }
    EXPECT_GT(calendar->Shares[0][0], calendar->Shares[6][0]);      // colder in January than in July
    EXPECT_FALSE(MakeCalendar(table, table.ColumnIndexOf(u"t")));   // no classes
}

}   // namespace
