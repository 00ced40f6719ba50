#include "core/table/Table.h"

#include "core/base/UserInterface.h"
#include "core/data/AbstractData.h"
#include "core/data/DataManager.h"

#include <algorithm>
#include <cmath>

namespace {

const QString EmptyText;

}   // namespace

TTable::TTable(int tableNumber, QObject* parent) : QObject(parent), m_tableNumber(tableNumber)
{
    m_columns.resize(1);
    m_columns[0].cells.resize(1);
    m_labels.push_back(1);
    m_caption = tr("Tabela ") + QString::number(tableNumber);
}

TTable::~TTable() = default;

bool TTable::SizeAllowed(qint64 dataColumns, qint64 dataRows)
{
    return dataColumns >= 0 && dataRows >= 0 && dataColumns <= MaxColumns && dataRows <= MaxCells
        && dataColumns * dataRows <= MaxCells;
}

QString TTable::TooLargeMessage(qint64 dataColumns, qint64 dataRows)
{
    return tr("Tabela byłaby za duża (%1 kolumn, %2 wierszy): tabela może mieć najwyżej %3 kolumn i %4 komórek !")
        .arg(dataColumns)
        .arg(dataRows)
        .arg(MaxColumns)
        .arg(MaxCells);
}

QString TTable::NumberedText(int tableNumber, const QString& fileName)
{
    return QString::asprintf(tr("Tabela %2d (%s)").toUtf8().constData(), tableNumber, fileName.toUtf8().constData());
}

void TTable::BindFile(const QString& path)
{
    m_fileName = path;
    m_fileReadOnly = false;
    // The caption is written anew; a table with unsaved changes keeps showing its marker.
    QString caption = NumberedText(m_tableNumber, path);
    if (m_modified)
        caption += QStringLiteral(" (*)");
    SetCaption(caption);
}

void TTable::SetModified(bool flag)
{
    const bool changed = m_modified != flag;
    m_modified = flag;
    const bool marked = m_caption.size() >= 2 && m_caption[m_caption.size() - 2] == QLatin1Char('*');
    if (flag && !marked)
        SetCaption(m_caption + QStringLiteral(" (*)"));
    else if (!flag && marked)
        SetCaption(m_caption.chopped(4));
    if (changed)
        emit modifiedChanged(flag);
}

void TTable::SetCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged(m_caption);
}

const QString& TTable::HeaderText(int c) const
{
    return c >= 1 && c < ColCount() ? ColumnAt(c).name : EmptyText;
}

TAbstractData* TTable::ColumnKind(int c) const
{
    return c >= 1 && c < ColCount() ? ColumnAt(c).kind : nullptr;
}

void TTable::SetHeader(int c, const QString& name, TAbstractData* kind)
{
    if (!Changeable(c, 1, 1))
        return;
    RecordHeader(c);
    Column& column = ColumnAt(c);
    column.name = name;
    column.kind = kind;
    HeadersChanged(c, c);
}

void TTable::SetColumnHeader(int c, const QString& name, TAbstractData* kind)
{
    SetHeader(c, name, kind);
    SetModified(true);
}

void TTable::BindHeader(int c, QStringView name, const DataManager& kinds)
{
    name = TrimControl(name);
    if (TAbstractData* kind = kinds.FindByName(name))
        SetHeader(c, kind->Name, kind);
    else
        SetHeader(c, name.toString(), nullptr);
}

QString TTable::RowLabel(int r) const
{
    if (r < 1 || r >= RowCount() || m_labels[std::size_t(r - 1)] == 0)
        return QString();
    return QString::number(m_labels[std::size_t(r - 1)]);
}

void TTable::SetRowLabel(int r)
{
    if (!Changeable(1, r, r))
        return;
    RecordLabels(r, r);
    m_labels[std::size_t(r - 1)] = r;
    LabelsChanged(r, r);
}

void TTable::SetRowLabels(int first, int last)
{
    if (last < first || !Changeable(1, first, last))
        return;
    RecordLabels(first, last);
    for (int r = first; r <= last; ++r)
        m_labels[std::size_t(r - 1)] = r;
    LabelsChanged(first, last);
}

QString TTable::DisplayText(int c, int r) const
{
    if (r == 0)
        return HeaderText(c);
    if (c == 0)
        return RowLabel(r);
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount())
        return QString();
    const Column& column = ColumnAt(c);
    const StoredCell& cell = column.cells[std::size_t(r - 1)];
    if (cell.decimals >= 0)
        return FormatNumber(cell.value.Number, cell.decimals);
    return column.texts.empty() ? QString() : column.texts[std::size_t(r - 1)];
}

QString TTable::EditText(int c, int r) const
{
    const TAbstractData* kind = ColumnKind(c);
    const TCellData& cell = CellData(c, r);
    if (TTable::GivesShownText(kind, cell))
        return DisplayText(c, r);
    return FormatNumber(cell.Number, kind && kind->IsInteger ? 0 : 2);
}

QString TTable::ExportText(int c, int r, QChar decimalSeparator) const
{
    if (const std::optional<ExportedNumber> number = ExportNumber(c, r))
        return FormatNumber(number->value, number->decimals, decimalSeparator);
    return DisplayText(c, r);
}

QString TTable::StatusText(int c, int r) const
{
    return CellData(c, r).NoValidValue ? QString() : ExportText(c, r);
}

QString TTable::ColumnDescription(int c) const
{
    const TAbstractData* kind = ColumnKind(c);
    return kind ? kind->Description : tr("[Nieznana dana wejściowa lub wskaźnik]");
}

float TTable::CellNumber(int c, int r) const
{
    const TCellData& cell = CellData(c, r);
    return cell.NoValidValue ? NoValue : cell.Number;
}

QString& TTable::KeptText(int c, int r)
{
    Column& column = ColumnAt(c);
    if (column.texts.empty())
        column.texts.resize(column.cells.size());
    return column.texts[std::size_t(r - 1)];
}

void TTable::Store(int c, int r, ShownText&& shown)
{
    Column& column = ColumnAt(c);
    const auto index = std::size_t(r - 1);
    StoredCell& cell = column.cells[index];
    if (shown.IsNumber() || shown.Text().isEmpty()) {
        cell.decimals = qint8(std::max(shown.Decimals(), -1));
        if (!column.texts.empty())
            column.texts[index] = QString();
    } else {
        cell.decimals = -1;
        KeptText(c, r) = shown.TakeText();
    }
    CellsChanged(c, r, c, r);
}

void TTable::SetCellText(int c, int r, QStringView text)
{
    if (!Changeable(c, r, r))
        return;
    RecordCells(c, r, r);
    Column& column = ColumnAt(c);
    Store(c, r, ParseCellText(column.kind, column.cells[std::size_t(r - 1)].value, text));
}

TableFill::TableFill(TTable& table, const std::vector<int>& columns, int top, int bottom)
    : m_table(table), m_columns(columns), m_top(top), m_bottom(bottom), m_keptTexts(std::size_t(table.ColCount()), 0)
{
    for (const int c : m_columns)
        if (m_bottom >= m_top && m_table.Changeable(c, m_top, m_bottom)) {
            m_table.RecordCells(c, m_top, m_bottom);
            m_keptTexts[std::size_t(c)] = !m_table.ColumnAt(c).texts.empty();
        }
}

TableFill::~TableFill()
{
    for (const int c : m_columns)
        if (m_bottom >= m_top)
            m_table.CellsChanged(c, m_top, c, m_bottom);
}

void TableFill::SetCellText(int c, int r, QStringView text, KeptTexts& kept) const
{
    Q_ASSERT(r >= m_top && r <= m_bottom && m_table.IsDataCell(c, r));
    TTable::Column& column = m_table.ColumnAt(c);
    const auto index = std::size_t(r - 1);
    TTable::StoredCell& cell = column.cells[index];
    ShownText shown = ParseCellText(column.kind, cell.value, text);
    if (shown.IsNumber() || shown.Text().isEmpty()) {
        cell.decimals = qint8(std::max(shown.Decimals(), -1));
        if (m_keptTexts[std::size_t(c)])
            column.texts[index] = QString();
    } else {
        cell.decimals = -1;
        kept.emplace_back(c, r, shown.TakeText());
    }
}

void TableFill::Keep(KeptTexts& kept)
{
    for (auto& [c, r, text] : kept)
        m_table.KeptText(c, r) = std::move(text);
    kept.clear();
}

void TTable::SetCellNumber(int c, int r, float value)
{
    if (!Changeable(c, r, r))
        return;
    RecordCells(c, r, r);
    Column& column = ColumnAt(c);
    Store(c, r, SetCellValueFor(column.kind, column.cells[std::size_t(r - 1)].value, value));
}

void TTable::CopyCellFrom(int c, int r, const TTable& source, int sc, int sr)
{
    SetCellText(c, r, source.ExportText(sc, sr));
}

void TTable::SetShownText(int c, int r, const QString& text)
{
    if (!Changeable(c, r, r))
        return;
    RecordCells(c, r, r);
    // A number shown as it always is stays stored by its decimals; any other text is kept.
    if (text != DisplayText(c, r)) {
        ColumnAt(c).cells[std::size_t(r - 1)].decimals = -1;
        KeptText(c, r) = text;
    }
    CellsChanged(c, r, c, r);
}

void TTable::ClearCells(int left, int top, int right, int bottom)
{
    if (right < left || bottom < top || !Changeable(left, top, bottom) || !Changeable(right, top, bottom))
        return;
    for (int c = left; c <= right; ++c) {
        RecordCells(c, top, bottom);
        Column& column = ColumnAt(c);
        for (int r = top; r <= bottom; ++r) {
            StoredCell& cell = column.cells[std::size_t(r - 1)];
            cell.value.NoValidValue = 1;
            cell.decimals = -1;
            if (!column.texts.empty())
                column.texts[std::size_t(r - 1)] = QString();
        }
    }
    CellsChanged(left, top, right, bottom);
}

void TTable::RangeCheckColumn(int c)
{
    if (!Changeable(c, 1, 1))
        return;
    RecordRangeStates(c);
    Column& column = ColumnAt(c);
    for (StoredCell& cell : column.cells)
        RangeCheck(column.kind, cell.value);
    CellsChanged(c, 1, c, RowCount() - 1);
}

void TTable::MarkKindsPresent(KindFlags& flags) const
{
    for (const Column& column : m_columns)
        if (column.kind && column.kind->Id >= 0 && column.kind->Id < int(flags.size()))
            flags[std::size_t(column.kind->Id)] = true;
}

void TTable::RefreshColumnKinds(bool namesChanged, bool rangesChanged, const DataManager& kinds, UserInterface& ui)
{
    if (!namesChanged && !rangesChanged)
        return;
    bool notice = false;
    for (Column& column : m_columns) {
        TAbstractData* kind = column.kind;
        const bool newlyFound = kind == nullptr;
        if (newlyFound)
            kind = kinds.FindByName(column.name);
        if (!kind || !kind->Marked)
            continue;
        bool recheck = rangesChanged;
        if (namesChanged) {
            column.name = kind->Name;
            if (newlyFound) {
                column.kind = kind;
                recheck = true;
                notice = true;
            }
        }
        if (recheck)
            for (StoredCell& cell : column.cells)
                RangeCheck(kind, cell.value);
    }
    HeadersChanged(1, ColCount() - 1);
    CellsChanged(1, 1, ColCount() - 1, RowCount() - 1);
    if (notice)
        ui.ShowMessage(tr("Niektóre kolumny, które przed zmianą opcji danych nie były kolumnami danych, teraz się nimi "
                          "stały !"),
                       UserInterface::Icon::Error);
}

void TTable::ReplaceDecimalSeparator(QChar from, QChar to)
{
    // Numbers shown by their decimals follow the program's separator by themselves; only where the
    // old separator could also stand for a digit or the sign does the replacement differ, and there
    // the replaced text is kept.
    const bool numbersNeedText = from.isDigit() || from == QLatin1Char('-');
    for (Column& column : m_columns) {
        for (std::size_t i = 0; i < column.cells.size(); ++i) {
            StoredCell& cell = column.cells[i];
            if (cell.value.NoValidValue)
                continue;
            if (cell.decimals >= 0) {
                if (!numbersNeedText)
                    continue;
                if (column.texts.empty())
                    column.texts.resize(column.cells.size());
                column.texts[i] = FormatNumber(cell.value.Number, cell.decimals, from);
                cell.decimals = -1;
            }
            if (column.texts.empty())
                continue;
            QString& text = column.texts[i];
            if (const qsizetype at = text.indexOf(from); at >= 0)
                text[at] = to;
        }
    }
    CellsChanged(1, 1, ColCount() - 1, RowCount() - 1);
}

void TTable::BeginUpdate()
{
    ++m_updateDepth;
}

void TTable::EndUpdate()
{
    if (--m_updateDepth > 0)
        return;
    if (!m_dirtyHeaders.IsEmpty())
        emit headerChanged(m_dirtyHeaders.left, m_dirtyHeaders.right);
    if (!m_dirtyLabels.IsEmpty())
        emit rowLabelsChanged(m_dirtyLabels.top, m_dirtyLabels.bottom);
    if (!m_dirtyCells.IsEmpty())
        emit cellsChanged(m_dirtyCells.left, m_dirtyCells.top, m_dirtyCells.right, m_dirtyCells.bottom);
    m_dirtyHeaders = Dirty();
    m_dirtyLabels = Dirty();
    m_dirtyCells = Dirty();
}

void TTable::CellsChanged(int left, int top, int right, int bottom)
{
    if (m_updateDepth > 0)
        m_dirtyCells.Add(left, top, right, bottom);
    else
        emit cellsChanged(left, top, right, bottom);
}

void TTable::HeadersChanged(int first, int last)
{
    if (m_updateDepth > 0)
        m_dirtyHeaders.Add(first, 0, last, 0);
    else
        emit headerChanged(first, last);
}

void TTable::LabelsChanged(int first, int last)
{
    if (m_updateDepth > 0)
        m_dirtyLabels.Add(0, first, 0, last);
    else
        emit rowLabelsChanged(first, last);
}

void TTable::Dirty::Add(int l, int t, int r, int b)
{
    if (IsEmpty()) {
        left = l, top = t, right = r, bottom = b;
        return;
    }
    left = std::min(left, l);
    top = std::min(top, t);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
}
