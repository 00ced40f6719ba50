#include "core/search/SearchIntervals.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

// The texts of this file, translated in the context "SearchData".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SearchData)
};

constexpr float Infinity = std::numeric_limits<float>::infinity();

}   // namespace

std::vector<TIntervalPiece> SplitIntervalsText(QStringView text)
{
    std::vector<TIntervalPiece> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'_' && text[i] != u';')
            continue;
        pieces.push_back({text.mid(start, i - start).trimmed().toString(), text[i]});
        start = i + 1;
    }
    pieces.push_back({text.mid(start).trimmed().toString(), QChar()});
    return pieces;
}

QString ParseIntervalsText(QStringView text, std::vector<TSearchInterval>& intervals)
{
    const std::vector<TIntervalPiece> pieces = SplitIntervalsText(text);
    const std::size_t count = pieces.size();
    if (count % 2 != 0)
        return Texts::tr("Błędny format pola 'Przedziały' (niepoprawna liczba danych) !");
    std::vector<TSearchInterval> parsed;
    for (std::size_t i = 0; i < count; i += 2) {
        const std::optional<float> lower = ParseNumber(pieces[i].Text);
        const std::optional<float> upper = ParseNumber(pieces[i + 1].Text);
        const bool valid = (lower || i == 0) && (upper || i == count - 2) && pieces[i].EndedBy == u'_'
            && (i == count - 2 || pieces[i + 1].EndedBy == u';');
        if (!valid)
            return Texts::tr("Błędny format pola 'Przedziały' (nie wszystkie dane są liczbami lub są rozdzielone "
                             "niewłaściwymi separatorami) !");
        parsed.push_back({lower.value_or(NoValue), upper.value_or(NoValue)});
    }
    NormalizeIntervals(parsed);
    intervals = std::move(parsed);
    return QString();
}

void NormalizeIntervals(std::vector<TSearchInterval>& intervals)
{
    // Open ends become real infinities while sorting and merging, so that no typed bound, however
    // large, passes them.
    for (TSearchInterval& interval : intervals) {
        if (interval.Lower == NoValue)
            interval.Lower = -Infinity;
        if (interval.Upper == NoValue)
            interval.Upper = Infinity;
    }
    std::stable_sort(intervals.begin(), intervals.end(),
                     [](const TSearchInterval& a, const TSearchInterval& b) { return a.Lower < b.Lower; });
    for (std::size_t i = 0; i + 1 < intervals.size();) {
        if (intervals[i + 1].Lower < intervals[i].Upper) {
            intervals[i].Upper = std::max(intervals[i].Upper, intervals[i + 1].Upper);
            intervals.erase(intervals.begin() + std::ptrdiff_t(i + 1));
        } else {
            ++i;
        }
    }
    for (TSearchInterval& interval : intervals) {
        if (interval.Lower == -Infinity)
            interval.Lower = NoValue;
        if (interval.Upper == Infinity)
            interval.Upper = NoValue;
    }
}

QString IntervalsText(const std::vector<TSearchInterval>& intervals)
{
    const auto bound = [](float value) { return value == NoValue ? QStringLiteral("INF") : FormatNumber(value, 2); };
    QStringList parts;
    for (const TSearchInterval& interval : intervals)
        parts << bound(interval.Lower) + QLatin1Char('_') + bound(interval.Upper);
    return parts.join(QLatin1Char(';'));
}
