#include "core/search/SearchData.h"

#include "core/base/UserInterface.h"
#include "core/data/AbstractData.h"
#include "core/stats/StatColumn.h"
#include "core/table/Table.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace {

// The texts of this file, translated in the context "SearchData".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SearchData)
};

// The condition of a search, prepared once for all the cells it examines.
class CellMatcher
{
public:
    CellMatcher(const TSearchState& state, const TTable& table) : m_state(state), m_table(table)
    {
        m_text = state.Type == skText && !state.CaseSensitive ? m_locale.toUpper(state.Text) : state.Text;
    }

    // Whether column c is one in which numbers can be sought at all.
    void EnterColumn(int c) { m_countOnly = IsCountOnly(m_table.ColumnKind(c)); }

    bool Matches(int c, int r) const
    {
        const TCellData& cell = m_table.CellData(c, r);
        const bool numeric = !cell.NoValidValue;
        switch (m_state.Type) {
        case skText:
            return MatchesText(c, r, numeric);
        case skNumber:
            // The difference is rounded to single precision: 20 ± 0.5 finds 20.4 but not 20.5.
            return numeric && !m_countOnly && std::fabs(cell.Number - m_state.Number) < m_state.Precision;
        case skMissing:
            return !numeric;
        case skBad:
            // The range state means something only for a number; a text typed over a number out of
            // range may still carry its mark.
            return numeric && cell.RangeState == 1;
        case skUserIntervals:
            return numeric && !m_countOnly && InUserInterval(cell.Number);
        case skStdIntervals:
            return numeric && !m_countOnly && InChosenClass(cell.Number);
        default:
            return false;
        }
    }

private:
    bool MatchesText(int c, int r, bool numeric) const
    {
        if (m_text.isEmpty() || !(numeric ? m_state.SearchNumCells : m_state.SearchTextCells))
            return false;
        const QString shown = m_table.DisplayText(c, r);
        return (m_state.CaseSensitive ? shown : m_locale.toUpper(shown)).contains(m_text);
    }

    // Open ends are infinities: INF_0 reaches every value below 0, however low.
    bool InUserInterval(float value) const
    {
        for (const TSearchInterval& interval : m_state.Intervals) {
            if ((interval.Lower == NoValue || interval.Lower <= value)
                && (interval.Upper == NoValue || value <= interval.Upper))
                return true;
        }
        return false;
    }

    bool InChosenClass(float value) const
    {
        const std::size_t k = std::size_t(m_state.StdKind->ClassIndex(value));
        return k < m_state.StdSelected.size() && m_state.StdSelected[k];
    }

    const TSearchState& m_state;
    const TTable& m_table;
    const QLocale m_locale = QLocale::system();   // letter case as the user's language has it
    QString m_text;
    bool m_countOnly = false;
};

// "Komórka … nie została znaleziona w bieżącej kolumnie/tabeli !"
QString NotFoundText(const TSearchState& state)
{
    static const char* const What[] = {
        QT_TRANSLATE_NOOP("SearchData", "zawierająca podany tekst"),
        QT_TRANSLATE_NOOP("SearchData", "zawierająca podaną liczbę"),
        QT_TRANSLATE_NOOP("SearchData", "nie zawierająca poprawnej danej"),
        QT_TRANSLATE_NOOP("SearchData", "zawierająca daną o wartości spoza dopuszczalnego zakresu"),
        QT_TRANSLATE_NOOP("SearchData", "z podanego przedziału"),
        QT_TRANSLATE_NOOP("SearchData", "z jednego z przedziałów standardowych"),
    };
    Q_ASSERT(state.Type >= skText && state.Type <= skStdIntervals);
    return Texts::tr("Komórka ") + Texts::tr(What[state.Type - skText])
        + Texts::tr(" nie została znaleziona w bieżącej ")
        + (state.WholeTable ? Texts::tr("tabeli !") : Texts::tr("kolumnie !"));
}

// A class search must run in a column of the kind whose classes were chosen.
QString KindMismatchText(const TSearchState& state, const TAbstractData* current)
{
    QString text = Texts::tr(
                       "Uruchomienie przeszukiwania nie jest możliwe !\r\nOpcja 'Szukaj w przedziałach standardowych' "
                       "była uaktywniona dla kolumny '")
        + state.StdKind->Name;
    if (current)
        return text + Texts::tr("' .\r\nBieżąca kolumna zaś nosi nazwę '") + current->Name + QStringLiteral("' !");
    return text + Texts::tr("' .\r\nBieżąca kolumna zaś nie jest kolumną danych !");
}

}   // namespace

std::optional<TFoundCell> SearchData(TTable& table, const TSearchState& state, int cursorCol, int cursorRow,
                                     UserInterface& ui)
{
    Q_ASSERT(cursorCol >= 1 && cursorCol < table.ColCount());
    if (state.Type == skStdIntervals) {
        const TAbstractData* current = table.ColumnKind(cursorCol);
        if (current != state.StdKind) {
            ui.ShowMessage(KindMismatchText(state, current), UserInterface::Icon::Error);
            return std::nullopt;
        }
    }

    const int dir = state.Upward ? -1 : 1;
    const int lastCol = table.ColCount() - 1;
    const int lastRow = table.RowCount() - 1;
    CellMatcher matcher(state, table);
    int col = cursorCol;
    int row = cursorRow + dir;
    for (;;) {
        matcher.EnterColumn(col);
        for (; row >= 1 && row <= lastRow; row += dir)
            if (matcher.Matches(col, row))
                return TFoundCell{&table, col, row};
        if (!state.WholeTable)
            break;
        col += dir;
        if (col < 1)
            col = lastCol;
        else if (col > lastCol)
            col = 1;
        if (col == cursorCol)
            break;
        row = dir > 0 ? 1 : lastRow;
    }
    ui.ShowMessage(NotFoundText(state), UserInterface::Icon::Error);
    return std::nullopt;
}
