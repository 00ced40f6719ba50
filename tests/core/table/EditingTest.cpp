#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/Editing.h"
#include "core/table/Table.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// t admits −90…60 °C; WBGT is named as usual.
const QByteArray Config = R"(
[Minima]
t=-90
[Maxima]
t=60
[Names]
WBGT=WBGT
)";

const QString Refused1 = QStringLiteral("Nazwa kolumny nie może być liczbą !");
const QString Refused2 = QStringLiteral("Kolumna o podanej nazwie już istnieje w tej tabeli !");

class EditingTest : public testing::Test
{
protected:
    TempHome home{Config};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    ScriptedUi ui;
    TTable table{1};

    // Columns a, b, c … holding r, 10·r, 100·r … in row r; labelled, not modified.
    void Fill(int cols, int rows)
    {
        table.SetColCount(cols + 1);
        table.SetRowCount(rows + 1);
        table.SetRowLabels(1, rows);
        int factor = 1;
        for (int c = 1; c <= cols; ++c, factor *= 10) {
            table.SetColumnHeader(c, QString(QChar(u'a' + c - 1)), nullptr);
            for (int r = 1; r <= rows; ++r)
                table.SetCellNumber(c, r, float(r * factor));
        }
        table.SetModified(false);
    }
    // The numbers of column c, rows 1…last.
    std::vector<float> Numbers(int c) const
    {
        std::vector<float> numbers;
        for (int r = 1; r < table.RowCount(); ++r)
            numbers.push_back(table.CellNumber(c, r));
        return numbers;
    }
    QStringList Labels() const
    {
        QStringList labels;
        for (int r = 1; r < table.RowCount(); ++r)
            labels << table.RowLabel(r);
        return labels;
    }
};

TEST_F(EditingTest, CopyWritesExportTextsTabsAndLineBreaks)
{
    Fill(3, 3);
    table.SetCellText(1, 1, u"1");
    table.SetCellText(2, 1, u"2");
    table.SetCellText(1, 2, u"3");
    table.SetCellText(2, 2, u"abc");
    const TableSelection block{1, 1, 2, 2, 1, 1};
    EXPECT_EQ(CopySelection(table, block, false), QStringLiteral("1.000000\t2.000000\r\n3.000000\tabc"));
    EXPECT_EQ(CopySelection(table, block, true), QStringLiteral("a\tb\r\n1.000000\t2.000000\r\n3.000000\tabc"));

    // An integer kind copies without decimals, a missing cell as nothing, the decimal comma as set.
    SeparatorScope comma(QLatin1Char(','));
    table.BindHeader(3, u"N8", kinds);
    table.SetCellText(2, 3, u"");
    EXPECT_EQ(CopySelection(table, {2, 1, 3, 3, 3, 3}, true),
              QStringLiteral("b\tN8\r\n2,000000\t100\r\nabc\t200\r\n\t300"));
    EXPECT_FALSE(table.Modified());
}

TEST_F(EditingTest, CutLeavesMissingCellsInsideTheBlockOnly)
{
    Fill(3, 3);
    table.SetCellText(2, 2, u"abc");
    const TableSelection block{2, 2, 3, 3, 2, 2};
    QSignalSpy cells(&table, &TTable::cellsChanged);
    const QString copied = CopySelection(table, block, false);
    ClearSelection(table, block);

    EXPECT_EQ(copied, QStringLiteral("abc\t200.000000\r\n30.000000\t300.000000"));
    for (int c = 2; c <= 3; ++c)
        for (int r = 2; r <= 3; ++r) {
            EXPECT_TRUE(table.CellData(c, r).NoValidValue);   // drawn grey
            EXPECT_EQ(table.DisplayText(c, r), QString());
            EXPECT_EQ(table.ExportText(c, r), QString());
        }
    EXPECT_EQ(table.CellNumber(1, 2), 2.0f);
    EXPECT_EQ(table.CellNumber(2, 1), 10.0f);
    EXPECT_TRUE(table.Modified());
    ASSERT_EQ(cells.count(), 1);
    EXPECT_EQ(cells[0], (QList<QVariant>{2, 2, 3, 3}));
}

TEST_F(EditingTest, PasteThatDoesNotFitGrowsTheTableOnlyWhenAllowed)
{
    Fill(3, 3);
    ASSERT_TRUE(PasteText(table, TableSelection::Cell(2, 3), u"1\t2\t3\r\n4\t5\t6\r\n7\t8\t9", false, kinds, ui));
    ASSERT_EQ(ui.questions.size(), 1u);   // answered No: what falls outside is dropped
    EXPECT_EQ(
        ui.questions[0],
        QStringLiteral("Wklejane dane nie mieszczą się w tabeli. Czy powiększyć tabelę do 4 kolumn i 5 wierszy ?"));
    EXPECT_EQ(table.ColCount(), 4);
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(Numbers(2), (std::vector<float>{10, 20, 1}));
    EXPECT_EQ(Numbers(3), (std::vector<float>{100, 200, 2}));
    EXPECT_EQ(Numbers(1), (std::vector<float>{1, 2, 3}));
    EXPECT_TRUE(table.Modified());

    ui.answers = {true};
    ASSERT_TRUE(PasteText(table, TableSelection::Cell(2, 3), u"1\t2\t3\r\n4\t5\t6\r\n7\t8\t9", false, kinds, ui));
    EXPECT_EQ(table.ColCount(), 5);
    EXPECT_EQ(table.RowCount(), 6);
    EXPECT_EQ(Numbers(4), (std::vector<float>{NoValue, NoValue, 3, 6, 9}));
    EXPECT_EQ(table.RowLabel(5), QStringLiteral("5"));
}

TEST_F(EditingTest, PasteDetectsTheSeparatorOfTheFirstLine)
{
    struct Case
    {
        QChar decimal;
        QString text;
        QStringList shown;   // columns 1…3 of row 1 afterwards
    };
    const std::vector<Case> cases = {
        {u'.', QStringLiteral("1; 2 m ;3"), {QStringLiteral("1.00"), QStringLiteral("2 m"), QStringLiteral("3.00")}},
        {u'.', QStringLiteral("x\ty;z"), {QStringLiteral("x"), QStringLiteral("y;z"), QString()}},
        {u'.', QStringLiteral("1,5 2"), {QStringLiteral("1,5"), QStringLiteral("2.00"), QString()}},
        {u'.', QStringLiteral("4,5,6"), {QStringLiteral("4.00"), QStringLiteral("5.00"), QStringLiteral("6.00")}},
        {u',', QStringLiteral("1,5;2,5"), {QStringLiteral("1,50"), QStringLiteral("2,50"), QString()}},
        {u',', QStringLiteral("1,5"), {QStringLiteral("1,50"), QString(), QString()}},   // one field
        {u',', QStringLiteral("1.5;x"), {QStringLiteral("1.5"), QStringLiteral("x"), QString()}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.text.toStdString());
        SeparatorScope decimal(test.decimal);
        TTable target(2);
        target.SetColCount(4);
        ASSERT_TRUE(PasteText(target, TableSelection::Cell(1, 1), test.text, false, kinds, ui));
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(target.DisplayText(c, 1), test.shown[c - 1]) << "column " << c;
    }
}

TEST_F(EditingTest, PasteSkipsLeadingEmptyLinesAndEmptiesForEmptyLines)
{
    Fill(2, 3);
    ASSERT_TRUE(PasteText(table, TableSelection::Cell(1, 1), u"\r\n\n7\t8\r\n\r9", false, kinds, ui));
    EXPECT_EQ(Numbers(1), (std::vector<float>{7, NoValue, 9}));
    EXPECT_EQ(Numbers(2), (std::vector<float>{8, 20, 30}));   // an empty line reaches column k only

    table.SetModified(false);
    EXPECT_FALSE(PasteText(table, TableSelection::Cell(1, 1), u"\r\n\r\n", false, kinds, ui));
    EXPECT_FALSE(PasteText(table, TableSelection::Cell(1, 1), u"", false, kinds, ui));
    EXPECT_FALSE(table.Modified());
}

TEST_F(EditingTest, PasteWithNamesAsksAndNamesOnlyExistingColumns)
{
    Fill(2, 2);
    ui.answers = {true};
    ASSERT_TRUE(PasteText(table, TableSelection::Cell(2, 1), u"wbgt\tx\r\n5\t6", true, kinds, ui));
    ASSERT_EQ(ui.questions.size(), 2u);   // the names, then whether the table may grow (no)
    EXPECT_EQ(ui.questions[0],
              QStringLiteral("Ta operacja zamieni nazwy części kolumn w tabeli na nazwy zawarte w "
                             "Schowku.\r\nCzy jesteś pewien, że chcesz kontynuować ?"));
    EXPECT_EQ(table.ColCount(), 3);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("a"));
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("wbgt"));   // the pasted text, bound to its kind
    EXPECT_EQ(table.ColumnKind(2), kinds.GetById(kind::WBGT));
    EXPECT_EQ(Numbers(2), (std::vector<float>{5, 20}));

    // No: nothing changes.
    table.SetModified(false);
    EXPECT_FALSE(PasteText(table, TableSelection::Cell(1, 1), u"p\tq\r\n1\t2", true, kinds, ui));
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("a"));
    EXPECT_EQ(Numbers(1), (std::vector<float>{1, 2}));
    EXPECT_FALSE(table.Modified());
}

TEST_F(EditingTest, InsertRowsAtTheCursorMovesRowsDownAndRelabels)
{
    Fill(2, 5);
    QSignalSpy inserted(&table, &TTable::rowsInserted);
    InsertRowsCols(table, TableSelection::Cell(1, 3), 2, 0, false, ui);
    EXPECT_EQ(table.RowCount(), 8);
    EXPECT_EQ(Numbers(1), (std::vector<float>{1, 2, NoValue, NoValue, 3, 4, 5}));
    EXPECT_EQ(table.DisplayText(2, 4), QString());
    EXPECT_EQ(Labels(), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(table.Modified());
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0], (QList<QVariant>{3, 4}));

    InsertRowsCols(table, TableSelection::Cell(1, 3), 1, 0, true, ui);
    EXPECT_EQ(Labels().last(), QStringLiteral("8"));
    EXPECT_EQ(table.CellNumber(1, 7), 5.0f);
}

TEST_F(EditingTest, InsertColumnsAtTheCursorMovesHeadersAndCellsRight)
{
    Fill(2, 2);
    table.BindHeader(2, u"t", kinds);
    InsertRowsCols(table, TableSelection::Cell(2, 2), 0, 2, false, ui);
    EXPECT_EQ(table.ColCount(), 5);
    for (int c = 2; c <= 3; ++c) {
        EXPECT_EQ(table.HeaderText(c), QString());
        EXPECT_EQ(table.ColumnKind(c), nullptr);
        EXPECT_EQ(Numbers(c), (std::vector<float>{NoValue, NoValue}));
    }
    EXPECT_EQ(table.HeaderText(4), QStringLiteral("t"));
    EXPECT_EQ(table.ColumnKind(4), kinds.GetById(kind::t));
    EXPECT_EQ(Numbers(4), (std::vector<float>{10, 20}));
}

TEST_F(EditingTest, DeleteRowsIsReducedToLeaveOneRow)
{
    struct Case
    {
        int from, count;
        std::vector<float> left;
        bool warned;
    };
    const std::vector<Case> cases = {
        {1, 10, {5}, true},         // all five asked for: rows 1…4 go
        {4, 3, {1, 2, 3}, false},   // only rows 4 and 5 exist from row 4 on
        {2, 1, {1, 3, 4, 5}, false},
        {3, 5, {1, 2}, true},   // reduced to 4, then to the 3 rows from row 3 on
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.count << " from row " << test.from);
        Fill(2, 5);
        ui.messages.clear();
        DeleteRowsCols(table, TableSelection::Cell(1, test.from), test.count, 0, ui);
        EXPECT_EQ(Numbers(1), test.left);
        QStringList labels;
        for (int r = 1; r <= int(test.left.size()); ++r)
            labels << QString::number(r);
        EXPECT_EQ(Labels(), labels);
        EXPECT_TRUE(table.Modified());
        ASSERT_EQ(ui.messages.size(), test.warned ? 1u : 0u);
        if (test.warned) {
            EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Warning);
        }
    }
}

TEST_F(EditingTest, DeleteColumnsIsReducedToLeaveOneColumn)
{
    Fill(3, 2);
    DeleteRowsCols(table, TableSelection::Cell(1, 1), 0, 5, ui);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("c"));
    EXPECT_EQ(Numbers(1), (std::vector<float>{100, 200}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Warning);

    Fill(3, 2);
    ui.messages.clear();
    DeleteRowsCols(table, TableSelection::Cell(3, 1), 1, 2, ui);   // only column 3 exists from there
    EXPECT_EQ(table.ColCount(), 3);
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("b"));
    EXPECT_EQ(Numbers(2), (std::vector<float>{20}));
    EXPECT_TRUE(ui.messages.empty());

    ui.messages.clear();
    DeleteRowsCols(table, TableSelection::Cell(1, 1), 1, 1, ui);   // a one-row table keeps its row
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(EditingTest, ColumnNameMayBeNeitherANumberNorAnotherColumnsName)
{
    Fill(3, 1);
    table.SetColumnHeader(2, QStringLiteral("Temp"), nullptr);
    struct Case
    {
        QString name;
        QString refusal;   // empty: accepted
    };
    const std::vector<Case> cases = {
        {QStringLiteral("12"), Refused1},    {QStringLiteral("A"), Refused2},
        {QStringLiteral("c "), Refused2},    {QString(), Refused2},   // the corner's name
        {QStringLiteral("Temp"), QString()}, {QStringLiteral("TEMP"), QString()},
        {QStringLiteral("wbgt"), QString()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name.toStdString());
        ui.messages.clear();
        EXPECT_EQ(ValidateColumnName(table, 2, test.name, ui), test.refusal.isEmpty());
        if (test.refusal.isEmpty()) {
            EXPECT_TRUE(ui.messages.empty());
            continue;
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, test.refusal);
        EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
    }
}

TEST_F(EditingTest, RenameChecksRangesWithoutParsingTextsAgain)
{
    table.SetRowCount(5);
    table.SetCellText(1, 1, u"61");
    table.SetCellText(1, 2, u"20");
    table.SetCellText(1, 3, u"3.7");
    table.SetCellText(1, 4, u"abc");
    RenameColumn(table, 1, u" T ", kinds);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("t"));
    EXPECT_EQ(table.ColumnKind(1), kinds.GetById(kind::t));
    EXPECT_EQ(table.CellData(1, 1).RangeState, 1);   // red at once
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("61.00"));
    EXPECT_EQ(table.CellData(1, 2).RangeState, 0);
    EXPECT_EQ(table.DisplayText(1, 4), QStringLiteral("abc"));
    EXPECT_TRUE(table.Modified());

    RenameColumn(table, 1, u"N8", kinds);   // an integer kind: 3.70 is not reshown as 4
    EXPECT_EQ(table.DisplayText(1, 3), QStringLiteral("3.70"));
    EXPECT_EQ(table.CellData(1, 1).RangeState, 0);

    RenameColumn(table, 1, u"t", kinds);
    RenameColumn(table, 1, u"Stacja", kinds);   // a free name: no kind, nothing out of range
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("Stacja"));
    EXPECT_EQ(table.ColumnKind(1), nullptr);
    EXPECT_EQ(table.CellData(1, 1).RangeState, 0);
}

TEST_F(EditingTest, SaveSelectionWritesTheBlockWithItsNames)
{
    Fill(3, 3);
    table.SetColumnHeader(2, QStringLiteral("miejscowość"), nullptr);
    table.SetCellText(2, 3, u"Łódź");
    table.SetDataSeparator(QChar(u';'));
    table.SetModified(false);
    const QString path = home.Path(QStringLiteral("block.dat"));
    ASSERT_TRUE(SaveSelection(table, {2, 2, 3, 3, 2, 2}, path, ui));
    EXPECT_EQ(QString::fromUtf8(home.Read(QStringLiteral("block.dat"))),
              QStringLiteral("miejscowość;c\r\n20.000000;200.000000\r\nŁódź;300.000000"));
    EXPECT_FALSE(table.Modified());
    EXPECT_TRUE(table.FileName().isEmpty());

    TTable fresh(2);   // one unnamed column: a header line that reads back as the empty name
    ASSERT_TRUE(SaveSelection(fresh, TableSelection::Cell(1, 1), path, ui));
    EXPECT_EQ(home.Read(QStringLiteral("block.dat")), QByteArray("\x0B\r\n"));
}

TEST_F(EditingTest, FailedSaveSelectionTellsWhy)
{
    const QString path = home.Path(QStringLiteral("missing-dir/block.dat"));
    EXPECT_FALSE(SaveSelection(table, TableSelection::Cell(1, 1), path, ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Błąd podczas zapisu do pliku ") + path + QStringLiteral(" !"));
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
}

TEST(EditingDialogs, OpenWithTheSelectionsSize)
{
    struct Case
    {
        TableSelection selection;
        int rows, cols;
    };
    const std::vector<Case> cases = {
        {TableSelection::Cell(3, 4), 0, 1},
        {{1, 2, 3, 2, 3, 2}, 0, 3},   // one row: no rows
        {{2, 1, 3, 4, 3, 4}, 4, 2},
    };
    for (const Case& test : cases) {
        const RowColCounts counts = DefaultRowColCounts(test.selection);
        EXPECT_EQ(counts.Rows, test.rows);
        EXPECT_EQ(counts.Cols, test.cols);
    }
    EXPECT_EQ(CountFromText(u""), 0);
    EXPECT_EQ(CountFromText(u" 12 "), 12);
    EXPECT_EQ(CountFromText(u"12a"), 0);
}

}   // namespace
