#include "core/calc/CalcManager.h"

#include "core/base/FileError.h"
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

// How often the progress is told, in rows.
constexpr int ProgressInterval = 1024;

}   // namespace

CalcManager::CalcManager(CalcSettings& settings, DataManager& kinds, TableSet& tables, UserInterface& ui)
    : m_settings(settings), m_kinds(kinds), m_row(kinds), m_tables(tables), m_ui(ui)
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

void CalcManager::RunRow(int destinationRow, const std::array<int, PriorityCount>& rows)
{
    m_kinds.LogNewRow();
    m_row.ResetAll();
    for (int id = 0; id < kind::ListedCount; ++id) {
        const KindRoute& route = m_routes[std::size_t(id)];
        if (route.Found)
            m_row.SetFromSource(id, SourceValue(id, rows[std::size_t(route.Priority)]));
    }
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        const KindRoute& route = m_routes[std::size_t(id)];
        if (!route.Selected)
            continue;
        m_kinds.LogCalculating(QStringLiteral("+-+-+-+-+-+-+-+-"));
        const float value = m_row.Input(id);
        route.DestTable->SetCellNumber(route.DestColumn, destinationRow, value);
    }
    for (int id = 0; id < kind::ListedCount; ++id)
        if (m_row.State(id).FromDefault)
            m_fromDefaults[std::size_t(id)] = true;
    if (m_simpleMode)
        return;
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
    std::array<int, PriorityCount> rows{1, 1, 1, 1};
    int destinationRow = 1;
    const int total = int(RowsNeeded());

    bool completed = true;
    {
        TableUpdate update(*m_destination);
        try {
            for (int done = 1;; ++done) {
                RunRow(m_simpleMode ? rows[0] : destinationRow, rows);
                if (done % ProgressInterval == 0) {
                    if (progress)
                        progress(done, total);
                    if (cancel && cancel->load(std::memory_order_relaxed)) {
                        completed = false;
                        break;
                    }
                }
                if (m_simpleMode) {
                    ++rows[0];
                } else {
                    // An odometer: the lowest priority varies fastest, and a priority carries into the
                    // next higher one only when it runs over (one without rows counts as one row).
                    ++destinationRow;
                    for (int p = PriorityCount - 1; p > 0; --p) {
                        if (++rows[std::size_t(p)] <= std::max(m_rowCounts[std::size_t(p)], 1))
                            break;
                        rows[std::size_t(p)] = 1;
                        if (p == 1)
                            ++rows[0];
                    }
                }
                if (rows[0] > std::max(m_rowCounts[0], 1))
                    break;
            }
        } catch (const FileError& error) {
            completed = false;
            m_ui.ShowMessage(error.Message(), UserInterface::Icon::Error);
        }
    }
    if (progress)
        progress(total, total);
    m_destination->SetModified(true);
    return completed;
}
