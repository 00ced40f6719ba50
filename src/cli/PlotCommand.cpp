#include "cli/CliUserInterface.h"
#include "cli/Commands.h"
#include "cli/FreqOption.h"

#include "core/stats/StatColumn.h"
#include "core/table/DataFile.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"
#include "gui/chart/ChartBuilder.h"
#include "gui/chart/ChartImage.h"

#include <QChart>
#include <QCommandLineParser>
#include <QDir>

#include <optional>

namespace {

std::optional<ChartType> ParseType(const QString& name)
{
    if (name == QStringLiteral("series"))
        return ChartType::Series;
    if (name == QStringLiteral("histogram"))
        return ChartType::Histogram;
    if (name == QStringLiteral("calendar"))
        return ChartType::Calendar;
    return std::nullopt;
}

// WxH in pixels, each from 100 to 10,000.
std::optional<QSize> ParseSize(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool widthOk = false;
    bool heightOk = false;
    const QSize size = parts.size() == 2 ? QSize(parts[0].toInt(&widthOk), parts[1].toInt(&heightOk)) : QSize();
    const auto inside = [](int pixels) { return pixels >= 100 && pixels <= 10'000; };
    if (!widthOk || !heightOk || !inside(size.width()) || !inside(size.height()))
        return std::nullopt;
    return size;
}

}   // namespace

// plot IN --columns a,b [--type series|histogram|calendar] [--freq MODE] [--percent] [--size WxH]
// -o OUT: a chart of the columns drawn to a picture (PNG, or SVG for a name ending in .svg).
int RunPlot(CommandContext& context)
{
    const QCommandLineParser& parser = context.parser;
    const auto given = [&parser](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    if (context.arguments.size() != 1)
        return Usage(QStringLiteral("plot needs one input file"));
    if (!given("output") || !given("columns"))
        return Usage(QStringLiteral("plot needs --columns and -o OUT"));
    const std::optional<ChartType> type = ParseType(given("type") ? parser.value(QStringLiteral("type"))
                                                                  : QStringLiteral("series"));
    if (!type)
        return Usage(QStringLiteral("--type takes series, histogram or calendar"));
    const std::optional<QSize> size = ParseSize(given("size") ? parser.value(QStringLiteral("size"))
                                                              : QStringLiteral("1000x600"));
    if (!size)
        return Usage(QStringLiteral("--size takes WxH, each from 100 to 10000 pixels"));
    std::optional<FreqChoice> freq;
    if (given("freq") && !(freq = ParseFreq(parser.value(QStringLiteral("freq")))))
        return Usage(QStringLiteral("--freq takes none, standard, user:LIST, width:W or count:N"));
    if ((freq || given("percent")) && *type != ChartType::Histogram)
        return Usage(QStringLiteral("--freq and --percent go with --type histogram"));
    const QStringList names = parser.value(QStringLiteral("columns")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (*type != ChartType::Series && names.size() != 1)
        return Usage(QStringLiteral("a histogram or a calendar takes one column"));

    TableSet tables;
    const QString& path = context.arguments[0];
    TTable* table = OpenInput(context, tables, path);
    if (!table)
        return OpenFailed(context);
    std::vector<int> columns;
    for (const QString& name : names) {
        const int c = table->ColumnIndexOf(name.trimmed());
        if (c < 1)
            return Usage(QStringLiteral("%1 has no column named %2").arg(path, name));
        columns.push_back(c);
    }

    std::unique_ptr<QChart> chart;
    switch (*type) {
    case ChartType::Series:
        chart = SeriesChart(*table, columns);
        break;
    case ChartType::Histogram: {
        TStatColumnRec record = MakeStatColumns(*table, columns[0], 1, columns[0], 1)[0];
        if (freq) {
            if (const QString message = ApplyFreq(record, *freq, table->RowCount() - 1); !message.isEmpty()) {
                context.ui.ShowMessage(message, UserInterface::Icon::Error);
                return ExitFileError;
            }
        }
        chart = HistogramChart(record, given("percent"));
        break;
    }
    case ChartType::Calendar:
        chart = CalendarChart(*table, columns[0]);
        if (!chart) {
            context.ui.ShowMessage(CalendarRefusal(*table, columns[0]), UserInterface::Icon::Error);
            return ExitFileError;
        }
        break;
    }
    const QString output = parser.value(QStringLiteral("output"));
    if (SaveChart(*chart, *size, output))
        return ExitOk;
    ShowWriteError(QDir::toNativeSeparators(output), context.ui);
    return ExitFileError;
}
