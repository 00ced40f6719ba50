#pragma once

#include "core/base/Catalogue.h"
#include "core/calc/CalcChoices.h"
#include "core/data/EvaluationState.h"

#include <QString>

#include <algorithm>
#include <array>
#include <atomic>
#include <functional>
#include <vector>

class DataManager;
class TAbstractData;
class TableSet;
class TTable;
class UserInterface;

// Where a kind comes from and where its results go.
struct KindRoute
{
    TTable* SourceTable = nullptr;
    int SourceColumn = 0;
    TTable* DestTable = nullptr;
    int DestColumn = 0;
    bool Found = false;      // the kind was found in a source table
    bool Selected = false;   // the kind is to be computed and written
    int Priority = 0;        // rank of its source, 0 (highest) … 3; 0 in the simple way
};

// Told now and then how far a calculation has come: rows done and rows in all.
using CalcProgress = std::function<void(int done, int total)>;

// The calculation engine: takes the kinds from the source tables (simple way: tables in a list,
// rows matched by number; complex way: up to four tables by priority, every combination of their
// rows), prepares one destination column per chosen index and evaluates every row. Lives for one
// calculation command.
class CalcManager
{
public:
    CalcManager(CalcSettings& settings, DataManager& kinds, TableSet& tables, UserInterface& ui);

    // The calculation command up to the evaluation: the set-up and the choice of indices through
    // the user interface, the destination prepared and the settings stored. True when Run is due.
    bool Calculate();
    // Evaluates every destination row and writes the results, then marks the destination modified.
    // An error raised inside a formula (a missing file) ends the calculation at that row and is
    // shown to the user; the rows already written stay. So does `cancel` when it becomes true
    // (checked every thousand rows or so; another thread may set it). False when it ended so.
    // The rows are evaluated on ThreadCount threads, each with its own evaluation state; the results
    // are written in row order on the calling thread and are the same for any count of threads.
    bool Run(const CalcProgress& progress = {}, const std::atomic<bool>* cancel = nullptr);

    // Threads that evaluate rows: all the machine's cores unless set (at least one). A run takes one
    // thread only while the calculation log is kept (its lines follow the rows), and in the complex
    // way when the destination is one of the sources (a row may read a result written before it).
    int ThreadCount() const { return m_threadCount; }
    void SetThreadCount(int threads) { m_threadCount = std::max(threads, 1); }

    // The steps of Calculate, in the order it takes them.
    void ReadChoices(const CalcChoices& choices);
    bool CountPossible(KindFlags& possible) const;
    // Rows the destination needs: a source's rows in the simple way, every combination of the
    // priorities' rows in the complex way (a priority without rows or without a kind counts as one).
    qint64 RowsNeeded() const;
    // Whether the destination can take the chosen results; says why not through the user interface.
    // Nothing is touched before it is known.
    bool DestinationFits() const;
    void PrepareDestination();
    void SaveChoices(const CalcChoices& choices);
    // The value of a kind in a row of its source: NoValue for an empty or invalid cell or a row
    // beyond the end of the table; out-of-range values are used.
    float SourceValue(int id, int row) const;

    // The kinds whose default stood in for a value in at least one row of the run: neither a
    // source table nor the kind's formula gave one. What the user is told of them; empty for none.
    const KindFlags& FromDefaults() const { return m_fromDefaults; }
    QString DefaultsReport() const;

    TTable* Destination() const { return m_destination; }
    bool NewDestination() const { return m_newDestination; }
    bool SimpleMode() const { return m_simpleMode; }
    int FirstResultColumn() const { return m_firstResultColumn; }
    const std::array<KindRoute, kind::ListedCount>& Routes() const { return m_routes; }
    // Selects a kind 23…94 for calculation (what the index selection decides).
    void Select(int id, bool selected) { m_routes[std::size_t(id)].Selected = selected; }

private:
    enum DescriptionMode
    {
        NoDescription = 0,
        RowDescription = 1,
        ColumnDescription = 2
    };
    struct ColumnRef
    {
        TTable* Table = nullptr;
        int Column = -1;
    };
    // The results of a block of consecutive destination rows, before they are written.
    struct Block
    {
        int FirstRow = 0;            // destination row of the first result
        std::vector<float> Values;   // the chosen kinds' results, row after row
        KindFlags FromDefaults{};    // of the rows evaluated to the end
        QString Error;               // a formula's error ended the block; Values stop there
        bool Failed = false;
    };

    void TakeKindsFrom(TTable& table, int priority);
    void CountSourceRows();
    int DestinationColumn(const QString& name, TAbstractData* kind, bool reheadFound);
    // The source rows of destination row `destinationRow`: the row itself in the simple way, the
    // combination the complex way gives it (the lowest priority varies fastest).
    std::array<int, PriorityCount> SourceRows(int destinationRow) const;
    int RunThreads() const;
    void EvaluateBlock(EvaluationState& row, int first, int count, Block& block) const;
    void EvaluateRow(EvaluationState& row, int destinationRow, Block& block) const;
    void WriteBlock(const Block& block);
    void WriteDescriptions(int destinationRow);

    CalcSettings& m_settings;
    DataManager& m_kinds;
    KindFlags m_fromDefaults{};
    std::vector<int> m_selected;   // the kinds computed, in identifier order
    std::vector<int> m_sourced;    // the kinds a source table gives, in identifier order
    int m_threadCount;
    TableSet& m_tables;
    UserInterface& m_ui;
    TTable* m_destination = nullptr;
    std::array<KindRoute, kind::ListedCount> m_routes{};
    bool m_simpleMode = true;
    bool m_newDestination = false;
    bool m_firstColumnFree = false;
    std::array<int, PriorityCount> m_rowCounts{};
    std::array<ColumnRef, PriorityCount> m_descrTargets{};
    std::array<ColumnRef, PriorityCount> m_descrSources{};
    std::array<QString, PriorityCount> m_descrColumnNames{};
    std::array<int, PriorityCount> m_descrModes{};
    int m_firstResultColumn = 10000;
};
