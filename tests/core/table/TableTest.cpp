#include "support/TestSupport.h"

#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Kinds with a range: t from −90 to 60, N8 an integer kind, sex showing its classes.
const QByteArray Config = R"(
[Minima]
t=-90
[Maxima]
t=60
[Names]
WBGT=WBGT
)";

class TableTest : public testing::Test
{
protected:
    TempHome home{Config};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL")};
    ScriptedUi ui;
    TTable table{1};
};

TEST_F(TableTest, NewTableHasOneEmptyColumnAndOneLabelledRow)
{
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.HeaderText(1), QString());
    EXPECT_EQ(table.ColumnKind(1), nullptr);
    EXPECT_EQ(table.RowLabel(1), QStringLiteral("1"));
    EXPECT_EQ(table.DisplayText(0, 0), QString());
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela 1"));
    EXPECT_FALSE(table.Modified());
    EXPECT_TRUE(table.FileName().isEmpty());
    EXPECT_TRUE(table.DataSeparator().isNull());
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
    EXPECT_EQ(table.CellNumber(1, 1), NoValue);
}

TEST_F(TableTest, PlainColumnKeepsTextAndReformatsNumbers)
{
    table.SetCellText(1, 1, u"7");
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("7.00"));
    EXPECT_EQ(table.CellNumber(1, 1), 7.0f);

    table.SetCellText(1, 1, u"Kraków-Balice");
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("Kraków-Balice"));
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
    EXPECT_EQ(table.CellNumber(1, 1), NoValue);

    table.SetCellText(1, 1, u"-715936");   // the marker: no valid value, nothing shown
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
    EXPECT_EQ(table.DisplayText(1, 1), QString());
    EXPECT_FALSE(table.Modified());   // storing never marks the table; callers do
}

TEST_F(TableTest, CommaSeparatorRefusesPointNumbers)
{
    SeparatorScope comma(QLatin1Char(','));
    table.SetCellText(1, 1, u"2.5");
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("2.5"));
    table.SetCellText(1, 1, u"2,5");
    EXPECT_EQ(table.CellNumber(1, 1), 2.5f);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("2,50"));
}

TEST_F(TableTest, TextFormsFollowTheColumnKind)
{
    table.SetCellNumber(1, 1, 3.7f);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("3.70"));
    EXPECT_EQ(table.EditText(1, 1), QStringLiteral("3.70"));
    EXPECT_EQ(table.ExportText(1, 1), QStringLiteral("3.700000"));

    table.BindHeader(1, u"N8", kinds);   // an integer kind; the shown text is not redone
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("3.70"));
    EXPECT_EQ(table.EditText(1, 1), QStringLiteral("4"));
    EXPECT_EQ(table.ExportText(1, 1), QStringLiteral("3.700000"));   // only whole numbers lose their decimals
    table.SetCellText(1, 1, u"3.7");
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("4"));
    table.SetCellNumber(1, 1, -4.0f);
    EXPECT_EQ(table.ExportText(1, 1), QStringLiteral("-4"));
    table.SetCellNumber(1, 1, 4.0f);

    kinds.GetById(kind::N8)->IsTextual = true;   // textual kinds export what they show
    EXPECT_EQ(table.ExportText(1, 1), QStringLiteral("4"));
    table.SetCellText(1, 1, u"xyz");
    EXPECT_EQ(table.ExportText(1, 1), QStringLiteral("xyz"));
}

TEST_F(TableTest, BoundColumnChecksTheRange)
{
    table.BindHeader(1, u"  t ", kinds);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("t"));
    table.SetCellText(1, 1, u"61");
    EXPECT_EQ(table.CellData(1, 1).RangeState, 1);
    table.SetCellText(1, 1, u"60");
    EXPECT_EQ(table.CellData(1, 1).RangeState, 0);
    table.SetCellNumber(1, 1, -90.5f);
    EXPECT_EQ(table.CellData(1, 1).RangeState, 1);
    table.SetCellText(1, 1, u"abc");   // a text keeps the range state it had
    EXPECT_EQ(table.CellData(1, 1).RangeState, 1);
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
}

TEST_F(TableTest, HeaderBindsIgnoringCaseAndShowsTheKindsName)
{
    table.BindHeader(1, u"wbgt", kinds);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("WBGT"));
    EXPECT_EQ(table.ColumnKind(1), kinds.GetById(kind::WBGT));
    table.BindHeader(1, u"station", kinds);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("station"));
    EXPECT_EQ(table.ColumnKind(1), nullptr);
    table.BindHeader(1, u"Ereq", kinds);   // internal kinds never bind
    EXPECT_EQ(table.ColumnKind(1), nullptr);
}

TEST_F(TableTest, NonFiniteResultsAreStoredAsMissing)
{
    table.SetCellNumber(1, 1, std::numeric_limits<float>::infinity());
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
    EXPECT_EQ(table.DisplayText(1, 1), QString());
    table.SetCellNumber(1, 1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(table.CellData(1, 1).NoValidValue);
}

TEST_F(TableTest, ColumnIndexOfIgnoresCaseAndFindsTheCornerForEmptyNames)
{
    table.AddColumn(QStringLiteral("Station"), nullptr);
    EXPECT_EQ(table.ColumnIndexOf(u"station"), 2);
    EXPECT_EQ(table.ColumnIndexOf(u"ŁÓDŹ"), -1);
    table.SetColumnHeader(1, QStringLiteral("łódź"), nullptr);
    EXPECT_EQ(table.ColumnIndexOf(u"ŁÓDŹ"), 1);
    EXPECT_EQ(table.ColumnIndexOf(u""), 0);
}

TEST_F(TableTest, AddColumnAndAppendRowsMarkModifiedAndLabel)
{
    QSignalSpy inserted(&table, &TTable::rowsInserted);
    EXPECT_EQ(table.AddColumn(QStringLiteral("x"), kinds.GetById(kind::t)), 2);
    EXPECT_TRUE(table.Modified());
    table.AppendRows(3);
    EXPECT_EQ(table.RowCount(), 5);
    EXPECT_EQ(table.RowLabel(4), QStringLiteral("4"));
    EXPECT_TRUE(table.CellData(2, 4).NoValidValue);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][0].toInt(), 2);
    EXPECT_EQ(inserted[0][1].toInt(), 4);
}

TEST_F(TableTest, ModifiedMarkerAppearsOnceAndGoesAway)
{
    QSignalSpy modified(&table, &TTable::modifiedChanged);
    table.SetModified(true);
    table.SetModified(true);
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela 1 (*)"));
    table.SetModified(false);
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela 1"));
    table.SetModified(false);
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela 1"));
    EXPECT_EQ(modified.count(), 2);
}

TEST_F(TableTest, BoundCaptionPadsTheNumberAndKeepsTheMarker)
{
    table.BindFile(QStringLiteral("/data/krakow.txt"));
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela  1 (/data/krakow.txt)"));
    table.SetModified(true);
    table.BindFile(QStringLiteral("/data/łeba.txt"));
    EXPECT_EQ(table.Caption(), QStringLiteral("Tabela  1 (/data/łeba.txt) (*)"));
    EXPECT_EQ(TTable::NumberedText(123, QStringLiteral("a")), QStringLiteral("Tabela 123 (a)"));
}

TEST_F(TableTest, DecimalSeparatorChangeReachesNumbersButNotTexts)
{
    table.AddColumn(QString(), nullptr);
    table.SetCellText(1, 1, u"1.5");
    table.SetCellText(2, 1, u"1.5 m");
    {
        SeparatorScope comma(QLatin1Char(','));
        table.ReplaceDecimalSeparator(QLatin1Char('.'), QLatin1Char(','));
        EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("1,50"));
        EXPECT_EQ(table.DisplayText(2, 1), QStringLiteral("1.5 m"));
    }
    // Class texts are kept texts: their first separator is replaced.
    kinds.GetById(kind::sex)->SetThresholds(u"m,k", u"0.5");
    table.BindHeader(1, u"sex", kinds);
    table.SetCellText(1, 1, u"1");
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("k (1)"));
    table.SetCellNumber(2, 1, 0.25f);
    table.ReplaceDecimalSeparator(QLatin1Char('.'), QLatin1Char(';'));
    EXPECT_EQ(table.DisplayText(2, 1), QStringLiteral("0.25"));   // follows the program's point
}

TEST_F(TableTest, SeparatorThatIsAlsoASignIsReplacedOnlyOnce)
{
    table.SetCellNumber(1, 1, -1.5f);
    SeparatorScope point(QLatin1Char('.'));
    table.ReplaceDecimalSeparator(QLatin1Char('-'), QLatin1Char('+'));
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("+1-50"));
}

TEST_F(TableTest, CopyCellGoesThroughTheExportText)
{
    TTable source(2);
    source.BindHeader(1, u"N8", kinds);
    source.SetCellNumber(1, 1, 6.6f);
    table.CopyCellFrom(1, 1, source, 1, 1);
    EXPECT_EQ(table.CellNumber(1, 1), 6.6f);   // exported with its fraction
}

TEST_F(TableTest, UpdateBracketAnnouncesCellsOnce)
{
    table.SetColCount(4);
    table.SetRowCount(10);
    QSignalSpy cells(&table, &TTable::cellsChanged);
    {
        TableUpdate update(table);
        table.SetCellNumber(2, 3, 1.0f);
        table.SetCellText(3, 7, u"x");
    }
    ASSERT_EQ(cells.count(), 1);
    EXPECT_EQ(cells[0], (QList<QVariant>{2, 3, 3, 7}));
    table.SetCellNumber(1, 1, 1.0f);
    EXPECT_EQ(cells.count(), 2);
}

TEST_F(TableTest, RefreshAfterDataOptionsBindsRenamedKinds)
{
    TableSet tables;
    TTable* first = tables.NewTable();
    TTable* second = tables.NewTable();
    first->BindHeader(1, u"t", kinds);
    first->SetCellText(1, 1, u"5");
    first->AddColumn(QStringLiteral("Mass"), nullptr);
    first->SetCellText(2, 1, u"500");
    second->BindHeader(1, u"t", kinds);
    second->SetCellText(1, 1, u"8");

    TAbstractData* t = kinds.GetById(kind::t);
    t->SetMinimumFromText(u"10");
    t->Marked = true;
    TAbstractData* m = kinds.GetById(kind::M);
    m->SetName(QStringLiteral("mass"));
    m->Maximum = 400;
    m->Marked = true;
    tables.RefreshColumnKinds(true, true, kinds, ui);

    EXPECT_EQ(first->CellData(1, 1).RangeState, 1);
    EXPECT_EQ(second->CellData(1, 1).RangeState, 1);   // every table sees the change
    EXPECT_EQ(first->ColumnKind(2), m);
    EXPECT_EQ(first->HeaderText(2), QStringLiteral("mass"));
    EXPECT_EQ(first->CellData(2, 1).RangeState, 1);
    ASSERT_EQ(ui.messages.size(), 1u);   // only the first table had a plain column become a data column
    EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("Niektóre kolumny")));
    EXPECT_FALSE(t->Marked);
    EXPECT_FALSE(m->Marked);
}

TEST_F(TableTest, RefreshWithoutChangesDoesNothing)
{
    table.SetCellText(1, 1, u"5");
    kinds.GetById(kind::t)->Marked = true;
    table.SetColumnHeader(1, QStringLiteral("t"), nullptr);
    table.RefreshColumnKinds(false, false, kinds, ui);
    EXPECT_EQ(table.ColumnKind(1), nullptr);
}

TEST_F(TableTest, MarkKindsPresentFlagsBoundColumns)
{
    table.BindHeader(1, u"v", kinds);
    table.AddColumn(QStringLiteral("WBGT"), kinds.GetById(kind::WBGT));
    table.AddColumn(QStringLiteral("x"), nullptr);
    KindFlags flags{};
    table.MarkKindsPresent(flags);
    EXPECT_TRUE(flags[kind::v]);
    EXPECT_TRUE(flags[kind::WBGT]);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 2);
}

// Every structural announcement of a table, in order, with the data row or column count the table
// had when it was made: an item model must see "about to" before the change and the rest after it.
class StructureLog
{
public:
    explicit StructureLog(TTable& table) : m_table(table)
    {
        Record(&TTable::rowsAboutToBeInserted, "rowsAboutToBeInserted");
        Record(&TTable::rowsInserted, "rowsInserted");
        Record(&TTable::rowsAboutToBeRemoved, "rowsAboutToBeRemoved");
        Record(&TTable::rowsRemoved, "rowsRemoved");
        Record(&TTable::rowsAboutToBeMoved, "rowsAboutToBeMoved");
        Record(&TTable::rowsMoved, "rowsMoved");
        Record(&TTable::columnsAboutToBeInserted, "columnsAboutToBeInserted");
        Record(&TTable::columnsInserted, "columnsInserted");
        Record(&TTable::columnsAboutToBeRemoved, "columnsAboutToBeRemoved");
        Record(&TTable::columnsRemoved, "columnsRemoved");
        Record(&TTable::columnsAboutToBeMoved, "columnsAboutToBeMoved");
        Record(&TTable::columnsMoved, "columnsMoved");
    }
    QStringList events;

private:
    void Record(void (TTable::*signal)(int, int), const char* name)
    {
        QObject::connect(&m_table, signal, [this, name](int a, int b) {
            events << QStringLiteral("%1 %2 %3 (%4×%5)")
                          .arg(QLatin1String(name))
                          .arg(a)
                          .arg(b)
                          .arg(m_table.ColCount() - 1)
                          .arg(m_table.RowCount() - 1);
        });
    }
    TTable& m_table;
};

// Four rows: column 1 holds 1…4, column 2 a text only in row 2 (so that the column keeps texts).
class TableStructureTest : public TableTest
{
protected:
    void SetUp() override
    {
        table.SetColCount(3);
        table.SetRowCount(5);
        table.SetRowLabels(1, 4);
        for (int r = 1; r <= 4; ++r)
            table.SetCellNumber(1, r, float(r));
        table.SetCellText(2, 2, u"abc");
    }
    QStringList Column(int c) const
    {
        QStringList texts;
        for (int r = 1; r < table.RowCount(); ++r)
            texts << table.DisplayText(c, r);
        return texts;
    }
    QStringList Labels() const
    {
        QStringList labels;
        for (int r = 1; r < table.RowCount(); ++r)
            labels << table.RowLabel(r);
        return labels;
    }
};

TEST_F(TableStructureTest, InsertedAndRemovedRowsKeepTextsBesideTheirNumbers)
{
    StructureLog log(table);
    table.InsertRows(2, 2);
    EXPECT_EQ(Column(1), QStringList({"1.00", "", "", "2.00", "3.00", "4.00"}));
    EXPECT_EQ(Column(2), QStringList({"", "", "", "abc", "", ""}));
    EXPECT_EQ(Labels(), QStringList({"1", "", "", "2", "3", "4"}));   // labels travel; new rows have none
    EXPECT_TRUE(table.CellData(1, 3).NoValidValue);

    table.RemoveRows(1, 3);
    EXPECT_EQ(Column(1), QStringList({"2.00", "3.00", "4.00"}));
    EXPECT_EQ(Column(2), QStringList({"abc", "", ""}));
    table.InsertRows(4, 1);   // at RowCount: appended
    EXPECT_EQ(Column(2), QStringList({"abc", "", "", ""}));
    EXPECT_EQ(
        log.events,
        QStringList({"rowsAboutToBeInserted 2 3 (2×4)", "rowsInserted 2 3 (2×6)", "rowsAboutToBeRemoved 1 3 (2×6)",
                     "rowsRemoved 1 3 (2×3)", "rowsAboutToBeInserted 4 4 (2×3)", "rowsInserted 4 4 (2×4)"}));
    EXPECT_FALSE(table.Modified());
}

TEST_F(TableStructureTest, InsertedAndRemovedColumnsCarryHeadersAndKinds)
{
    table.BindHeader(2, u"t", kinds);
    StructureLog log(table);
    table.InsertColumns(1, 1);
    EXPECT_EQ(table.ColumnKind(3), kinds.GetById(kind::t));
    EXPECT_EQ(table.DisplayText(3, 2), QStringLiteral("abc"));
    EXPECT_TRUE(table.CellData(1, 4).NoValidValue);

    table.RemoveColumns(1, 2);
    EXPECT_EQ(table.ColCount(), 2);
    EXPECT_EQ(table.HeaderText(1), QStringLiteral("t"));
    EXPECT_EQ(log.events,
              QStringList({"columnsAboutToBeInserted 1 1 (2×4)", "columnsInserted 1 1 (3×4)",
                           "columnsAboutToBeRemoved 1 2 (3×4)", "columnsRemoved 1 2 (1×4)"}));
    EXPECT_FALSE(table.Modified());
}

TEST_F(TableStructureTest, MovedRowsKeepTheirLabelsAndValues)
{
    StructureLog log(table);
    table.MoveRow(1, 3);
    EXPECT_EQ(Labels(), QStringList({"2", "3", "1", "4"}));   // not renumbered
    EXPECT_EQ(Column(1), QStringList({"2.00", "3.00", "1.00", "4.00"}));
    EXPECT_EQ(Column(2), QStringList({"abc", "", "", ""}));
    table.MoveRow(4, 1);
    EXPECT_EQ(Labels(), QStringList({"4", "2", "3", "1"}));
    EXPECT_EQ(table.CellNumber(1, 1), 4.0f);
    EXPECT_EQ(log.events,
              QStringList({"rowsAboutToBeMoved 1 3 (2×4)", "rowsMoved 1 3 (2×4)", "rowsAboutToBeMoved 4 1 (2×4)",
                           "rowsMoved 4 1 (2×4)"}));
    EXPECT_FALSE(table.Modified());
}

TEST_F(TableStructureTest, MovedColumnsCarryHeaderKindAndCells)
{
    table.SetColCount(4);
    table.BindHeader(1, u"t", kinds);
    table.SetColumnHeader(3, QStringLiteral("x"), nullptr);
    table.SetModified(false);
    StructureLog log(table);
    table.MoveColumn(1, 3);
    EXPECT_EQ(table.HeaderText(1), QString());
    EXPECT_EQ(table.HeaderText(2), QStringLiteral("x"));
    EXPECT_EQ(table.HeaderText(3), QStringLiteral("t"));
    EXPECT_EQ(table.ColumnKind(3), kinds.GetById(kind::t));
    EXPECT_EQ(table.CellNumber(3, 4), 4.0f);
    EXPECT_EQ(table.DisplayText(1, 2), QStringLiteral("abc"));
    EXPECT_EQ(log.events, QStringList({"columnsAboutToBeMoved 1 3 (3×4)", "columnsMoved 1 3 (3×4)"}));
    EXPECT_FALSE(table.Modified());
}

// The in-place editor starts from 3.14 and is cancelled: the shown text comes back, the value
// object keeps 3.14159 and the table stays unmodified.
TEST_F(TableTest, CancelledEditRestoresTheShownTextOnly)
{
    table.SetCellText(1, 1, u"3.14159");
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("3.14"));
    EXPECT_EQ(table.StatusText(1, 1), QStringLiteral("3.141590"));
    const QString editStart = table.DisplayText(1, 1);
    EXPECT_EQ(table.EditText(1, 1), QStringLiteral("3.14"));

    table.SetShownText(1, 1, QStringLiteral("99"));   // the grid's text followed the editor
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("99"));
    EXPECT_EQ(table.CellNumber(1, 1), 3.14159f);
    table.SetShownText(1, 1, editStart);
    EXPECT_EQ(table.DisplayText(1, 1), QStringLiteral("3.14"));
    EXPECT_EQ(table.CellNumber(1, 1), 3.14159f);
    EXPECT_EQ(table.StatusText(1, 1), QStringLiteral("3.141590"));
    EXPECT_FALSE(table.Modified());
}

TEST_F(TableTest, StatusBarDescribesColumnAndValue)
{
    table.SetColCount(3);
    table.SetCellText(1, 1, u"abc");
    EXPECT_EQ(table.StatusText(1, 1), QString());   // no valid number: nothing
    EXPECT_EQ(table.ColumnDescription(1), QStringLiteral("[Nieznana dana wejściowa lub wskaźnik]"));
    table.BindHeader(2, u"N8", kinds);
    kinds.GetById(kind::N8)->Description = QStringLiteral("Zachmurzenie");
    table.SetCellNumber(2, 1, 6.0f);
    EXPECT_EQ(table.StatusText(2, 1), QStringLiteral("6"));
    EXPECT_EQ(table.ColumnDescription(2), QStringLiteral("Zachmurzenie"));
}

TEST(TableSet, NumbersWithTheSmallestFreeNumber)
{
    TableSet tables;
    TTable* one = tables.NewTable();
    TTable* two = tables.NewTable();
    TTable* three = tables.NewTable();
    EXPECT_EQ(three->TableNumber(), 3);
    tables.Close(two);
    EXPECT_EQ(tables.FindTableByNumber(2), nullptr);
    TTable* again = tables.NewTable();
    EXPECT_EQ(again->TableNumber(), 2);
    EXPECT_EQ(again->Caption(), QStringLiteral("Tabela 2"));
    EXPECT_EQ(tables.FindTableByNumber(1), one);
    EXPECT_EQ(tables.At(2), again);   // list order is opening order
}

}   // namespace
