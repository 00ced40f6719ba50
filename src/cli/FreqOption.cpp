#include "cli/FreqOption.h"

#include "core/stats/StatOptions.h"

std::optional<FreqChoice> ParseFreq(const QString& value)
{
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? value : value.left(colon);
    const QString text = colon < 0 ? QString() : value.mid(colon + 1);
    if (colon < 0 && name == QStringLiteral("none"))
        return FreqChoice{fmNone, text};
    if (colon < 0 && name == QStringLiteral("standard"))
        return FreqChoice{fmStandard, text};
    if (colon >= 0 && name == QStringLiteral("user"))
        return FreqChoice{fmUser, text};
    if (colon >= 0 && name == QStringLiteral("width"))
        return FreqChoice{fmWidth, text};
    if (colon >= 0 && name == QStringLiteral("count"))
        return FreqChoice{fmCount, text};
    return std::nullopt;
}

QString ApplyFreq(TStatColumnRec& record, const FreqChoice& choice, int largestRow)
{
    if (!IsModeOffered(record, choice.mode))
        return QStringLiteral("salvento-cli: column %1 does not offer this frequency mode").arg(record.ColName);
    TStatOptions options = LoadStatOptions(record);
    options.FreqMode = choice.mode;
    if (choice.mode == fmUser)
        options.UserText = choice.text;
    else if (choice.mode == fmWidth)
        options.HistWidth = choice.text;
    else if (choice.mode == fmCount)
        options.HistCount = choice.text;
    return StoreStatOptions(options, record, largestRow);
}
