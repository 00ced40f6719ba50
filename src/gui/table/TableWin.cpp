#include "gui/table/TableWin.h"

#include "gui/app/Application.h"
#include "gui/app/Hints.h"

#include "core/base/UserInterface.h"
#include "core/table/Table.h"
#include "core/table/TableSet.h"
#include "gui/table/TableGrid.h"
#include "gui/table/TableModel.h"
#include "gui/table/TableUndo.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

TTableWin::TTableWin(TTable& table, TableSet& tables, UserInterface& ui, QWidget* parent)
    : QWidget(parent), m_table(table), m_tables(tables), m_ui(ui), m_undo(new TableUndo(table, this)),
      m_model(new TableModel(table, *m_undo, this))
{
    setObjectName(QStringLiteral("TTableWin"));
    SetHelpTopic(this, 12);
    setWindowTitle(table.Caption());
    connect(&table, &TTable::captionChanged, this, &QWidget::setWindowTitle);

    m_grid = new TableGrid(this);
    m_grid->setObjectName(QStringLiteral("fpoGrid"));
    m_grid->setModel(m_model);
    m_grid->setCursor(Qt::CrossCursor);
    m_grid->horizontalHeader()->setDefaultSectionSize(80);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Single-line cells: rows as tall as a line of the grid's font with a small margin, no wrapping.
    m_grid->setWordWrap(false);
    const int rowHeight = m_grid->fontMetrics().height() + 6;
    m_grid->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (QHeaderView* header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setSectionsMovable(true);
        connect(header, &QHeaderView::sectionMoved, this,
                [this, header](int, int from, int to) { SectionDragged(header, from, to); });
    }
    // After the view's own handling of a press on a column header, which this replaces unless a
    // modifier is held.
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionPressed, this, &TTableWin::ColumnHeaderPressed);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            &TTableWin::ColumnHeaderDoubleClicked);
    m_grid->installEventFilter(this);
    m_corner = m_grid->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner)
        m_corner->installEventFilter(this);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    QPalette palette = m_grid->palette();
    palette.setColor(QPalette::Highlight, QColor(0, 255, 255));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0, 255, 255));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    m_grid->setPalette(palette);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    m_columnPanel = new QLabel(statusBar);
    m_valuePanel = new QLabel(statusBar);
    m_valuePanel->setMinimumWidth(150);
    statusBar->addWidget(m_columnPanel, 1);
    statusBar->addPermanentWidget(m_valuePanel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_grid);
    layout->addWidget(statusBar);
    resize(290, 207);

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &TTableWin::ShowCurrentCell);
    connect(&table, &TTable::cellsChanged, this, &TTableWin::ShowCurrentCell);
    connect(&table, &TTable::headerChanged, this, &TTableWin::ShowCurrentCell);
    m_grid->setCurrentIndex(m_model->index(0, 0));
}

TTableWin::~TTableWin()
{
    // The grid and its model go before the table they show.
    delete m_grid;
    delete m_model;
    m_tables.Close(&m_table);
}

QTableView* TTableWin::Grid() const
{
    return m_grid;
}

TableSelection TTableWin::CurrentSelection() const
{
    const QModelIndex current = m_grid->currentIndex();
    const int c = current.isValid() ? current.column() + 1 : 1;
    const int r = current.isValid() ? current.row() + 1 : 1;
    TableSelection selection = TableSelection::Cell(c, r);
    // The bounding block of what is marked: one block, unless rows or columns inserted into it cut
    // it in pieces.
    const QItemSelection ranges = m_grid->selectionModel()->selection();
    if (ranges.isEmpty())
        return selection;
    TableSelection block = selection;
    block.Left = block.Top = std::numeric_limits<int>::max();
    block.Right = block.Bottom = 0;
    for (const QItemSelectionRange& range : ranges) {
        block.Left = std::min(block.Left, range.left() + 1);
        block.Top = std::min(block.Top, range.top() + 1);
        block.Right = std::max(block.Right, range.right() + 1);
        block.Bottom = std::max(block.Bottom, range.bottom() + 1);
    }
    if (c < block.Left || c > block.Right || r < block.Top || r > block.Bottom)
        return selection;
    return block;
}

void TTableWin::SelectCell(int c, int r)
{
    const QModelIndex index = m_model->index(r - 1, c - 1);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TTableWin::FitColumnWidths()
{
    // The first rows stand for the column: measuring ten million cells would keep the user waiting.
    constexpr int sampledRows = 1000;
    constexpr int narrowest = 40, widest = 320;
    const QFontMetrics cellFont = m_grid->fontMetrics();
    const QFontMetrics headerFont = m_grid->horizontalHeader()->fontMetrics();
    const int padding = 2 * m_grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_grid) + 12;
    const int rows = std::min(m_table.RowCount(), sampledRows + 1);
    for (int c = 1; c < m_table.ColCount(); ++c) {
        int width = headerFont.horizontalAdvance(m_table.HeaderText(c));
        for (int r = 1; r < rows; ++r)
            width = std::max(width, cellFont.horizontalAdvance(m_table.DisplayText(c, r)));
        m_grid->setColumnWidth(c - 1, std::clamp(width + padding, narrowest, widest));
    }
}

void TTableWin::SetCurrentCell(int c, int r)
{
    c = std::clamp(c, 1, m_table.ColCount() - 1);
    r = std::clamp(r, 1, m_table.RowCount() - 1);
    SelectBlock(c, r, c, r);
    m_grid->scrollTo(m_grid->currentIndex());
}

void TTableWin::SelectBlock(int left, int top, int right, int bottom)
{
    m_grid->SelectBlock(m_model->index(top - 1, left - 1), m_model->index(bottom - 1, right - 1));
}

bool TTableWin::Editing() const
{
    return m_grid->indexWidget(m_grid->currentIndex()) != nullptr;
}

bool TTableWin::MayClose()
{
    if (!m_table.Modified())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, TApplication::Title(),
        tr("Tabela %1 zawiera niezapisane zmiany. Czy chcesz je zapisać przed zamknięciem ?")
            .arg(m_table.TableNumber()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return m_save && m_save();
    return answer == QMessageBox::Discard;
}

void TTableWin::closeEvent(QCloseEvent* event)
{
    if (MayClose())
        event->accept();
    else
        event->ignore();
}

bool TTableWin::eventFilter(QObject* watched, QEvent* event)
{
    // The window sees the grid's keys first.
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up && (key->modifiers() & Qt::ControlModifier) && !Editing()) {
            SelectColumn(CurrentSelection().Col);
            return true;
        }
    }
    if (watched == m_corner && event->type() == QEvent::MouseButtonDblClick) {
        emit optionsRequested();
        return true;
    }
    if (watched == m_corner && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton
            && !(mouse->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))) {
            SelectAllCells();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TTableWin::ShowCurrentCell()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) {
        m_columnPanel->clear();
        m_valuePanel->clear();
        return;
    }
    const int c = current.column() + 1;
    m_columnPanel->setText(m_table.ColumnDescription(c));
    m_valuePanel->setText(m_table.StatusText(c, current.row() + 1));
}

void TTableWin::SelectColumn(int c)
{
    SelectBlock(c, 1, c, m_table.RowCount() - 1);
}

void TTableWin::SelectAllCells()
{
    SelectBlock(1, 1, m_table.ColCount() - 1, m_table.RowCount() - 1);
}

void TTableWin::ColumnHeaderPressed(int section)
{
    if (QGuiApplication::keyboardModifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier))
        return;
    SelectColumn(section + 1);
}

void TTableWin::ColumnHeaderDoubleClicked(int section)
{
    SetCurrentCell(section + 1, 1);
    emit columnOptionsRequested();
}

// The header has shown the dragged section at its new place. The data moves in the table instead,
// and the header takes its own order back, so that what the grid shows at a place is the table's
// row or column of that number.
void TTableWin::SectionDragged(QHeaderView* header, int from, int to)
{
    if (m_restoringOrder)
        return;
    {
        const QScopedValueRollback restoring(m_restoringOrder, true);
        header->moveSection(to, from);
    }
    const bool row = header->orientation() == Qt::Vertical;
    m_undo->Change(row ? tr("przesuwanie wiersza") : tr("przesuwanie kolumny"), [&] {
        if (row)
            m_table.MoveRow(from + 1, to + 1);
        else
            m_table.MoveColumn(from + 1, to + 1);
        m_table.SetModified(true);
    });
}
