#include "core/stats/ColumnReport.h"

#include "core/base/OutputFile.h"
#include "core/base/UserInterface.h"
#include "core/data/AbstractData.h"
#include "core/stats/Frequency.h"
#include "core/stats/MessageFormat.h"
#include "core/table/DataFile.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

// The texts of this file, translated in the context "StatReport".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatReport)
};

// What the first pass over the rows finds.
struct FirstPass
{
    int numbers = 0;
    int outOfRange = 0;
    int texts = 0;
    double sum = 0;
    float min = 0;   // the extremes start from the first number, so that any values report their own
    float max = 0;
    float first = 0;   // the first value counted as a number
};

FirstPass CountCells(const TStatColumnRec& record, bool countOnly)
{
    FirstPass pass;
    for (int r = record.FromRow; r <= record.ToRow; ++r) {
        const TCellData& cell = record.Table->CellData(record.Col, r);
        if (cell.NoValidValue) {
            ++pass.texts;
            continue;
        }
        const float value = cell.Number;
        const bool outside = cell.RangeState != 0;
        if (countOnly) {   // words of a textual kind: a value out of range is not counted as a number
            if (outside) {
                ++pass.outOfRange;
                continue;
            }
        } else {
            if (pass.numbers == 0 || value < pass.min)
                pass.min = value;
            if (pass.numbers == 0 || value > pass.max)
                pass.max = value;
            pass.sum += value;
            if (outside)
                ++pass.outOfRange;
        }
        if (pass.numbers == 0)
            pass.first = value;
        ++pass.numbers;
    }
    return pass;
}

}   // namespace

QString SystemDecimalSeparator()
{
    return QLocale::system().decimalPoint();
}

ColumnFigures ComputeColumnFigures(const TStatColumnRec& record)
{
    ColumnFigures figures;
    figures.CountOnly = IsCountOnly(record.Kind);
    figures.Rows = record.ToRow - record.FromRow + 1;
    const FirstPass pass = CountCells(record, figures.CountOnly);
    figures.Numbers = pass.numbers;
    figures.OutOfRange = pass.outOfRange;
    figures.Texts = pass.texts;
    figures.First = pass.first;
    if (!figures.Full())
        return figures;

    const int n = pass.numbers;
    figures.Sum = pass.sum;
    figures.Min = pass.min;
    figures.Max = pass.max;
    figures.Mean = float(pass.sum / n);
    figures.Thresholds = BuildThresholds(record, pass.min, pass.max);
    figures.Counts.assign(figures.Thresholds.empty() ? 0 : figures.Thresholds.size() + 1, 0);
    double squares = 0;
    for (int r = record.FromRow; r <= record.ToRow; ++r) {
        const TCellData& cell = record.Table->CellData(record.Col, r);
        if (cell.NoValidValue)
            continue;
        const float d = cell.Number - figures.Mean;
        squares += double(d) * double(d);
        if (!figures.Counts.empty())
            ++figures.Counts[std::size_t(IntervalOf(figures.Thresholds, cell.Number))];
    }
    figures.Variance = float(squares / (n - 1));
    figures.Deviation = float(std::sqrt(double(figures.Variance)));
    figures.MeanError = figures.Deviation / std::sqrt(double(n));
    figures.VarianceError = figures.Variance * std::sqrt(2.0 / (n - 1));
    figures.DeviationError = figures.Deviation / std::sqrt(2.0 * (n - 1));
    return figures;
}

QStringList ComputeColumnReport(const TStatColumnRec& record, const QString& decimalSeparator)
{
    const auto format = [&decimalSeparator](const char* message, std::initializer_list<MessageArg> args) {
        return FormatMessage(Texts::tr(message), args, decimalSeparator);
    };
    const TAbstractData* kind = record.Kind;

    QStringList lines{QString()};
    lines << (kind ? format(QT_TRANSLATE_NOOP("StatReport", "            Kolumna %s (%s)"),
                            {record.ColName, kind->Description})
                   : format(QT_TRANSLATE_NOOP("StatReport", "            Kolumna %s"), {record.ColName}));
    lines << QString();

    const ColumnFigures figures = ComputeColumnFigures(record);
    if (figures.Numbers == 0) {
        lines << Texts::tr("Cała kolumna jest pusta !") << QString();
        return lines;
    }
    if (figures.Numbers == 1) {
        const QString name = record.FreqMode == fmStandard && kind ? kind->ClassName(figures.First) : QString();
        lines << (name.isEmpty()
                      ? format(QT_TRANSLATE_NOOP("StatReport", "W tej kolumnie jest tylko jedna dana: %.3f"),
                               {double(figures.First)})
                      : format(QT_TRANSLATE_NOOP("StatReport", "W tej kolumnie jest tylko jedna dana: %.3f (%s)"),
                               {double(figures.First), name}));
        lines << QString();
        return lines;
    }

    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość wierszy:                 %3d  (od %d do %d)"),
                    {figures.Rows, record.FromRow, record.ToRow});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość danych liczbowych:       %3d"), {figures.Numbers});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "w tym spoza dopuszcz. zakresu: %3d"), {figures.OutOfRange});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość napisów:                 %3d"), {figures.Texts});
    if (figures.CountOnly)
        return lines;

    lines << format(QT_TRANSLATE_NOOP("StatReport", "Suma:                          %10.3f"), {figures.Sum});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Minimalna wartość:             %10.3f"), {double(figures.Min)});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Maksymalna wartość:            %10.3f"), {double(figures.Max)});
    if (record.FreqMode == fmStandard && kind)
        lines << format(QT_TRANSLATE_NOOP("StatReport", "Średnia arytmetyczna:          %10.3f ± %.3f  (%s)"),
                        {double(figures.Mean), figures.MeanError, kind->ClassName(figures.Mean)});
    else
        lines << format(QT_TRANSLATE_NOOP("StatReport", "Średnia arytmetyczna:          %10.3f ± %.3f"),
                        {double(figures.Mean), figures.MeanError});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Wariancja:                     %10.3f ± %.3f"),
                    {double(figures.Variance), figures.VarianceError});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Odchylenie standardowe:        %10.3f ± %.3f"),
                    {double(figures.Deviation), figures.DeviationError});
    if (figures.Mean != 0)
        lines << format(QT_TRANSLATE_NOOP("StatReport", "'Coefficient of the variance': %10.3f %%"),
                        {double(figures.Deviation) / double(figures.Mean) * 100});
    else
        lines << Texts::tr("'Coefficient of the variance': N/A");

    if (!figures.Thresholds.empty())
        lines << FrequencyLines(record, figures.Thresholds, figures.Counts, decimalSeparator);
    return lines;
}

QStringList ComputeReport(const std::vector<TStatColumnRec>& records, const QString& decimalSeparator)
{
    QStringList lines;
    for (const TStatColumnRec& record : records)
        lines << ComputeColumnReport(record, decimalSeparator);
    return lines;
}

bool SaveReport(const QString& text, const QString& path, UserInterface& ui)
{
    QByteArray bytes;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))   // a line pasted with its own CR LF
            line.chop(1);
        bytes += line.toUtf8() + "\r\n";
    }
    if (WriteOutputFile(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }))
        return true;
    ShowWriteError(path, ui);
    return false;
}
