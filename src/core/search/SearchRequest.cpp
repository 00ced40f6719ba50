#include "core/search/SearchRequest.h"

#include "core/data/AbstractData.h"
#include "core/search/SearchIntervals.h"
#include "core/stats/StatColumn.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The texts of this file, translated in the context "SearchData".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SearchData)
};

bool HasStandardThreshold(const TAbstractData* kind)
{
    return kind && kind->Thresholds.size() >= 2;
}

SearchPage PageOf(int type)
{
    switch (type) {
    case skNumber:
        return SearchPage::Number;
    case skMissing:
    case skBad:
        return SearchPage::Special;
    case skUserIntervals:
        return SearchPage::UserIntervals;
    case skStdIntervals:
        return SearchPage::StdIntervals;
    default:
        return SearchPage::Text;
    }
}

}   // namespace

TSearchRequest LoadSearchRequest(const TSearchState& state, const TAbstractData* currentKind)
{
    TSearchRequest request;
    int type = state.Type;
    if (type == skStdIntervals && state.StdKind != currentKind)
        type = skColumn;
    if (!currentKind) {
        request.StdPageShown = false;
        type = skColumn;
    } else if (!HasStandardThreshold(currentKind) && currentKind->IsTextual) {
        request.StdPageShown = false;
        if (state.Type == skStdIntervals)
            type = skColumn;
    }
    request.Page = PageOf(type);
    request.Text = type == skColumn ? QString() : state.Text;
    request.CaseSensitive = state.CaseSensitive;
    request.SearchTextCells = state.SearchTextCells;
    request.SearchNumCells = state.SearchNumCells;
    request.Number = FormatNumber(state.Number, 2);
    request.Precision = FormatNumber(state.Precision, 6);
    request.NoData = state.Type == skMissing;
    request.BadData = state.Type == skBad;
    request.Intervals = IntervalsText(state.Intervals);
    if (HasStandardThreshold(currentKind)) {
        const std::size_t classes = currentKind->Thresholds.size();
        request.StdSelected.assign(classes, false);
        for (std::size_t i = 0; i < classes; ++i) {
            request.StdClassNames << currentKind->Thresholds[i].Name;
            request.StdSelected[i] = i < state.StdSelected.size() && state.StdSelected[i];
        }
    }
    request.WholeTable = state.WholeTable;
    request.Upward = state.Upward;
    return request;
}

QString StoreSearchRequest(const TSearchRequest& request, const TAbstractData* currentKind, TSearchState& state)
{
    const bool numeric = request.Page == SearchPage::Number || request.Page == SearchPage::UserIntervals;
    if (numeric && !request.WholeTable && IsCountOnly(currentKind))
        return Texts::tr("W bieżącej kolumnie są tylko opisy słowne: nie można w niej szukać liczby ani przedziału !");

    TSearchState next = state;
    switch (request.Page) {
    case SearchPage::Text:
        next.Text = request.Text;
        next.CaseSensitive = request.CaseSensitive;
        next.SearchTextCells = request.SearchTextCells;
        next.SearchNumCells = request.SearchNumCells;
        next.Type = skText;
        break;
    case SearchPage::Number: {
        const std::optional<float> number = ParseNumber(request.Number);
        if (!number)
            return Texts::tr("Pole 'Liczba do znalezienia' musi zawierać poprawną liczbę !");
        next.Number = *number;
        if (const std::optional<float> precision = ParseNumber(request.Precision))
            next.Precision = *precision;
        next.Type = skNumber;
        break;
    }
    case SearchPage::Special:
        if (request.NoData)
            next.Type = skMissing;
        else if (request.BadData)
            next.Type = skBad;
        else
            return Texts::tr("Musisz zaznaczyć jedno z pól:\r\n 'Szukaj danych brakujących' lub 'Szukaj danych "
                             "niepoprawnych' !");
        break;
    case SearchPage::UserIntervals:
        if (const QString error = ParseIntervalsText(request.Intervals, next.Intervals); !error.isEmpty())
            return error;
        next.Type = skUserIntervals;
        break;
    case SearchPage::StdIntervals:
        if (std::find(request.StdSelected.begin(), request.StdSelected.end(), true) == request.StdSelected.end())
            return Texts::tr("Musisz zaznaczyć chociaż jeden przedział na liście 'Przedziały standardowe' !");
        next.StdSelected = request.StdSelected;
        next.StdKind = currentKind;
        next.Type = skStdIntervals;
        break;
    }
    next.WholeTable = request.Page != SearchPage::StdIntervals && request.WholeTable;
    next.Upward = request.Upward;
    state = std::move(next);
    return QString();
}
