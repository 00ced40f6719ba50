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

QStringList ComputeColumnReport(const TStatColumnRec& record, const QString& decimalSeparator)
{
    const auto format = [&decimalSeparator](const char* message, std::initializer_list<MessageArg> args) {
        return FormatMessage(Texts::tr(message), args, decimalSeparator);
    };
    const TAbstractData* kind = record.Kind;
    const bool countOnly = IsCountOnly(kind);

    QStringList lines{QString()};
    lines << (kind ? format(QT_TRANSLATE_NOOP("StatReport", "            Kolumna %s (%s)"),
                            {record.ColName, kind->Description})
                   : format(QT_TRANSLATE_NOOP("StatReport", "            Kolumna %s"), {record.ColName}));
    lines << QString();

    const FirstPass pass = CountCells(record, countOnly);
    if (pass.numbers == 0) {
        lines << Texts::tr("Cała kolumna jest pusta !") << QString();
        return lines;
    }
    if (pass.numbers == 1) {
        const QString name = record.FreqMode == fmStandard && kind ? kind->ClassName(pass.first) : QString();
        lines << (name.isEmpty()
                      ? format(QT_TRANSLATE_NOOP("StatReport", "W tej kolumnie jest tylko jedna dana: %.3f"),
                               {double(pass.first)})
                      : format(QT_TRANSLATE_NOOP("StatReport", "W tej kolumnie jest tylko jedna dana: %.3f (%s)"),
                               {double(pass.first), name}));
        lines << QString();
        return lines;
    }

    const int n = pass.numbers;
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość wierszy:                 %3d  (od %d do %d)"),
                    {record.ToRow - record.FromRow + 1, record.FromRow, record.ToRow});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość danych liczbowych:       %3d"), {n});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "w tym spoza dopuszcz. zakresu: %3d"), {pass.outOfRange});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Ilość napisów:                 %3d"), {pass.texts});
    if (countOnly)
        return lines;

    const float mean = float(pass.sum / n);
    const std::vector<float> thresholds = BuildThresholds(record, pass.min, pass.max);
    std::vector<int> counts(thresholds.empty() ? 0 : thresholds.size() + 1, 0);
    double squares = 0;
    for (int r = record.FromRow; r <= record.ToRow; ++r) {
        const TCellData& cell = record.Table->CellData(record.Col, r);
        if (cell.NoValidValue)
            continue;
        const float d = cell.Number - mean;
        squares += double(d) * double(d);
        if (!counts.empty())
            ++counts[std::size_t(IntervalOf(thresholds, cell.Number))];
    }
    const float variance = float(squares / (n - 1));   // the sample variance
    const float sd = float(std::sqrt(double(variance)));

    // The ± terms are the standard errors of the estimates: s/√n, s²·√(2/(n−1)), s/√(2(n−1)).
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Suma:                          %10.3f"), {pass.sum});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Minimalna wartość:             %10.3f"), {double(pass.min)});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Maksymalna wartość:            %10.3f"), {double(pass.max)});
    const double meanError = sd / std::sqrt(double(n));
    if (record.FreqMode == fmStandard && kind)
        lines << format(QT_TRANSLATE_NOOP("StatReport", "Średnia arytmetyczna:          %10.3f ± %.3f  (%s)"),
                        {double(mean), meanError, kind->ClassName(mean)});
    else
        lines << format(QT_TRANSLATE_NOOP("StatReport", "Średnia arytmetyczna:          %10.3f ± %.3f"),
                        {double(mean), meanError});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Wariancja:                     %10.3f ± %.3f"),
                    {double(variance), variance * std::sqrt(2.0 / (n - 1))});
    lines << format(QT_TRANSLATE_NOOP("StatReport", "Odchylenie standardowe:        %10.3f ± %.3f"),
                    {double(sd), sd / std::sqrt(2.0 * (n - 1))});
    if (mean != 0)
        lines << format(QT_TRANSLATE_NOOP("StatReport", "'Coefficient of the variance': %10.3f %%"),
                        {double(sd) / double(mean) * 100});
    else
        lines << Texts::tr("'Coefficient of the variance': N/A");

    if (!thresholds.empty())
        lines << FrequencyLines(record, thresholds, counts, decimalSeparator);
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
