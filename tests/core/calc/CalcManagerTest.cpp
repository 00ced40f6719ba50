#include "support/TestSupport.h"

#include "core/calc/CalcManager.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"
#include "core/table/TableSet.h"

#include <gtest/gtest.h>

namespace {

class CalcManagerTest : public testing::Test
{
protected:
    TempHome home{QByteArray("[Typicals]\nt=20\nv=2\n")};
    DataManager kinds{CreateKind, home.IniPath(), QStringLiteral("PL"), home.Path(QString())};
    TableSet tables;
    ScriptedUi ui;
    CalcSettings settings;

    // A table with one column per name, bound to its kind, filled with `rows` rows of value(c, r).
    TTable* MakeTable(const QStringList& names, int rows, const std::function<float(int, int)>& value)
    {
        TTable* table = tables.NewTable();
        table->SetColCount(int(names.size()) + 1);
        table->SetRowCount(rows + 1);
        for (int c = 1; c <= int(names.size()); ++c)
            table->BindHeader(c, names[c - 1], kinds);
        for (int r = 1; r <= rows; ++r) {
            table->SetRowLabel(r);
            for (int c = 1; c <= int(names.size()); ++c)
                table->SetCellNumber(c, r, value(c, r));
        }
        table->SetModified(false);
        return table;
    }

    static KindFlags Only(std::initializer_list<int> ids)
    {
        KindFlags flags{};
        for (const int id : ids)
            flags[std::size_t(id)] = true;
        return flags;
    }

    // Calculates with the given choices and indices; the destination, or none.
    TTable* Calculate(const CalcChoices& choices, const KindFlags& indices)
    {
        ui.calcChoices = choices;
        ui.indices = indices;
        CalcManager manager(settings, kinds, tables, ui);
        if (!manager.Calculate())
            return nullptr;
        EXPECT_TRUE(manager.Run());
        return manager.Destination();
    }

    static CalcChoices Simple(std::initializer_list<const TTable*> sources, const QString& destination = NewTableText())
    {
        CalcChoices choices;
        for (const TTable* table : sources)
            choices.SimpleSources.append(TableEntryText(*table));
        choices.SimpleDestination = destination;
        return choices;
    }
};

TEST(CalcChoices, TableNumbersAreReadWhole)
{
    EXPECT_EQ(TableNumberOfEntry(u"Tabela  3 (station7.txt)"), 3);
    EXPECT_EQ(TableNumberOfEntry(u"Tabela 100 (a.txt)"), 100);
    EXPECT_EQ(TableNumberOfEntry(u"Table 12 ()"), 12);
    EXPECT_EQ(TableNumberOfEntry(u"Nowa"), -1);
    TTable table(7);
    table.BindFile(QStringLiteral("/home/ewa/dane/łeba.txt"));
    EXPECT_EQ(TableEntryText(table), QStringLiteral("Tabela  7 (łeba.txt)"));
    EXPECT_EQ(NewTableEntryText(4), QStringLiteral("Tabela  4 ()"));
}

TEST_F(CalcManagerTest, ComplexWayCombinesEveryRowWithGroupColumns)
{
    TTable* weather = MakeTable({QStringLiteral("t")}, 3, [](int, int r) { return float(10 * r); });
    TTable* wind = MakeTable({QStringLiteral("v")}, 2, [](int, int r) { return float(r); });
    CalcChoices choices;
    choices.Simple = false;
    choices.ComplexSources = {TableEntryText(*weather), TableEntryText(*wind), NoneText(), NoneText()};
    choices.ComplexDescriptions = {RowNumberText(), RowNumberText(), NoneText(), NoneText()};
    choices.ComplexDestination = NewTableText();
    TTable* destination = Calculate(choices, Only({kind::WCI}));
    ASSERT_NE(destination, nullptr);

    ASSERT_EQ(destination->RowCount(), 7);
    EXPECT_EQ(destination->HeaderText(1), QStringLiteral("Group0"));   // column 1 taken over once
    EXPECT_EQ(destination->HeaderText(2), QStringLiteral("Group1"));
    EXPECT_EQ(destination->HeaderText(3), QStringLiteral("WCI"));
    EXPECT_EQ(destination->ColumnKind(3), kinds.GetById(kind::WCI));
    const float group0[] = {1, 1, 2, 2, 3, 3};
    const float group1[] = {1, 2, 1, 2, 1, 2};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(destination->CellNumber(1, r), group0[r - 1]) << r;
        EXPECT_EQ(destination->CellNumber(2, r), group1[r - 1]) << r;
        EXPECT_EQ(destination->DisplayText(1, r), FormatNumber(group0[r - 1], 2));   // no kind: 2 decimals
    }
    // Row 4 combines t = 20 with v = 2: the Siple–Passel cooling 1.163·(10·√2 + 10.45 − 2)·13.
    EXPECT_NEAR(destination->CellNumber(3, 4), 1.163 * (10 * std::sqrt(2.0) + 10.45 - 2) * 13, 1e-3);
    EXPECT_TRUE(destination->Modified());
    EXPECT_EQ(settings.ComplexDestination, NewTableEntryText(destination->TableNumber()));
    EXPECT_EQ(settings.ComplexSources[1], TableEntryText(*wind));
}

TEST_F(CalcManagerTest, ComplexPriorityWithoutKindsCountsAsOneRow)
{
    TTable* weather = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 3,
                                [](int c, int r) { return float(c * r); });
    TTable* people = MakeTable({QStringLiteral("name")}, 4, [](int, int r) { return float(r); });
    TTable* extra = MakeTable({QStringLiteral("v10m")}, 2, [](int, int r) { return float(r); });
    CalcChoices choices;
    choices.Simple = false;
    choices.ComplexSources = {TableEntryText(*weather), TableEntryText(*people), TableEntryText(*extra), NoneText()};
    choices.ComplexDescriptions = {NoneText(), QStringLiteral("name"), RowNumberText(), NoneText()};
    choices.ComplexDestination = NewTableText();
    TTable* destination = Calculate(choices, Only({kind::SB}));
    ASSERT_NE(destination, nullptr);
    // 3 × (no rows: 1) × 2 combinations, the middle priority always at its row 1.
    ASSERT_EQ(destination->RowCount(), 7);
    EXPECT_EQ(destination->HeaderText(1), QStringLiteral("name"));
    EXPECT_EQ(destination->HeaderText(2), QStringLiteral("Group2"));
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(destination->CellNumber(1, r), 1.0f) << r;
        EXPECT_EQ(destination->CellNumber(2, r), float(2 - r % 2)) << r;
    }
    // SB from t = 1·row and v = 2·row of the weather table: rows 5 and 6 come from its row 3.
    EXPECT_NEAR(destination->CellNumber(3, 6), (1 - 0.04 * 3) * (1 + 0.272 * 6), 1e-5);
}

TEST_F(CalcManagerTest, FirstPriorityWithOnlyADescriptionCountsAsOneRow)
{
    TTable* stations = MakeTable({QStringLiteral("stn")}, 2, [](int, int r) { return float(r); });
    stations->SetCellText(1, 1, u"Hel");
    TTable* weather = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 3,
                                [](int c, int r) { return float(c * r); });
    CalcChoices choices;
    choices.Simple = false;
    choices.ComplexSources = {TableEntryText(*stations), TableEntryText(*weather), NoneText(), NoneText()};
    choices.ComplexDescriptions = {QStringLiteral("stn"), RowNumberText(), NoneText(), NoneText()};
    choices.ComplexDestination = NewTableText();
    TTable* destination = Calculate(choices, Only({kind::SB}));
    ASSERT_NE(destination, nullptr);
    ASSERT_EQ(destination->RowCount(), 4);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(destination->DisplayText(1, r), QStringLiteral("Hel")) << r;
        EXPECT_EQ(destination->CellNumber(2, r), float(r)) << r;
        EXPECT_FALSE(destination->CellData(3, r).NoValidValue) << r;   // every combination computed
    }
}

TEST_F(CalcManagerTest, ADestinationBeyondTheLargestTableIsRefusedUntouched)
{
    // 256⁴ combinations: more rows than any table may hold (and than an int counts).
    CalcChoices choices;
    choices.Simple = false;
    for (const char* name : {"t", "v", "v10m", "td"}) {
        TTable* source = MakeTable({QString::fromLatin1(name)}, 256, [](int, int r) { return float(r); });
        choices.ComplexSources[std::size_t(tables.Count() - 1)] = TableEntryText(*source);
    }
    TTable* open = MakeTable({QStringLiteral("note")}, 1, [](int, int) { return 5.0f; });
    for (const QString& destination : {NewTableText(), TableEntryText(*open)}) {
        choices.ComplexDestination = destination;
        ui.calcChoices = choices;
        ui.indices = Only({kind::WCI});
        CalcManager manager(settings, kinds, tables, ui);
        EXPECT_FALSE(manager.Calculate());
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_TRUE(ui.messages.back().text.startsWith(QStringLiteral("Tabela byłaby za duża")));
        EXPECT_EQ(tables.Count(), 5);   // no new table
        EXPECT_EQ(open->ColCount(), 2);
        EXPECT_EQ(open->RowCount(), 2);
        EXPECT_FALSE(open->Modified());
    }
}

TEST_F(CalcManagerTest, SimpleWayTakesEachKindFromTheFirstTableThatHasIt)
{
    TTable* shorter = MakeTable({QStringLiteral("t")}, 10, [](int, int) { return 0.0f; });
    TTable* longer = MakeTable({QStringLiteral("v"), QStringLiteral("t")}, 15,
                               [](int c, int) { return c == 1 ? 4.0f : 30.0f; });
    TTable* destination = Calculate(Simple({shorter, longer}), Only({kind::WCI, kind::SB}));
    ASSERT_NE(destination, nullptr);
    ASSERT_EQ(destination->RowCount(), 16);
    EXPECT_EQ(destination->HeaderText(1), QStringLiteral("SB"));   // identifier order: SB (36) before WCI (37)
    EXPECT_NEAR(destination->CellNumber(2, 1), 1.163 * (10 * 2 + 10.45 - 4) * 33, 1e-3);   // t = 0 from the first table
    for (int r = 11; r <= 15; ++r) {
        EXPECT_TRUE(destination->CellData(2, r).NoValidValue) << r;   // beyond the first table: no t
        EXPECT_EQ(destination->DisplayText(2, r), QString());
    }
    EXPECT_EQ(settings.SimpleSources, (QStringList{TableEntryText(*shorter), TableEntryText(*longer)}));
    EXPECT_EQ(settings.SimpleDestination, NewTableEntryText(destination->TableNumber()));
    EXPECT_TRUE(settings.LastSelection[kind::WCI]);
    EXPECT_FALSE(settings.LastSelection[kind::H]);
}

TEST_F(CalcManagerTest, OpenDestinationKeepsItsOtherCellsAndReusesNamedColumns)
{
    TTable* source = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 2,
                               [](int c, int) { return c == 1 ? 0.0f : 1.0f; });
    TTable* target = MakeTable({QStringLiteral("note"), QStringLiteral("wci")}, 4,
                               [](int, int r) { return float(-r); });
    TTable* destination = Calculate(Simple({source}, TableEntryText(*target)), Only({kind::WCI}));
    ASSERT_EQ(destination, target);
    EXPECT_EQ(target->ColCount(), 3);
    EXPECT_EQ(target->HeaderText(2), QStringLiteral("WCI"));   // the bound header, untouched
    EXPECT_NEAR(target->CellNumber(2, 1), 1.163 * (10 + 10.45 - 1) * 33, 1e-3);
    EXPECT_EQ(target->CellNumber(2, 3), -3.0f);   // rows below the sources stay
    EXPECT_EQ(target->CellNumber(1, 1), -1.0f);   // other columns stay
    EXPECT_EQ(target->RowCount(), 5);
    EXPECT_TRUE(target->Modified());
    EXPECT_EQ(settings.SimpleDestination, TableEntryText(*target));
}

TEST_F(CalcManagerTest, NothingComputableOrNothingChosenChangesNothing)
{
    TTable* names = MakeTable({QStringLiteral("station")}, 2, [](int, int) { return 1.0f; });
    ui.calcChoices = Simple({names});
    {
        CalcManager manager(settings, kinds, tables, ui);
        EXPECT_FALSE(manager.Calculate());
    }
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Przykro mi, ale nie możesz policzyć żadnego wskaźnika !"));

    TTable* weather = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 2, [](int, int) { return 1.0f; });
    ui.calcChoices = Simple({weather});
    ui.indices = Only({kind::WBGT});   // offered nothing of the kind: nothing remains chosen
    {
        CalcManager manager(settings, kinds, tables, ui);
        EXPECT_FALSE(manager.Calculate());
        EXPECT_EQ(manager.Destination(), nullptr);
    }
    EXPECT_EQ(ui.messages.back().text, QStringLiteral("Nie wybrałeś żadnego wskaźnika !"));
    EXPECT_TRUE(ui.offeredIndices[kind::WCI]);
    EXPECT_FALSE(ui.offeredIndices[kind::t]);   // inputs are never offered

    ui.indices.reset();
    ui.cancelIndices = true;
    {
        CalcManager manager(settings, kinds, tables, ui);
        EXPECT_FALSE(manager.Calculate());
    }
    EXPECT_EQ(tables.Count(), 2);   // no destination was made
    EXPECT_TRUE(settings.SimpleSources.isEmpty());
}

TEST_F(CalcManagerTest, TheLastSelectionIsOfferedAgain)
{
    TTable* weather = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 1, [](int, int) { return 1.0f; });
    ASSERT_NE(Calculate(Simple({weather}), Only({kind::WCT, kind::H})), nullptr);
    ui.calcChoices = Simple({weather});
    CalcManager manager(settings, kinds, tables, ui);
    ASSERT_TRUE(manager.Calculate());
    EXPECT_TRUE(ui.preselectedIndices[kind::WCT]);
    EXPECT_TRUE(ui.preselectedIndices[kind::H]);
    EXPECT_FALSE(ui.preselectedIndices[kind::WCI]);
}

TEST_F(CalcManagerTest, FirstRowIsAlwaysProcessed)
{
    CalcChoices choices;
    choices.Simple = false;
    choices.ComplexSources = {NoneText(), NoneText(), NoneText(), NoneText()};
    choices.ComplexDestination = NewTableText();
    TempHome withDefaults(QByteArray("[Defaults]\nWBGT=21\n"));
    DataManager defaults(CreateKind, withDefaults.IniPath(), QStringLiteral("PL"));
    ui.calcChoices = choices;
    ui.indices = Only({kind::WBGT});
    CalcManager manager(settings, defaults, tables, ui);
    ASSERT_TRUE(manager.Calculate());
    ASSERT_TRUE(manager.Run());
    EXPECT_EQ(manager.Destination()->RowCount(), 2);
    EXPECT_EQ(manager.Destination()->CellNumber(1, 1), 21.0f);
}

TEST_F(CalcManagerTest, AFileErrorEndsTheRunButKeepsTheRowsWritten)
{
    // The program directory of these kinds holds no WSI.INI. Rows without a weather type need no
    // file; row 2500 has one. Whatever the threads, the rows before it keep their results, and so
    // does the kind computed before the error in that row (WCI before WSI_SB).
    constexpr int Rows = 4000;
    constexpr int Failing = 2500;
    for (const int threads : {1, 3}) {
        TTable* source = MakeTable({QStringLiteral("t"), QStringLiteral("v"), QStringLiteral("Weather")}, Rows,
                                   [](int c, int) { return c == 1 ? -10.0f : 5.0f; });
        for (int r = 1; r <= Rows; ++r)
            source->SetCellText(3, r, r == Failing ? u"-1_2T1_010" : u"nonsense");
        ui.calcChoices = Simple({source});
        ui.indices = Only({kind::WCI, kind::WSI_SB});
        CalcManager manager(settings, kinds, tables, ui);
        manager.SetThreadCount(threads);
        ASSERT_TRUE(manager.Calculate());
        EXPECT_FALSE(manager.Run());
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_TRUE(ui.messages.back().text.contains(QStringLiteral("WSI.INI")));
        const TTable& destination = *manager.Destination();
        EXPECT_TRUE(destination.Modified());   // the rows written are results worth keeping
        int written = 0;
        for (int r = 1; r < destination.RowCount(); ++r)
            written += destination.CellData(1, r).NoValidValue ? 0 : 1;
        EXPECT_EQ(written, Failing) << threads << " threads";
    }
}

TEST_F(CalcManagerTest, CancellingEndsTheRunButKeepsTheRowsWritten)
{
    TTable* source = MakeTable({QStringLiteral("t"), QStringLiteral("v")}, 3000,
                               [](int c, int) { return c == 1 ? -10.0f : 5.0f; });
    ui.calcChoices = Simple({source});
    ui.indices = Only({kind::WCI});
    CalcManager manager(settings, kinds, tables, ui);
    ASSERT_TRUE(manager.Calculate());
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(manager.Run({}, &cancel));
    const TTable& destination = *manager.Destination();
    EXPECT_TRUE(destination.Modified());
    int written = 0;
    for (int r = 1; r < destination.RowCount(); ++r)
        written += destination.CellData(1, r).NoValidValue ? 0 : 1;
    EXPECT_GT(written, 0);
    EXPECT_LT(written, 3000);
}

TEST_F(CalcManagerTest, TheKindsTakenFromTheirDefaultsAreNamed)
{
    TempHome withDefaults(QByteArray("[Defaults]\nv=2\n[Typicals]\nt=0\n"));
    DataManager defaults(CreateKind, withDefaults.IniPath(), QStringLiteral("PL"));
    TTable* source = tables.NewTable();
    source->BindHeader(1, u"t", defaults);
    source->SetCellNumber(1, 1, -5.0f);
    ui.calcChoices = Simple({source});
    ui.indices = Only({kind::WCI});
    CalcManager manager(settings, defaults, tables, ui);
    ASSERT_TRUE(manager.Calculate()) << (ui.messages.empty() ? std::string() : ui.messages.back().text.toStdString());
    ASSERT_TRUE(manager.Run());
    EXPECT_TRUE(manager.FromDefaults()[kind::v]);   // no column gives the wind
    EXPECT_FALSE(manager.FromDefaults()[kind::t]);
    EXPECT_TRUE(manager.DefaultsReport().endsWith(QStringLiteral(": v"))) << manager.DefaultsReport().toStdString();
}

TEST_F(CalcManagerTest, AnalysisOfTemperatureAndWind)
{
    KindFlags possible{};
    EXPECT_GT(kinds.ComputePossible(Only({kind::t, kind::v}), possible), 0);
    for (const int id : {kind::WCI, kind::WCT, kind::SB, kind::H})
        EXPECT_TRUE(possible[std::size_t(id)]) << id;
    EXPECT_FALSE(possible[kind::WBGT]);   // needs the vapour pressure: from the dew point or a stored humidity
    EXPECT_FALSE(possible[kind::t]);
}

}   // namespace
