#include "cli/CliUserInterface.h"
#include "cli/Commands.h"
#include "cli/FreqOption.h"
#include "cli/Json.h"

#include "core/data/AbstractData.h"
#include "core/stats/ColumnReport.h"
#include "core/stats/StatOptions.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"

#include <QCommandLineParser>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// The frequency intervals for --json: each from its lower threshold (inclusive) to its upper one
// (exclusive), null standing for infinity, with the class name in the kind's classes.
QJsonArray IntervalsObject(const TStatColumnRec& record, const ColumnFigures& figures)
{
    QJsonArray intervals;
    const std::vector<float>& thresholds = figures.Thresholds;
    for (std::size_t i = 0; i < figures.Counts.size(); ++i) {
        const int count = figures.Counts[i];
        QJsonObject interval{
            {QStringLiteral("from"), i == 0 ? QJsonValue(QJsonValue::Null) : JsonNumber(thresholds[i - 1])},
            {QStringLiteral("below"),
             i == thresholds.size() ? QJsonValue(QJsonValue::Null) : JsonNumber(thresholds[i])},
            {QStringLiteral("count"), count},
            {QStringLiteral("percent"), 100.0 * count / figures.Numbers}};
        if (record.FreqMode == fmStandard)
            interval.insert(QStringLiteral("class"), record.Kind->Thresholds[i].Name);
        intervals.append(interval);
    }
    return intervals;
}

// A column's figures for --json, as the report gives them.
QJsonObject ColumnObject(const TStatColumnRec& record)
{
    const ColumnFigures figures = ComputeColumnFigures(record);
    QJsonObject column{{QStringLiteral("column"), record.ColName},
                       {QStringLiteral("kind"), record.Kind ? QJsonValue(record.Kind->Name) : QJsonValue()},
                       {QStringLiteral("fromRow"), record.FromRow},
                       {QStringLiteral("toRow"), record.ToRow},
                       {QStringLiteral("rows"), figures.Rows},
                       {QStringLiteral("numbers"), figures.Numbers},
                       {QStringLiteral("outOfRange"), figures.OutOfRange},
                       {QStringLiteral("texts"), figures.Texts}};
    if (figures.Numbers == 1)
        column.insert(QStringLiteral("value"), JsonNumber(figures.First));
    if (!figures.Full())
        return column;
    column.insert(QStringLiteral("sum"), figures.Sum);
    column.insert(QStringLiteral("min"), JsonNumber(figures.Min));
    column.insert(QStringLiteral("max"), JsonNumber(figures.Max));
    column.insert(QStringLiteral("mean"), JsonNumber(figures.Mean));
    column.insert(QStringLiteral("meanError"), figures.MeanError);
    column.insert(QStringLiteral("variance"), JsonNumber(figures.Variance));
    column.insert(QStringLiteral("varianceError"), figures.VarianceError);
    column.insert(QStringLiteral("deviation"), JsonNumber(figures.Deviation));
    column.insert(QStringLiteral("deviationError"), figures.DeviationError);
    column.insert(QStringLiteral("intervals"), IntervalsObject(record, figures));
    return column;
}

}   // namespace

// stats IN [--columns a,b,c] [--rows FROM:TO] [--freq MODE]: the statistics report of the columns
// as the report window shows it, one line per line.
int RunStats(CommandContext& context)
{
    const QCommandLineParser& parser = context.parser;
    if (context.arguments.size() != 1)
        return Usage(QStringLiteral("stats needs one input file"));
    std::optional<FreqChoice> freq;
    if (parser.isSet(QStringLiteral("freq")) && !(freq = ParseFreq(parser.value(QStringLiteral("freq")))))
        return Usage(QStringLiteral("--freq takes none, standard, user:LIST, width:W or count:N"));

    TableSet tables;
    const QString& path = context.arguments[0];
    TTable* table = OpenInput(context, tables, path);
    if (!table)
        return OpenFailed(context);
    const int largestRow = table->RowCount() - 1;

    std::vector<int> columns;
    if (parser.isSet(QStringLiteral("columns"))) {
        for (const QString& name :
             parser.value(QStringLiteral("columns")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const int c = table->ColumnIndexOf(name.trimmed());
            if (c < 1)
                return Usage(QStringLiteral("%1 has no column named %2").arg(path, name));
            columns.push_back(c);
        }
    } else {
        for (int c = 1; c < table->ColCount(); ++c)
            columns.push_back(c);
    }

    // The rows selected; a selection lies within the table and runs downwards.
    int top = 1;
    int bottom = 1;
    if (parser.isSet(QStringLiteral("rows"))) {
        const QStringList range = parser.value(QStringLiteral("rows")).split(QLatin1Char(':'));
        bool fromOk = false;
        bool toOk = false;
        if (range.size() == 2) {
            top = range[0].trimmed().toInt(&fromOk);
            bottom = range[1].trimmed().toInt(&toOk);
        }
        if (!fromOk || !toOk)
            return Usage(QStringLiteral("--rows takes FROM:TO, two row numbers"));
        top = std::clamp(top, 1, largestRow);
        bottom = std::clamp(bottom, 1, largestRow);
        if (bottom < top)
            std::swap(top, bottom);
    }

    std::vector<TStatColumnRec> records;
    for (const int c : columns) {
        TStatColumnRec record = MakeStatColumns(*table, c, top, c, bottom)[0];
        if (freq) {
            if (const QString message = ApplyFreq(record, *freq, largestRow); !message.isEmpty()) {
                context.ui.ShowMessage(message, UserInterface::Icon::Error);
                return ExitFileError;
            }
        }
        records.push_back(std::move(record));
    }
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonArray columnObjects;
        for (const TStatColumnRec& record : records)
            columnObjects.append(ColumnObject(record));
        PrintJson({{QStringLiteral("columns"), columnObjects}});
        return ExitOk;
    }
    for (const QString& line : ComputeReport(records))
        std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    return ExitOk;
}
