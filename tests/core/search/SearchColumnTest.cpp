#include "support/TestSupport.h"

#include "core/search/SearchColumn.h"
#include "core/table/TableSet.h"

#include <gtest/gtest.h>

namespace {

const QString NotFound = QStringLiteral("Kolumna o podanej nazwie nie została znaleziona w żadnej tabeli !");

class SearchColumnTest : public testing::Test
{
protected:
    TableSet tables;
    ScriptedUi ui;

    TTable* Table(const QStringList& names)
    {
        TTable* table = tables.NewTable();
        table->SetColCount(int(names.size()) + 1);
        for (int c = 1; c <= names.size(); ++c)
            table->SetColumnHeader(c, names[c - 1], nullptr);
        return table;
    }
};

TEST_F(SearchColumnTest, SearchAgainAlternatesBetweenTables)
{
    TTable* first = Table({QStringLiteral("a"), QStringLiteral("t")});
    TTable* second = Table({QStringLiteral("t"), QStringLiteral("b")});
    TTable* active = first;
    int col = 1;
    std::vector<std::pair<TTable*, int>> found;
    for (int i = 0; i < 4; ++i) {
        const std::optional<TFoundColumn> hit = SearchColumn(tables, *active, col, QStringLiteral("t"), ui);
        ASSERT_TRUE(hit);
        found.emplace_back(hit->Table, hit->Col);
        active = hit->Table;
        col = hit->Col;
    }
    EXPECT_EQ(found, (std::vector<std::pair<TTable*, int>>{{first, 2}, {second, 1}, {first, 2}, {second, 1}}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SearchColumnTest, WholeNameIgnoringCase)
{
    TTable* table = Table({QStringLiteral("x"), QStringLiteral("t"), QStringLiteral("y")});
    const std::optional<TFoundColumn> hit = SearchColumn(tables, *table, 3, QStringLiteral("T"), ui);
    ASSERT_TRUE(hit);   // past the last column: round to the active table's first columns
    EXPECT_EQ(hit->Col, 2);
    // The lone match is the current column: found again by the final scan.
    EXPECT_EQ(SearchColumn(tables, *table, 2, QStringLiteral("t"), ui)->Col, 2);

    EXPECT_FALSE(SearchColumn(tables, *table, 1, QStringLiteral("t "), ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, NotFound);
    EXPECT_EQ(ui.messages[0].icon, UserInterface::Icon::Error);
}

TEST_F(SearchColumnTest, EveryOtherTableFromItsFirstColumn)
{
    TTable* first = Table({QStringLiteral("v"), QStringLiteral("x")});
    Table({QStringLiteral("y")});
    TTable* third = Table({QStringLiteral("v"), QStringLiteral("v")});
    // From the third table's last column: wrap to the first table, skipping nothing there.
    const std::optional<TFoundColumn> hit = SearchColumn(tables, *third, 2, QStringLiteral("v"), ui);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Table, first);
    EXPECT_EQ(hit->Col, 1);
    EXPECT_FALSE(SearchColumn(tables, *third, 2, QStringLiteral("none"), ui));
}

}   // namespace
