#include "core/stats/Frequency.h"

#include "core/data/AbstractData.h"
#include "core/stats/MessageFormat.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// The texts of this file, translated in the context "StatReport".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatReport)
};

// How many thresholds a histogram asks for: the quotient truncated toward zero, none when it is not
// positive (or not a number, as a zero width gives for a column of equal values), at most the cap.
int HistogramSize(double quotient)
{
    if (!(quotient >= 1))
        return 0;
    return int(std::min(std::trunc(quotient), double(MaxHistogramThresholds)));
}

// Steps of a histogram, summed in single precision as they always were: min + step, min + 2·step ….
std::vector<float> Steps(float min, float step, int count)
{
    std::vector<float> thresholds;
    thresholds.reserve(std::size_t(count));
    float a = min;
    for (int i = 0; i < count; ++i) {
        a = a + step;
        thresholds.push_back(a);
    }
    return thresholds;
}

}   // namespace

std::vector<float> BuildThresholds(const TStatColumnRec& record, float min, float max)
{
    std::vector<float> thresholds;
    switch (record.FreqMode) {
    case fmStandard:
        if (record.Kind)
            record.Kind->ThresholdValues(thresholds);
        break;
    case fmUser:
        thresholds = record.UserThresholds;
        break;
    case fmWidth: {
        const float step = record.HistParam;
        if (step > 0)
            thresholds = Steps(min, step, HistogramSize((double(max) - double(min)) / double(step)));
        break;
    }
    case fmCount: {
        const float step = float((double(max) - double(min)) / double(record.HistParam));
        thresholds = Steps(min, step, HistogramSize(double(record.HistParam) - 1));
        break;
    }
    default:
        break;
    }
    std::sort(thresholds.begin(), thresholds.end());
    return thresholds;
}

int IntervalOf(const std::vector<float>& thresholds, float value)
{
    return int(std::upper_bound(thresholds.begin(), thresholds.end(), value) - thresholds.begin());
}

QStringList FrequencyLines(const TStatColumnRec& record, const std::vector<float>& thresholds,
                           const std::vector<int>& counts, const QString& decimalSeparator)
{
    const int last = int(thresholds.size());
    QStringList lines{QString(), Texts::tr("PRZEDZIAŁY CZĘSTOŚCI:")};
    for (int i = 0; i <= last; ++i) {
        const int count = counts[std::size_t(i)];
        if (record.FreqMode == fmStandard) {
            lines << FormatMessage(Texts::tr("   %3d razy: %s"), {count, record.Kind->Thresholds[std::size_t(i)].Name},
                                   decimalSeparator);
        } else if (i == 0) {
            lines << FormatMessage(Texts::tr("   %3d razy: od -INFINITY do %9.2f"),
                                   {count, double(thresholds[0]) - 0.01}, decimalSeparator);
        } else if (i < last) {
            lines << FormatMessage(
                Texts::tr("   %3d razy: od %9.2f do %9.2f"),
                {count, double(thresholds[std::size_t(i - 1)]), double(thresholds[std::size_t(i)]) - 0.01},
                decimalSeparator);
        } else {
            lines << FormatMessage(Texts::tr("   %3d razy: od %9.2f do +INFINITY"),
                                   {count, double(thresholds[std::size_t(last - 1)])}, decimalSeparator);
        }
    }
    return lines;
}
