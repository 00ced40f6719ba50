#include "core/chart/ChartData.h"

#include "core/data/AbstractData.h"
#include "core/stats/ColumnReport.h"
#include "core/table/Table.h"

#include <QDateTime>

#include <cmath>

namespace {

int ColumnOfKind(const TTable& table, int id)
{
    for (int c = 1; c < table.ColCount(); ++c)
        if (const TAbstractData* kind = table.ColumnKind(c); kind && kind->Id == id)
            return c;
    return 0;
}

// The whole number in cell (c, r); none when it has no valid number or a fraction.
std::optional<int> WholeNumber(const TTable& table, int c, int r)
{
    const float value = table.CellNumber(c, r);
    if (value == NoValue || value != std::trunc(value))
        return std::nullopt;
    return int(value);
}

}   // namespace

TimeColumns FindTimeColumns(const TTable& table)
{
    return {ColumnOfKind(table, kind::month), ColumnOfKind(table, kind::day), ColumnOfKind(table, kind::hour),
            ColumnOfKind(table, kind::min)};
}

std::optional<qint64> RowTime(const TTable& table, const TimeColumns& time, int r)
{
    const auto month = WholeNumber(table, time.Month, r);
    const auto day = WholeNumber(table, time.Day, r);
    const auto hour = WholeNumber(table, time.Hour, r);
    const auto minute = time.Minute > 0 ? WholeNumber(table, time.Minute, r) : std::optional<int>(0);
    if (!month || !day || !hour || !minute)
        return std::nullopt;
    const QDate date(2000, *month, *day);
    if (!date.isValid() || *hour < 0 || *hour > 24 || *minute < 0 || *minute > 59)
        return std::nullopt;
    // Hour 24 is the end of the day.
    return QDateTime(date, QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() + (qint64(*hour) * 60 + *minute) * 60'000;
}

QString KindUnit(const TAbstractData* kind)
{
    if (!kind)
        return QString();
    const qsizetype comma = kind->Description.lastIndexOf(QLatin1Char(','));
    return comma < 0 ? QString() : kind->Description.mid(comma + 1).trimmed();
}

SeriesData MakeSeries(const TTable& table, int column, const TimeColumns& time)
{
    SeriesData series{table.HeaderText(column), KindUnit(table.ColumnKind(column)), {}};
    bool inRun = false;
    for (int r = 1; r < table.RowCount(); ++r) {
        const float value = table.CellNumber(column, r);
        const std::optional<qint64> at = time.Dated() ? RowTime(table, time, r) : std::optional<qint64>(r);
        if (value == NoValue || !at) {
            inRun = false;
            continue;
        }
        if (!inRun)
            series.Runs.emplace_back();
        inRun = true;
        series.Runs.back().emplace_back(double(*at), double(value));
    }
    return series;
}

HistogramData MakeHistogram(const TStatColumnRec& record, QChar decimalSeparator)
{
    const ColumnFigures figures = ComputeColumnFigures(record);
    HistogramData histogram{{}, figures.Counts, figures.Numbers};
    const std::vector<float>& thresholds = figures.Thresholds;
    const auto bound = [decimalSeparator](double value) { return FormatNumber(float(value), 2, decimalSeparator); };
    for (std::size_t i = 0; i < figures.Counts.size(); ++i) {
        if (record.FreqMode == fmStandard) {
            histogram.Labels << record.Kind->Thresholds[i].Name;
            continue;
        }
        if (i == 0)
            histogram.Labels << QStringLiteral("≤ ") + bound(double(thresholds[0]) - 0.01);
        else if (i == thresholds.size())
            histogram.Labels << QStringLiteral("≥ ") + bound(thresholds[i - 1]);
        else
            histogram.Labels << bound(thresholds[i - 1]) + QStringLiteral(" … ") + bound(double(thresholds[i]) - 0.01);
    }
    return histogram;
}

std::optional<CalendarData> MakeCalendar(const TTable& table, int column)
{
    const TAbstractData* kind = table.ColumnKind(column);
    const int monthColumn = ColumnOfKind(table, kind::month);
    if (!kind || kind->Thresholds.size() < 2 || monthColumn == 0)
        return std::nullopt;
    CalendarData calendar;
    for (const TClassEntry& entry : kind->Thresholds)
        calendar.Classes << entry.Name;
    std::array<std::vector<int>, 12> counts;
    counts.fill(std::vector<int>(kind->Thresholds.size(), 0));
    for (int r = 1; r < table.RowCount(); ++r) {
        const std::optional<int> month = WholeNumber(table, monthColumn, r);
        const float value = table.CellNumber(column, r);
        if (!month || *month < 1 || *month > 12 || value == NoValue)
            continue;
        ++counts[std::size_t(*month - 1)][std::size_t(kind->ClassIndex(value))];
        ++calendar.Numbers[std::size_t(*month - 1)];
    }
    for (std::size_t m = 0; m < 12; ++m) {
        calendar.Shares[m].assign(counts[m].size(), 0.0);
        if (calendar.Numbers[m] > 0)
            for (std::size_t k = 0; k < counts[m].size(); ++k)
                calendar.Shares[m][k] = 100.0 * counts[m][k] / calendar.Numbers[m];
    }
    return calendar;
}
