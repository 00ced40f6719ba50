#include "gui/table/TableUndo.h"

#include "core/table/Table.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

// A recorded change of a table. It was made while it was recorded, so pushing it does nothing.
class TableChange : public QUndoCommand
{
public:
    TableChange(TTable& table, const QString& what, TableJournal&& journal)
        : QUndoCommand(what), m_table(table), m_journal(std::move(journal))
    { }

    qint64 Bytes() const { return m_journal.Bytes(); }

    void undo() override { m_journal = m_table.Revert(std::move(m_journal)); }
    void redo() override
    {
        if (m_made)
            m_journal = m_table.Revert(std::move(m_journal));
        m_made = true;
    }

private:
    TTable& m_table;
    TableJournal m_journal;   // what takes this step back (after an undo: what makes it again)
    bool m_made = false;
};

}   // namespace

TableUndo::TableUndo(TTable& table, QObject* parent) : QObject(parent), m_table(table), m_stack(new QUndoStack(this))
{
    m_stack->setUndoLimit(UndoLimit);
    connect(m_stack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (!m_recording)
            m_table.SetModified(!clean);
    });
    connect(&table, &TTable::modifiedChanged, this, &TableUndo::ModifiedChanged);
}

TableUndo::~TableUndo() = default;

void TableUndo::ModifiedChanged(bool modified)
{
    if (m_recording)
        return;
    // Saved: this state is the clean one. Changed without being recorded: no step leads back to
    // the saved state any more.
    if (!modified)
        m_stack->setClean();
    else if (m_stack->isClean())
        m_stack->resetClean();
}

void TableUndo::Change(const QString& what, const std::function<void()>& change)
{
    const UndoStep step({this}, what);
    change();
}

void TableUndo::Begin()
{
    if (m_depth++ > 0)
        return;
    m_journal = std::make_unique<TableJournal>();
    m_recording = std::make_unique<TableRecording>(m_table, *m_journal);
}

void TableUndo::MakeRoom(qint64 bytes)
{
    for (int i = 0; i < m_stack->count(); ++i)
        bytes += static_cast<const TableChange*>(m_stack->command(i))->Bytes();
    if (bytes <= UndoBytes)
        return;
    // Clearing makes the stack clean; it stays so only when the table was at its saved state.
    const bool clean = m_stack->isClean();
    m_stack->clear();
    if (!clean)
        m_stack->resetClean();
}

void TableUndo::End(const QString& what)
{
    if (--m_depth > 0)
        return;
    if (!m_journal->IsEmpty())
        MakeRoom(m_journal->Bytes());
    m_recording.reset();
    const std::unique_ptr<TableJournal> journal = std::move(m_journal);
    if (journal->IsEmpty()) {
        ModifiedChanged(m_table.Modified());
        return;
    }
    // A change the table was not marked modified by (a file loaded in place of the table's
    // contents) leaves the table as clean as it is.
    const bool unmarked = !m_table.Modified();
    m_stack->push(new TableChange(m_table, what, std::move(*journal)));
    if (unmarked)
        m_stack->setClean();
}

UndoStep::UndoStep(std::vector<TableUndo*> undos, QString what) : m_undos(std::move(undos)), m_what(std::move(what))
{
    for (TableUndo* undo : m_undos)
        undo->Begin();
}

UndoStep::~UndoStep()
{
    for (TableUndo* undo : m_undos)
        undo->End(m_what);
}
