#include "gui/chart/ChartBuilder.h"

#include "core/chart/ChartData.h"
#include "core/data/AbstractData.h"
#include "core/table/Table.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// The texts of the charts, translated in the context "Chart".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Chart)
};

std::unique_ptr<QChart> NewChart(const QString& title)
{
    auto chart = std::make_unique<QChart>();
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// The x of a point as the time axis shows it: the same wall-clock time in the local zone, which is
// the zone the axis writes its labels in.
double AxisTime(double utcMilliseconds)
{
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(qint64(utcMilliseconds), Qt::UTC);
    return double(QDateTime(utc.date(), utc.time(), Qt::LocalTime).toMSecsSinceEpoch());
}

// One column's lines, one per run of rows with numbers; a lone number is a dot. Only the first
// series of a column shows in the legend.
void AddColumn(QChart& chart, const SeriesData& data, bool dated, QColor colour, QAbstractAxis& x, QAbstractAxis& y)
{
    bool named = false;
    QScatterSeries* dots = nullptr;
    const auto attach = [&](QXYSeries* series) {
        series->setName(data.Name);
        series->setColor(colour);
        chart.addSeries(series);
        series->attachAxis(&x);
        series->attachAxis(&y);
        if (named)
            for (QLegendMarker* marker : chart.legend()->markers(series))
                marker->setVisible(false);
        named = true;
    };
    for (const std::vector<QPointF>& run : data.Runs) {
        QList<QPointF> points(run.begin(), run.end());
        if (dated)
            for (QPointF& point : points)
                point.setX(AxisTime(point.x()));
        if (points.size() == 1) {
            if (!dots) {
                dots = new QScatterSeries;
                dots->setMarkerSize(4);
                dots->setPen(Qt::NoPen);
                attach(dots);
            }
            dots->append(points.front());
            continue;
        }
        auto* line = new QLineSeries;
        line->replace(points);
        attach(line);
    }
}

// A colour of the scale from cold (0: blue) through pale yellow to hot (1: red).
QColor ColdToHot(double position)
{
    static const std::array<QColor, 5> Stops{QColor(0x2c, 0x7b, 0xb6), QColor(0xab, 0xd9, 0xe9),
                                             QColor(0xff, 0xff, 0xbf), QColor(0xfd, 0xae, 0x61),
                                             QColor(0xd7, 0x19, 0x1c)};
    const double scaled = std::clamp(position, 0.0, 1.0) * double(Stops.size() - 1);
    const auto below = std::min(std::size_t(scaled), Stops.size() - 2);
    const double f = scaled - double(below);
    const QColor& a = Stops[below];
    const QColor& b = Stops[below + 1];
    return QColor::fromRgbF(float(a.redF() + f * (b.redF() - a.redF())),
                            float(a.greenF() + f * (b.greenF() - a.greenF())),
                            float(a.blueF() + f * (b.blueF() - a.blueF())));
}

QValueAxis* ValueAxis(const QString& title)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    return axis;
}

// The axis spans the values of the columns it shows (those of `unit`, or those of any other unit),
// rounded out to nice numbers.
void FitValues(QValueAxis& axis, const std::vector<SeriesData>& series, const QString& unit, bool ofUnit)
{
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const SeriesData& data : series)
        if ((data.Unit == unit) == ofUnit)
            for (const std::vector<QPointF>& run : data.Runs)
                for (const QPointF& point : run) {
                    low = std::min(low, point.y());
                    high = std::max(high, point.y());
                }
    if (low > high)
        return;
    if (low == high) {
        low -= 1;
        high += 1;
    }
    axis.setRange(low, high);
    axis.applyNiceNumbers();
}

}   // namespace

std::unique_ptr<QChart> SeriesChart(const TTable& table, const std::vector<int>& columns)
{
    const TimeColumns time = FindTimeColumns(table);
    std::vector<SeriesData> series;
    QStringList names;
    for (const int c : columns) {
        series.push_back(MakeSeries(table, c, time));
        names << table.HeaderText(c);
    }
    auto chart = NewChart(names.join(QStringLiteral(", ")));
    QAbstractAxis* x = nullptr;
    if (time.Dated()) {
        auto* axis = new QDateTimeAxis;
        axis->setTitleText(Texts::tr("Data i godzina"));
        axis->setTickCount(13);
        x = axis;
    } else {
        auto* axis = ValueAxis(Texts::tr("Wiersz"));
        axis->setLabelFormat(QStringLiteral("%d"));
        x = axis;
    }
    chart->addAxis(x, Qt::AlignBottom);
    const QString firstUnit = series.empty() ? QString() : series.front().Unit;
    QValueAxis* left = ValueAxis(firstUnit);
    chart->addAxis(left, Qt::AlignLeft);
    QValueAxis* right = nullptr;
    QStringList rightUnits;
    for (std::size_t i = 0; i < series.size(); ++i) {
        QValueAxis* y = left;
        if (series[i].Unit != firstUnit) {
            if (!right) {
                right = ValueAxis(QString());
                chart->addAxis(right, Qt::AlignRight);
            }
            if (!rightUnits.contains(series[i].Unit))
                rightUnits << series[i].Unit;
            y = right;
        }
        AddColumn(*chart, series[i], time.Dated(), QColor::fromHsv(int(i * 137 % 360), 200, 200), *x, *y);
    }
    if (right)
        right->setTitleText(rightUnits.join(QStringLiteral(", ")));
    if (auto* axis = qobject_cast<QDateTimeAxis*>(x)) {
        // Days and months for more than three days, the hours as well for fewer.
        constexpr qint64 ThreeDays = 3 * 24 * 3600 * qint64(1000);
        axis->setFormat(axis->min().msecsTo(axis->max()) > ThreeDays ? QStringLiteral("dd.MM")
                                                                     : QStringLiteral("dd.MM hh:mm"));
    }
    FitValues(*left, series, firstUnit, true);
    if (right)
        FitValues(*right, series, firstUnit, false);
    return chart;
}

std::unique_ptr<QChart> HistogramChart(const TStatColumnRec& record, bool percent)
{
    const HistogramData data = MakeHistogram(record, QLocale().decimalPoint().front());
    auto chart = NewChart(record.ColName);
    auto* bars = new QBarSet(record.ColName);
    for (const int count : data.Counts)
        *bars << (percent && data.Numbers > 0 ? 100.0 * count / data.Numbers : double(count));
    auto* series = new QBarSeries;
    series->append(bars);
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis;
    categories->append(data.Labels);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    categories->setTruncateLabels(false);
    if (data.Labels.size() > 6)
        categories->setLabelsAngle(-40);
    QValueAxis* y = ValueAxis(percent ? QStringLiteral("%") : Texts::tr("Liczba"));
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    y->applyNiceNumbers();
    if (!percent)
        y->setLabelFormat(QStringLiteral("%d"));
    chart->legend()->hide();
    return chart;
}

QString CalendarRefusal(const TTable& table, int column)
{
    if (!FindTimeColumns(table).Month)
        return Texts::tr("Kalendarz bioklimatyczny wymaga kolumny month.");
    return Texts::tr("Kolumna %1 nie ma klas, z których powstaje kalendarz bioklimatyczny.")
        .arg(table.HeaderText(column));
}

std::unique_ptr<QChart> CalendarChart(const TTable& table, int column)
{
    const std::optional<CalendarData> data = MakeCalendar(table, column);
    if (!data)
        return nullptr;
    auto chart = NewChart(table.HeaderText(column));
    auto* series = new QStackedBarSeries;
    const qsizetype classes = data->Classes.size();
    for (qsizetype k = 0; k < classes; ++k) {
        auto* set = new QBarSet(data->Classes[k]);
        for (const std::vector<double>& month : data->Shares)
            *set << month[std::size_t(k)];
        set->setColor(ColdToHot(double(k) / double(std::max<qsizetype>(classes - 1, 1))));
        set->setBorderColor(set->color());
        series->append(set);
    }
    chart->addSeries(series);
    auto* months = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m)
        months->append(QLocale().standaloneMonthName(m, QLocale::ShortFormat));
    chart->addAxis(months, Qt::AlignBottom);
    series->attachAxis(months);
    QValueAxis* y = ValueAxis(QStringLiteral("%"));
    y->setRange(0, 100);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(y);
    chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}
