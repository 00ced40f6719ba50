#pragma once

#include "core/table/Table.h"

#include <QObject>

#include <memory>
#include <vector>

class DataManager;
class UserInterface;

// The open tables, in the order they were opened. Owns them; a new table takes the smallest number
// that no open table uses.
class TableSet : public QObject
{
    Q_OBJECT

public:
    explicit TableSet(QObject* parent = nullptr);
    ~TableSet() override;

    TTable* NewTable();
    void Close(TTable* table);

    int Count() const { return int(m_tables.size()); }
    TTable* At(int index) const { return m_tables[std::size_t(index)].get(); }
    // The open table numbered n, or none.
    TTable* FindTableByNumber(int n) const;

    // The data options changed: every table refreshes its columns, then the kinds' marks are cleared.
    void RefreshColumnKinds(bool namesChanged, bool rangesChanged, DataManager& kinds, UserInterface& ui);
    // The program's decimal separator changed from `from` to `to`.
    void ReplaceDecimalSeparator(QChar from, QChar to);

signals:
    void tableAdded(TTable* table);
    void tableAboutToClose(TTable* table);

private:
    std::vector<std::unique_ptr<TTable>> m_tables;
};
