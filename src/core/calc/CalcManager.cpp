#include "core/calc/CalcManager.h"

#include "core/base/FileError.h"
#include "core/base/OrderedBlocks.h"
#include "core/base/UserInterface.h"
#include "core/data/DataManager.h"
#include "core/table/TableSet.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated in the context "CalcManager".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CalcManager)
};

// The rows evaluated as one block: how often the progress is told and a cancel looked for.
constexpr int ProgressInterval = 1024;

}   // namespace

CalcManager::CalcManager(CalcSettings& settings, DataManager& kinds, TableSet& tables, UserInterface& ui)
    : m_settings(settings), m_kinds(kinds), m_threadCount(ordered_blocks::Threads()), m_tables(tables), m_ui(ui)
{ }

bool CalcManager::Calculate()
{
    const std::optional<CalcChoices> choices = m_ui.ChooseCalculation(m_settings);
    if (!choices)
        return false;
    ReadChoices(*choices);
    KindFlags possible{};
    if (!CountPossible(possible)) {
        m_ui.ShowMessage(Texts::tr("Przykro mi, ale nie możesz policzyć żadnego wskaźnika !"),
                         UserInterface::Icon::Error);
        return false;
    }
    const std::optional<KindFlags> chosen = m_ui.ChooseIndices(possible, m_settings.LastSelection);
    if (!chosen)
        return false;
    bool any = false;
    for (std::size_t id = 0; id < possible.size(); ++id) {
        possible[id] = possible[id] && (*chosen)[id];
        any = any || possible[id];
    }
    if (!any) {
        m_ui.ShowMessage(Texts::tr("Nie wybrałeś żadnego wskaźnika !"), UserInterface::Icon::Error);
        return false;
    }
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        m_routes[std::size_t(id)].Selected = possible[std::size_t(id)];
        m_settings.LastSelection[std::size_t(id)] = possible[std::size_t(id)];
    }
    if (!DestinationFits())
        return false;
    if (!m_destination)
        m_destination = m_tables.NewTable();
    PrepareDestination();
    SaveChoices(*choices);
    return true;
}

void CalcManager::TakeKindsFrom(TTable& table, int priority)
{
    for (int c = 1; c < table.ColCount(); ++c) {
        const TAbstractData* data = table.ColumnKind(c);
        if (!data || data->Id >= kind::ListedCount)
            continue;
        KindRoute& route = m_routes[std::size_t(data->Id)];
        if (route.Found)
            continue;
        route.SourceTable = &table;
        route.SourceColumn = c;
        route.Found = true;
        route.Priority = priority;
    }
}

void CalcManager::ReadChoices(const CalcChoices& choices)
{
    m_simpleMode = choices.Simple;
    QString destination;
    if (choices.Simple) {
        for (const QString& entry : choices.SimpleSources)
            if (TTable* table = m_tables.FindTableByNumber(TableNumberOfEntry(entry)))
                TakeKindsFrom(*table, 0);
        destination = choices.SimpleDestination;
    } else {
        for (int p = 0; p < PriorityCount; ++p) {
            const QString& source = choices.ComplexSources[std::size_t(p)];
            TTable* table = source == NoneText() ? nullptr : m_tables.FindTableByNumber(TableNumberOfEntry(source));
            if (!table)
                continue;
            TakeKindsFrom(*table, p);
            const QString& description = choices.ComplexDescriptions[std::size_t(p)];
            const int column = table->ColumnIndexOf(description);
            m_descrSources[std::size_t(p)] = {table, column > 0 ? column : -1};
            m_descrColumnNames[std::size_t(p)] = description;
            m_descrModes[std::size_t(p)] = description.isEmpty() || description == NoneText() ? NoDescription
                : description == RowNumberText()                                              ? RowDescription
                                                                                              : ColumnDescription;
        }
        destination = choices.ComplexDestination;
    }
    m_newDestination = destination == NewTableText();
    m_destination = m_newDestination ? nullptr : m_tables.FindTableByNumber(TableNumberOfEntry(destination));
    CountSourceRows();
}

void CalcManager::CountSourceRows()
{
    m_rowCounts.fill(0);
    for (const KindRoute& route : m_routes)
        if (route.Found)
            m_rowCounts[std::size_t(route.Priority)] = std::max(m_rowCounts[std::size_t(route.Priority)],
                                                                route.SourceTable->RowCount() - 1);
}

qint64 CalcManager::RowsNeeded() const
{
    if (m_simpleMode)
        return std::max(m_rowCounts[0], 1);
    // At most four factors below 2^31 each: the product is computed where it cannot wrap and stops
    // growing once it is beyond any table.
    qint64 needed = 1;
    for (const int rows : m_rowCounts)
        needed = std::min(needed * std::max(rows, 1), TTable::MaxCells + 1);
    return needed;
}

bool CalcManager::DestinationFits() const
{
    // The columns are counted as if none of the results and descriptions found its column already.
    qint64 columns = m_destination ? m_destination->ColCount() - 1 : 0;
    for (const KindRoute& route : m_routes)
        columns += route.Selected ? 1 : 0;
    for (const int mode : m_descrModes)
        columns += mode != NoDescription ? 1 : 0;
    const qint64 rows = std::max<qint64>(RowsNeeded(), m_destination ? m_destination->RowCount() - 1 : 1);
    if (TTable::SizeAllowed(columns, rows))
        return true;
    m_ui.ShowMessage(TTable::TooLargeMessage(columns, rows), UserInterface::Icon::Error);
    return false;
}

bool CalcManager::CountPossible(KindFlags& possible) const
{
    KindFlags have{};
    for (std::size_t id = 0; id < have.size(); ++id)
        have[id] = m_routes[id].Found;
    return m_kinds.ComputePossible(have, possible) > 0;
}

int CalcManager::DestinationColumn(const QString& name, TAbstractData* kind, bool reheadFound)
{
    if (const int found = m_destination->ColumnIndexOf(name); found >= 1) {
        if (reheadFound)
            m_destination->SetColumnHeader(found, name, kind);
        return found;
    }
    if (m_firstColumnFree) {
        m_firstColumnFree = false;
        m_destination->SetColumnHeader(1, name, kind);
        return 1;
    }
    return m_destination->AddColumn(name, kind);
}

void CalcManager::PrepareDestination()
{
    m_firstColumnFree = m_newDestination;
    for (int p = 0; p < PriorityCount; ++p) {
        ColumnRef& target = m_descrTargets[std::size_t(p)];
        target = {m_destination, -1};
        if (m_descrModes[std::size_t(p)] == RowDescription) {
            target.Column = DestinationColumn(QStringLiteral("Group") + QString::number(p), nullptr, true);
        } else if (m_descrModes[std::size_t(p)] == ColumnDescription) {
            const QString& name = m_descrColumnNames[std::size_t(p)];
            target.Column = DestinationColumn(name, m_kinds.FindByName(name), true);
        }
    }
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        KindRoute& route = m_routes[std::size_t(id)];
        if (!route.Selected)
            continue;
        TAbstractData* data = m_kinds.GetById(id);
        route.DestTable = m_destination;
        route.DestColumn = DestinationColumn(data->Name, data, false);
    }

    const int needed = int(RowsNeeded());
    const int dataRows = m_destination->RowCount() - 1;
    if (needed > dataRows)
        m_destination->AppendRows(needed - dataRows);

    m_firstResultColumn = 10000;
    for (const KindRoute& route : m_routes)
        if (route.Selected)
            m_firstResultColumn = std::min(m_firstResultColumn, route.DestColumn);
}

void CalcManager::SaveChoices(const CalcChoices& choices)
{
    const auto remembered = [this](const QString& destination) {
        return destination == NewTableText() ? NewTableEntryText(m_destination->TableNumber()) : destination;
    };
    if (choices.Simple) {
        m_settings.SimpleSources = choices.SimpleSources;
        m_settings.SimpleDestination = remembered(choices.SimpleDestination);
    } else {
        m_settings.ComplexSources = choices.ComplexSources;
        m_settings.ComplexDescriptions = choices.ComplexDescriptions;
        m_settings.ComplexDestination = remembered(choices.ComplexDestination);
    }
}

float CalcManager::SourceValue(int id, int row) const
{
    const KindRoute& route = m_routes[std::size_t(id)];
    return route.SourceTable->CellNumber(route.SourceColumn, row);
}

std::array<int, PriorityCount> CalcManager::SourceRows(int destinationRow) const
{
    if (m_simpleMode)
        return {destinationRow, destinationRow, destinationRow, destinationRow};
    std::array<int, PriorityCount> rows{};
    int rest = destinationRow - 1;
    for (int p = PriorityCount - 1; p >= 0; --p) {
        const int count = std::max(m_rowCounts[std::size_t(p)], 1);
        rows[std::size_t(p)] = rest % count + 1;
        rest /= count;
    }
    return rows;
}

void CalcManager::EvaluateRow(EvaluationState& row, int destinationRow, Block& block) const
{
    const std::array<int, PriorityCount> rows = SourceRows(destinationRow);
    const bool log = m_kinds.LogEnabled;
    if (log)
        m_kinds.LogNewRow();
    row.ResetAll();
    for (const int id : m_sourced)
        row.SetFromSource(id, SourceValue(id, rows[std::size_t(m_routes[std::size_t(id)].Priority)]));
    for (const int id : m_selected) {
        if (log)
            m_kinds.LogCalculating(QStringLiteral("+-+-+-+-+-+-+-+-"));
        block.Values.push_back(row.Input(id));
    }
    for (const int id : row.Defaulted())
        if (id < kind::ListedCount)
            block.FromDefaults[std::size_t(id)] = true;
}

void CalcManager::EvaluateBlock(EvaluationState& row, int first, int count, Block& block) const
{
    block.FirstRow = first;
    block.Values.clear();
    block.FromDefaults = {};
    block.Failed = false;
    try {
        for (int r = first; r < first + count; ++r)
            EvaluateRow(row, r, block);
    } catch (const FileError& error) {
        block.Failed = true;
        block.Error = error.Message();
    }
}

void CalcManager::WriteBlock(const Block& block)
{
    const std::size_t kinds = m_selected.size();
    for (std::size_t i = 0; i < block.Values.size(); ++i) {
        const KindRoute& route = m_routes[std::size_t(m_selected[i % kinds])];
        route.DestTable->SetCellNumber(route.DestColumn, block.FirstRow + int(i / kinds), block.Values[i]);
    }
    const int rowsDone = int(block.Values.size() / kinds);
    for (int r = block.FirstRow; r < block.FirstRow + rowsDone; ++r)
        WriteDescriptions(r);
    for (std::size_t id = 0; id < m_fromDefaults.size(); ++id)
        m_fromDefaults[id] = m_fromDefaults[id] || block.FromDefaults[id];
}

void CalcManager::WriteDescriptions(int destinationRow)
{
    if (m_simpleMode)
        return;
    const std::array<int, PriorityCount> rows = SourceRows(destinationRow);
    for (int p = 0; p < PriorityCount; ++p) {
        const ColumnRef& target = m_descrTargets[std::size_t(p)];
        const ColumnRef& source = m_descrSources[std::size_t(p)];
        const int row = rows[std::size_t(p)];
        if (m_descrModes[std::size_t(p)] == RowDescription)
            target.Table->SetCellNumber(target.Column, destinationRow, float(row));
        else if (m_descrModes[std::size_t(p)] == ColumnDescription)
            target.Table->CopyCellFrom(target.Column, destinationRow, *source.Table, source.Column, row);
    }
}

int CalcManager::RunThreads() const
{
    if (m_kinds.LogEnabled)
        return 1;
    if (!m_simpleMode)
        for (const KindRoute& route : m_routes)
            if (route.Found && route.SourceTable == m_destination)
                return 1;
    return m_threadCount;
}

QString CalcManager::DefaultsReport() const
{
    QStringList names;
    for (int id = 0; id < kind::ListedCount; ++id)
        if (m_fromDefaults[std::size_t(id)])
            names << m_kinds.GetById(id)->Name;
    if (names.isEmpty())
        return {};
    return Texts::tr("Wartości domyślne zamiast danych z tabel (w co najmniej jednym wierszu): %1")
        .arg(names.join(QStringLiteral(", ")));
}

bool CalcManager::Run(const CalcProgress& progress, const std::atomic<bool>* cancel)
{
    m_selected.clear();
    m_sourced.clear();
    for (int id = 0; id < kind::ListedCount; ++id) {
        if (m_routes[std::size_t(id)].Found)
            m_sourced.push_back(id);
        if (id >= kind::FirstComputed && m_routes[std::size_t(id)].Selected)
            m_selected.push_back(id);
    }
    const int total = int(RowsNeeded());
    const int threads = RunThreads();
    std::vector<ordered_blocks::PerThread<EvaluationState>> states(std::size_t(threads), {EvaluationState{m_kinds}});
    std::vector<ordered_blocks::PerThread<Block>> blocks(std::size_t(ordered_blocks::SlotCount(threads)));
    const int blockCount = (total + ProgressInterval - 1) / ProgressInterval;

    bool completed = true;
    {
        TableUpdate update(*m_destination);
        const auto compute = [&](int index, int slot, int worker) {
            const int first = index * ProgressInterval + 1;
            EvaluateBlock(states[std::size_t(worker)].value, first, std::min(ProgressInterval, total - first + 1),
                          blocks[std::size_t(slot)].value);
        };
        const auto commit = [&](int index, int slot) {
            const Block& block = blocks[std::size_t(slot)].value;
            WriteBlock(block);
            if (block.Failed) {
                completed = false;
                m_ui.ShowMessage(block.Error, UserInterface::Icon::Error);
                return false;
            }
            const int done = std::min((index + 1) * ProgressInterval, total);
            if (done == total)
                return true;
            if (progress)
                progress(done, total);
            if (cancel && cancel->load(std::memory_order_relaxed)) {
                completed = false;
                return false;
            }
            return true;
        };
        ordered_blocks::Run(blockCount, threads, compute, commit);
    }
    if (progress)
        progress(total, total);
    m_destination->SetModified(true);
    return completed;
}
