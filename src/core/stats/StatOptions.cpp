#include "core/stats/StatOptions.h"

#include "core/data/AbstractData.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

// The texts of this file, translated in the context "StatOptions".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatOptions)
};

std::optional<int> ParseRow(const QString& text)
{
    bool ok = false;
    const int row = TrimControl(text).toInt(&ok, 10);
    return ok ? std::optional<int>(row) : std::nullopt;
}

}   // namespace

bool IsModeOffered(const TStatColumnRec& record, int mode)
{
    switch (mode) {
    case fmNone:
        return true;
    case fmStandard:
        return record.HasStandard;
    case fmUser:
    case fmWidth:
    case fmCount:
        return !record.Kind || (!record.Kind->IsTextual && record.Kind->Thresholds.size() <= 1);
    default:
        return false;
    }
}

TStatOptions LoadStatOptions(const TStatColumnRec& record)
{
    TStatOptions options;
    options.FreqMode = IsModeOffered(record, record.FreqMode) ? record.FreqMode : fmNone;
    options.UserText = record.UserText;
    if (record.FreqMode == fmWidth)
        options.HistWidth = FormatNumber(record.HistParam, 2);
    if (record.FreqMode == fmCount)
        options.HistCount = FormatNumber(record.HistParam, 2);
    options.From = QString::number(record.FromRow);
    options.To = QString::number(record.ToRow);
    return options;
}

QString StoreStatOptions(const TStatOptions& options, TStatColumnRec& record, int largestRow)
{
    const std::optional<int> from = ParseRow(options.From);
    if (!from)
        return Texts::tr("Pole 'od wiersza' musi zawierać liczbę całkowitą !");
    const std::optional<int> to = ParseRow(options.To);
    if (!to)
        return Texts::tr("Pole 'do wiersza' musi zawierać liczbę całkowitą !");
    int first = std::clamp(*from, 1, largestRow);
    int last = std::clamp(*to, 1, largestRow);
    if (last < first)
        std::swap(first, last);

    float histParam = NoValue;
    if (options.FreqMode == fmWidth) {
        const std::optional<float> width = ParseNumber(options.HistWidth);
        if (!width)
            return Texts::tr("Pole 'szerokość przedziału' musi zawierać liczbę rzeczywistą !");
        histParam = *width;
    } else if (options.FreqMode == fmCount) {
        const std::optional<float> count = ParseNumber(options.HistCount);
        if (!count)
            return Texts::tr("Pole 'ilość przedziałów' musi zawierać liczbę rzeczywistą !");
        histParam = *count;
    }

    std::vector<float> thresholds;
    if (options.FreqMode == fmUser) {
        std::optional<std::vector<float>> parsed = ParseUserThresholds(options.UserText);
        if (!parsed)
            return Texts::tr("Pole 'progi użytkownika' musi zawierać liczby rzeczywiste oddzielone znakami '%1' !")
                .arg(UserListSeparator());
        thresholds = std::move(*parsed);
    }

    record.FromRow = first;
    record.ToRow = last;
    record.UserText = options.UserText;
    record.HistParam = histParam;
    record.UserThresholds = std::move(thresholds);
    record.FreqMode = options.FreqMode;
    return QString();
}

QChar UserListSeparator()
{
    return DecimalSeparator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

std::optional<std::vector<float>> ParseUserThresholds(QStringView text)
{
    std::vector<float> thresholds;
    for (const QStringView piece : TrimControl(text).split(UserListSeparator())) {
        const std::optional<float> value = ParseNumber(piece);   // an empty piece is no number
        if (!value)
            return std::nullopt;
        thresholds.push_back(*value);
    }
    return thresholds;
}
