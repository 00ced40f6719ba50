// The search dialog's fields stored as a search (text, number and precision, special searches,
// user intervals, standard classes), then that search repeated over a small table.

#include "FuzzSupport.h"

#include "core/search/SearchData.h"
#include "core/search/SearchIntervals.h"
#include "core/search/SearchRequest.h"
#include "core/table/Table.h"

#include <algorithm>

namespace {

// Intervals that were read are sorted by their lower bounds and merged where they overlap (an
// interval typed upside down stays, matching nothing), and read back from the text the dialog shows.
void CheckIntervals(const QString& text)
{
    std::vector<TSearchInterval> intervals;
    if (!ParseIntervalsText(text, intervals).isEmpty())
        return;
    FUZZ_CHECK(!intervals.empty());
    for (std::size_t i = 0; i < intervals.size(); ++i) {
        // A bound typed as the missing-value marker itself reads as an open end.
        if ((i > 0 && intervals[i].Lower == NoValue) || (i + 1 < intervals.size() && intervals[i].Upper == NoValue))
            return;
    }
    for (std::size_t i = 1; i < intervals.size(); ++i) {
        FUZZ_CHECK(intervals[i - 1].Lower == NoValue || intervals[i - 1].Lower <= intervals[i].Lower);
        FUZZ_CHECK(intervals[i - 1].Upper <= intervals[i].Lower);
    }
    std::vector<TSearchInterval> shown;
    FUZZ_CHECK(ParseIntervalsText(IntervalsText(intervals), shown).isEmpty());
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    DecimalSeparator = input.Flag() ? QChar(u',') : QChar(u'.');
    const SearchPage page = SearchPage(input.Choice(5));
    const std::uint8_t flags = input.Byte();
    const std::uint8_t classes = input.Byte();
    const int cursorCol = input.Choice(6) + 1;
    const int cursorRow = input.Choice(22);
    TSearchRequest fields;
    fields.Text = input.Line();
    fields.Number = input.Line();
    fields.Precision = input.Line();
    fields.Intervals = input.Line();
    CheckIntervals(fields.Intervals);

    TTable table(1);
    FillTable(table, QString::fromUtf8(input.Rest()), ShippedKinds());
    const int col = std::min(cursorCol, table.ColCount() - 1);
    int row = std::min(cursorRow, table.RowCount());
    TSearchState state;
    TSearchRequest request = LoadSearchRequest(state, table.ColumnKind(col));
    request.Page = page;
    request.Text = fields.Text;
    request.CaseSensitive = flags & 1;
    request.SearchTextCells = flags & 2;
    request.SearchNumCells = flags & 4;
    request.Number = fields.Number;
    request.Precision = fields.Precision;
    request.NoData = flags & 8;
    request.BadData = flags & 16;
    request.Intervals = fields.Intervals;
    request.WholeTable = flags & 32;
    request.Upward = flags & 64;
    for (std::size_t i = 0; i < request.StdSelected.size(); ++i)
        request.StdSelected[i] = (classes >> (i % 8)) & 1;
    if (!StoreSearchRequest(request, table.ColumnKind(col), state).isEmpty())
        return 0;

    // Each search from the cell found finds the next; there are no more finds than cells.
    ScriptedUi ui;
    int c = col;
    for (int found = 0; found <= (table.ColCount() - 1) * (table.RowCount() - 1); ++found) {
        const std::optional<TFoundCell> cell = SearchData(table, state, c, row, ui);
        if (!cell)
            return 0;
        FUZZ_CHECK(cell->Table == &table);
        FUZZ_CHECK(cell->Col >= 1 && cell->Col < table.ColCount() && cell->Row >= 1 && cell->Row < table.RowCount());
        c = cell->Col;
        row = cell->Row;
    }
    return 0;
}
