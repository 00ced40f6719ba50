#include "core/table/TableSet.h"

#include "core/data/DataManager.h"

#include <algorithm>

TableSet::TableSet(QObject* parent) : QObject(parent)
{ }

TableSet::~TableSet() = default;

TTable* TableSet::NewTable()
{
    int number = 1;
    while (FindTableByNumber(number))
        ++number;
    m_tables.push_back(std::make_unique<TTable>(number));
    TTable* table = m_tables.back().get();
    emit tableAdded(table);
    return table;
}

void TableSet::Close(TTable* table)
{
    const auto found = std::find_if(m_tables.begin(), m_tables.end(),
                                    [table](const std::unique_ptr<TTable>& open) { return open.get() == table; });
    if (found == m_tables.end())
        return;
    emit tableAboutToClose(table);
    m_tables.erase(found);
}

TTable* TableSet::FindTableByNumber(int n) const
{
    for (const auto& table : m_tables)
        if (table->TableNumber() == n)
            return table.get();
    return nullptr;
}

void TableSet::RefreshColumnKinds(bool namesChanged, bool rangesChanged, DataManager& kinds, UserInterface& ui)
{
    for (const auto& table : m_tables)
        table->RefreshColumnKinds(namesChanged, rangesChanged, kinds, ui);
    for (int id = 0; id < kind::Count; ++id)
        kinds.GetById(id)->Marked = false;
}

void TableSet::ReplaceDecimalSeparator(QChar from, QChar to)
{
    for (const auto& table : m_tables)
        table->ReplaceDecimalSeparator(from, to);
}
