#include "table/TableWin.h"

#include "app/Hints.h"

#include "data/AbstractData.h"
#include "table/TableModel.h"
#include "table/Table.h"
#include "table/TableSet.h"
#include "UserInterface.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

TTableWin::TTableWin(TTable& table, TableSet& tables, UserInterface& ui, QWidget* parent)
    : QWidget(parent), m_table(table), m_tables(tables), m_ui(ui), m_model(new TableModel(table, this))
{
    setObjectName(QStringLiteral("TTableWin"));
    SetHelpTopic(this, 12);
    setWindowTitle(table.Caption());
    connect(&table, &TTable::captionChanged, this, &QWidget::setWindowTitle);

    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("fpoGrid"));
    m_grid->setModel(m_model);
    m_grid->setCursor(Qt::CrossCursor);
    m_grid->horizontalHeader()->setDefaultSectionSize(80);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
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

TTableWin::Selection TTableWin::CurrentSelection() const
{
    Selection selection;
    const QModelIndex current = m_grid->currentIndex();
    selection.column = current.isValid() ? current.column() + 1 : 1;
    selection.row = current.isValid() ? current.row() + 1 : 1;
    const QItemSelection ranges = m_grid->selectionModel()->selection();
    if (ranges.isEmpty()) {
        selection.left = selection.right = selection.column;
        selection.top = selection.bottom = selection.row;
        return selection;
    }
    const QItemSelectionRange& range = ranges.first();
    selection.left = range.left() + 1;
    selection.right = range.right() + 1;
    selection.top = range.top() + 1;
    selection.bottom = range.bottom() + 1;
    return selection;
}

void TTableWin::SelectCell(int c, int r)
{
    const QModelIndex index = m_model->index(r - 1, c - 1);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

bool TTableWin::MayClose()
{
    if (!m_table.Modified())
        return true;
    return m_ui.AskYesNo(tr("Czy na pewno chcesz zamknąć tabelę ") + QString::number(m_table.TableNumber())
                         + QStringLiteral(" ?"));
}

void TTableWin::closeEvent(QCloseEvent* event)
{
    if (MayClose())
        event->accept();
    else
        event->ignore();
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
    const int r = current.row() + 1;
    const TAbstractData* kind = m_table.ColumnKind(c);
    m_columnPanel->setText(kind ? kind->Description : tr("[Nieznana dana wejściowa lub wskaźnik]"));
    const TCellData& cell = m_table.CellData(c, r);
    if (cell.NoValidValue)
        m_valuePanel->clear();
    else if (kind && kind->IsTextual)
        m_valuePanel->setText(m_table.DisplayText(c, r));
    else
        m_valuePanel->setText(FormatNumber(cell.Number, kind && kind->IsInteger ? 0 : 6));
}
