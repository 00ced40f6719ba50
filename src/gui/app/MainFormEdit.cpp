// Edit commands of the main window: they act on the active table window's selection and the
// clipboard (plain text). Each change is one step of the table's undo stack.

#include "gui/app/MainForm.h"

#include "core/table/Editing.h"
#include "core/table/Table.h"
#include "gui/table/ColOptionsForm.h"
#include "gui/table/DeleteRowsColsForm.h"
#include "gui/table/InsertForm.h"
#include "gui/table/TableUndo.h"
#include "gui/table/TableWin.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>

namespace {

// Empties the selected cells, unless the in-place editor is open.
void ClearIn(TTableWin* window, const QString& what)
{
    if (window && !window->Editing())
        window->Undo().Change(what, [window] { ClearSelection(window->Table(), window->CurrentSelection()); });
}

}   // namespace

void TMainForm::CopyBlock(bool withNames)
{
    if (TTableWin* active = ActiveTableWin())
        QApplication::clipboard()->setText(CopySelection(active->Table(), active->CurrentSelection(), withNames));
}

void TMainForm::CutBlock()
{
    CopyBlock(false);
    ClearIn(ActiveTableWin(), tr("wycinanie"));
}

void TMainForm::ClearBlock()
{
    ClearIn(ActiveTableWin(), tr("usuwanie"));
}

void TMainForm::PasteBlock(bool withNames)
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    active->Undo().Change(withNames ? tr("wklejanie z nazwami kolumn") : tr("wklejanie"), [&] {
        PasteText(active->Table(), active->CurrentSelection(), QApplication::clipboard()->text(), withNames,
                  m_workbench.Kinds(), m_ui);
    });
}

void TMainForm::SaveBlock()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const TableSelection selection = active->CurrentSelection();
    QFileDialog dialog(this, tr("Zapisz zaznaczony obszar jako"), m_workbench.LastFolder(u"Selection"),
                       tr("Pliki danych (*.dat *.txt);;Wszystkie pliki (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    m_workbench.RememberFolder(u"Selection", dialog.selectedFiles().first());
    SaveSelection(active->Table(), selection, dialog.selectedFiles().first(), m_ui);
}

void TMainForm::InsertRowsOrColumns()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const TableSelection selection = active->CurrentSelection();
    TInsertForm dialog(selection, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    bool inserted = false;
    active->Undo().Change(tr("wstawianie kolumn/wierszy"), [&] {
        inserted = InsertRowsCols(active->Table(), selection, dialog.Rows(), dialog.Cols(), dialog.AtEnd(), m_ui);
    });
    if (!inserted)
        return;
    // The cursor keeps its place: on the first inserted row and column when they went there.
    active->SetCurrentCell(selection.Col, selection.Row);
}

void TMainForm::DeleteRowsOrColumns()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const TableSelection selection = active->CurrentSelection();
    TDeleteRowsColsForm dialog(selection, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    active->Undo().Change(tr("usuwanie kolumn/wierszy"),
                          [&] { DeleteRowsCols(active->Table(), selection, dialog.Rows(), dialog.Cols(), m_ui); });
    active->SetCurrentCell(selection.Col, selection.Row);
}

void TMainForm::ColumnOptions()
{
    TTableWin* active = ActiveTableWin();
    if (!active)
        return;
    const int c = active->CurrentSelection().Col;
    TColOptionsForm dialog(active->Table(), c, m_workbench.Kinds(), m_ui, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    active->Undo().Change(tr("zmiana opcji kolumny"),
                          [&] { RenameColumn(active->Table(), c, dialog.ColumnName(), m_workbench.Kinds()); });
}
