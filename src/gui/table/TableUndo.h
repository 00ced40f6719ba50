#pragma once

#include "core/table/TableJournal.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QUndoStack;
class TTable;

// The undo stack of one table. A change is recorded while it is made (a TableJournal attached to the
// table) and becomes one step; undoing a step takes the recorded change back, redoing makes it again.
// The table's modified marker follows the stack: clean at the state last saved or loaded.
//
// Memory: at most UndoLimit steps are kept, and each step holds only what its change overwrote or
// removed (about 12 bytes a cell plus the texts kept in those cells; cells of rows and columns the
// change appended are not held), never a copy of the rest of the table. The steps of one table hold
// at most about UndoBytes (a step that would go beyond it drops the steps before it), so that
// repeated large changes of the largest table (about 1 GB of cells) cannot fill the memory.
class TableUndo : public QObject
{
    Q_OBJECT

public:
    static constexpr int UndoLimit = 50;
    static constexpr qint64 UndoBytes = qint64(1) << 30;

    TableUndo(TTable& table, QObject* parent = nullptr);
    ~TableUndo() override;

    QUndoStack* Stack() const { return m_stack; }
    // Runs `change` and makes what it did to the table one step called `what` ("wklejanie").
    void Change(const QString& what, const std::function<void()>& change);

    // Recording by hand, for a change that may touch several tables (UndoStep). A change begun while
    // another is being recorded (the in-place editor handing over its text when a command's dialog
    // takes the focus) is part of that one.
    void Begin();
    void End(const QString& what);

private:
    void ModifiedChanged(bool modified);
    // Drops the steps kept so far when they and `bytes` more would hold more than UndoBytes.
    void MakeRoom(qint64 bytes);

    TTable& m_table;
    QUndoStack* m_stack;
    std::unique_ptr<TableJournal> m_journal;   // while a change is being recorded
    std::unique_ptr<TableRecording> m_recording;
    int m_depth = 0;   // changes begun and not ended
};

// One step called `what` on each of these stacks (for the tables the change touched) from its
// construction to its destruction.
class UndoStep
{
public:
    UndoStep(std::vector<TableUndo*> undos, QString what);
    ~UndoStep();
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

private:
    std::vector<TableUndo*> m_undos;
    QString m_what;
};
