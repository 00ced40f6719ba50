#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/search/SearchData.h"
#include "core/search/SearchIntervals.h"
#include "core/search/SearchRequest.h"
#include "core/table/Table.h"

#include <gtest/gtest.h>

namespace {

// t with a range, PMV with three classes; Weather is textual without classes (count-only).
const QByteArray Config = R"(
[Minima]
t=-90
[Maxima]
t=60
[ThresholdsNamesPL]
PMV=zimno,neutralnie,ciepło
[Thresholds]
PMV=-0.5,0.5
)";

class SearchDataTest : public testing::Test
{
protected:
    TempHome home{Config};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    TTable table{1};
    ScriptedUi ui;
    TSearchState state;

    // Columns named by `names`, filled row by row from `rows`.
    void Fill(const QStringList& names, const std::vector<QStringList>& rows)
    {
        table.SetColCount(int(names.size()) + 1);
        table.SetRowCount(int(rows.size()) + 1);
        for (int c = 1; c <= names.size(); ++c)
            table.BindHeader(c, names[c - 1], kinds);
        for (int r = 1; r <= int(rows.size()); ++r)
            for (int c = 1; c <= rows[std::size_t(r - 1)].size(); ++c)
                table.SetCellText(c, r, rows[std::size_t(r - 1)][c - 1]);
    }
    // Every cell found from the cursor by searching again until nothing new turns up, as "c:r".
    QStringList FindAll(int col, int row)
    {
        QStringList found;
        while (const std::optional<TFoundCell> cell = SearchData(table, state, col, row, ui)) {
            const QString at = QStringLiteral("%1:%2").arg(cell->Col).arg(cell->Row);
            if (found.contains(at))
                break;
            found << at;
            col = cell->Col;
            row = cell->Row;
        }
        return found;
    }
    QString LastMessage() const { return ui.messages.empty() ? QString() : ui.messages.back().text; }
};

TEST_F(SearchDataTest, ColumnSearchStartsNextToTheCursor)
{
    Fill({QStringLiteral("x")}, {{QStringLiteral("a")}, {QStringLiteral("a")}, {QStringLiteral("a")}});
    state.Type = skText;
    state.Text = QStringLiteral("a");
    EXPECT_EQ(FindAll(1, 1), (QStringList{QStringLiteral("1:2"), QStringLiteral("1:3")}));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Komórka zawierająca podany tekst nie została znaleziona w bieżącej kolumnie !"));

    ui.messages.clear();
    EXPECT_FALSE(SearchData(table, state, 1, 3, ui));   // the last row: nothing left to examine
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);

    state.Upward = true;
    EXPECT_EQ(FindAll(1, 3), (QStringList{QStringLiteral("1:2"), QStringLiteral("1:1")}));
}

TEST_F(SearchDataTest, TextMatchesTheShownText)
{
    Fill({QStringLiteral("x")}, {{QStringLiteral("xABCy")}, {QStringLiteral("12.345")}, {QStringLiteral("abc")}});
    state.Type = skText;
    state.Text = QStringLiteral("abc");
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:3")}));
    state.CaseSensitive = false;
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:1"), QStringLiteral("1:3")}));

    state.Text = QStringLiteral("2.3");   // the number shows as 12.35: a fragment of its text
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:2")}));
    state.SearchNumCells = false;
    EXPECT_TRUE(FindAll(1, 0).isEmpty());
    state.SearchNumCells = true;
    state.SearchTextCells = false;
    state.Text = QStringLiteral("B");
    EXPECT_TRUE(FindAll(1, 0).isEmpty());
    state.Text.clear();
    state.SearchTextCells = true;
    EXPECT_TRUE(FindAll(1, 0).isEmpty());   // an empty text finds nothing
}

TEST_F(SearchDataTest, NumberWithinPrecision)
{
    Fill({QStringLiteral("x")},
         {{QStringLiteral("19.5")}, {QStringLiteral("20.4")}, {QStringLiteral("20.5")}, {QStringLiteral("20")}});
    state.Type = skNumber;
    state.Number = 20;
    state.Precision = 0.5f;
    // |19.5 − 20| = 0.5 and |20.5 − 20| = 0.5 are not below the precision.
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:2"), QStringLiteral("1:4")}));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Komórka zawierająca podaną liczbę nie została znaleziona w bieżącej kolumnie !"));
}

TEST_F(SearchDataTest, MissingAndBadData)
{
    Fill({QStringLiteral("t")},
         {{QStringLiteral("20")}, {QStringLiteral("abc")}, {QStringLiteral("100")}, {QString()}});
    table.SetCellText(1, 1, u"61");      // out of range …
    table.SetCellText(1, 1, u"tekst");   // … then text: the old mark means nothing any more
    state.Type = skMissing;
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:1"), QStringLiteral("1:2"), QStringLiteral("1:4")}));
    state.Type = skBad;
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:3")}));
}

TEST_F(SearchDataTest, UserIntervalsReachToInfinity)
{
    Fill({QStringLiteral("x")},
         {{QStringLiteral("-2000000")},
          {QStringLiteral("5")},
          {QStringLiteral("0")},
          {QStringLiteral("INF")},
          {QStringLiteral("2000000")},
          {QStringLiteral("10")}});
    SeparatorScope separator{QLatin1Char('.')};
    ASSERT_EQ(ParseIntervalsText(u"INF_0;10_INF", state.Intervals), QString());
    state.Type = skUserIntervals;
    EXPECT_EQ(
        FindAll(1, 0),
        (QStringList{QStringLiteral("1:1"), QStringLiteral("1:3"), QStringLiteral("1:5"), QStringLiteral("1:6")}));
}

TEST_F(SearchDataTest, CountOnlyColumnsHoldNoNumbers)
{
    Fill({QStringLiteral("Weather"), QStringLiteral("x")}, {{QString(), QStringLiteral("1")}});
    table.SetCellNumber(1, 1, 1);   // as a calculation leaves it: a number shown as words
    ASSERT_FALSE(table.CellData(1, 1).NoValidValue);
    state.Type = skNumber;
    state.Number = 1;
    state.WholeTable = true;
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("2:1")}));
}

TEST_F(SearchDataTest, WholeTableBackwardsWrapsToTheLastColumn)
{
    Fill({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")},
         {{QStringLiteral("x"), QStringLiteral("x"), QString(), QStringLiteral("x")},
          {QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("x")}});
    state.Type = skText;
    state.Text = QStringLiteral("x");
    state.WholeTable = true;
    state.Upward = true;
    // From b:2 upwards: b:1, then a from its last row, then wrapping to d and c, and round to b:2.
    EXPECT_EQ(FindAll(2, 2),
              (QStringList{QStringLiteral("2:1"), QStringLiteral("1:2"), QStringLiteral("1:1"), QStringLiteral("4:2"),
                           QStringLiteral("4:1"), QStringLiteral("3:2"), QStringLiteral("2:2")}));

    ui.messages.clear();
    state.Text = QStringLiteral("y");
    EXPECT_FALSE(SearchData(table, state, 2, 2, ui));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Komórka zawierająca podany tekst nie została znaleziona w bieżącej tabeli !"));
}

TEST_F(SearchDataTest, WholeTableForwardsComesBackToTheFirstFound)
{
    Fill({QStringLiteral("a"), QStringLiteral("b")},
         {{QString(), QStringLiteral("1")}, {QStringLiteral("1"), QString()}});
    state.Type = skMissing;
    state.WholeTable = true;
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:1"), QStringLiteral("2:2")}));
}

TEST_F(SearchDataTest, StandardClassesOnlyInTheirKindsColumn)
{
    Fill({QStringLiteral("PMV"), QStringLiteral("t"), QStringLiteral("x")},
         {{QStringLiteral("-1"), QStringLiteral("1")},
          {QStringLiteral("0.5"), QStringLiteral("1")},
          {QStringLiteral("0.4"), QStringLiteral("1")}});
    TSearchRequest request = LoadSearchRequest(state, table.ColumnKind(1));
    ASSERT_EQ(request.StdClassNames,
              (QStringList{QStringLiteral("zimno"), QStringLiteral("neutralnie"), QStringLiteral("ciepło")}));
    request.Page = SearchPage::StdIntervals;
    request.WholeTable = true;   // a class search keeps to the column
    request.StdSelected = {true, false, true};
    ASSERT_EQ(StoreSearchRequest(request, table.ColumnKind(1), state), QString());
    EXPECT_FALSE(state.WholeTable);
    EXPECT_EQ(FindAll(1, 0), (QStringList{QStringLiteral("1:1"), QStringLiteral("1:2")}));   // 0.5 is ciepło

    ui.messages.clear();
    EXPECT_FALSE(SearchData(table, state, 2, 0, ui));
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Uruchomienie przeszukiwania nie jest możliwe !\r\nOpcja 'Szukaj w przedziałach "
                             "standardowych' była uaktywniona dla kolumny 'PMV' .\r\nBieżąca kolumna zaś "
                             "nosi nazwę 't' !"));
    EXPECT_FALSE(SearchData(table, state, 3, 0, ui));
    EXPECT_TRUE(LastMessage().endsWith(QStringLiteral("'PMV' .\r\nBieżąca kolumna zaś nie jest kolumną danych !")));
}

TEST_F(SearchDataTest, DialogRefusesWhatCannotBeSearched)
{
    SeparatorScope separator{QLatin1Char('.')};
    const TAbstractData* weather = kinds.FindByName(u"Weather");
    TSearchRequest request;
    request.Page = SearchPage::Number;
    request.Number = QStringLiteral("5");
    EXPECT_FALSE(StoreSearchRequest(request, weather, state).isEmpty());   // a count-only current column
    EXPECT_EQ(state.Type, skNone);
    request.WholeTable = true;
    EXPECT_EQ(StoreSearchRequest(request, weather, state), QString());

    request.Number = QStringLiteral("5,0");
    EXPECT_EQ(StoreSearchRequest(request, nullptr, state),
              QStringLiteral("Pole 'Liczba do znalezienia' musi zawierać poprawną liczbę !"));
    request.Number = QStringLiteral("7");
    request.Precision = QStringLiteral("dużo");   // ignored: the last precision stays
    ASSERT_EQ(StoreSearchRequest(request, nullptr, state), QString());
    EXPECT_EQ(state.Number, 7.0f);
    EXPECT_EQ(state.Precision, 0.001f);

    request.Page = SearchPage::Special;
    EXPECT_EQ(StoreSearchRequest(request, nullptr, state),
              QStringLiteral(
                  "Musisz zaznaczyć jedno z pól:\r\n 'Szukaj danych brakujących' lub 'Szukaj danych niepoprawnych' !"));
    request.Page = SearchPage::StdIntervals;
    request.StdSelected = {false, false};
    EXPECT_EQ(StoreSearchRequest(request, nullptr, state),
              QStringLiteral("Musisz zaznaczyć chociaż jeden przedział na liście 'Przedziały standardowe' !"));
    EXPECT_EQ(state.Type, skNumber);
}

TEST_F(SearchDataTest, DialogShowsTheLastSearch)
{
    SeparatorScope separator{QLatin1Char(',')};
    state.Type = skUserIntervals;
    ASSERT_EQ(ParseIntervalsText(u"5_10;0_6", state.Intervals), QString());
    state.Number = 2.5f;
    const TAbstractData* t = kinds.FindByName(u"t");
    TSearchRequest request = LoadSearchRequest(state, t);
    EXPECT_EQ(request.Page, SearchPage::UserIntervals);
    EXPECT_EQ(request.Intervals, QStringLiteral("0,00_10,00"));
    EXPECT_EQ(request.Number, QStringLiteral("2,50"));
    EXPECT_EQ(request.Precision, QStringLiteral("0,001000"));
    EXPECT_TRUE(request.StdPageShown);
    EXPECT_TRUE(request.StdClassNames.isEmpty());

    EXPECT_FALSE(LoadSearchRequest(state, nullptr).StdPageShown);
    EXPECT_FALSE(LoadSearchRequest(state, kinds.FindByName(u"Weather")).StdPageShown);

    state.Type = skStdIntervals;   // chosen for another kind: the classes page is not reopened
    state.StdKind = kinds.FindByName(u"PMV");
    EXPECT_EQ(LoadSearchRequest(state, t).Page, SearchPage::Text);
    EXPECT_EQ(LoadSearchRequest(state, state.StdKind).Page, SearchPage::StdIntervals);
}

}   // namespace
