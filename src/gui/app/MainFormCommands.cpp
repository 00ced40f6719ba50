// Calculation, options, language and help commands of the main window.

#include "gui/app/MainForm.h"

#include "core/calc/CalcManager.h"
#include "core/table/Table.h"
#include "gui/app/AboutBox.h"
#include "gui/app/HelpWindow.h"
#include "gui/app/LanguageForm.h"
#include "gui/app/OptionsForm.h"
#include "gui/calc/CalcRunner.h"
#include "gui/calc/PossibleIndexesForm.h"
#include "gui/data/DataOptionsForm.h"
#include "gui/table/TableUndo.h"
#include "gui/table/TableWin.h"

#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

void TMainForm::Calculate()
{
    CalcManager manager(m_workbench.CalculationSettings(), m_workbench.Kinds(), m_workbench.Tables(), m_ui);
    // An open table the results go to gets one undo step (a new destination is a new table).
    std::vector<TableUndo*> undos;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* tableWin = qobject_cast<TTableWin*>(window->widget()))
            undos.push_back(&tableWin->Undo());
    const UndoStep step(std::move(undos), tr("obliczenia"));
    if (!manager.Calculate())
        return;
    RunCalculation(manager, m_mdiArea, this);
    m_ui.ShowReport(manager.DefaultsReport());
    // The destination is shown with its first result column leftmost, also after an error ended
    // the run: the rows written are results.
    TTableWin* destination = WindowOf(manager.Destination());
    if (!destination)
        return;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (window->widget() == destination)
            m_mdiArea->setActiveSubWindow(window);
    destination->SelectCell(manager.FirstResultColumn(), 1);
    // The first result column leftmost, as far as the columns after it fill the view; the scroll
    // range must first count the columns the calculation added.
    QTableView* grid = destination->Grid();
    grid->doItemsLayout();
    const int column = manager.FirstResultColumn() - 1;
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollMode() == QAbstractItemView::ScrollPerItem
                                              ? grid->horizontalHeader()->visualIndex(column)
                                              : grid->horizontalHeader()->sectionPosition(column));
    UpdateTableCommands(true);
}

void TMainForm::WhatCanBeComputed()
{
    TPossibleIndexesForm::Show(m_workbench.Kinds(), m_workbench.Tables(), m_ui, this);
}

void TMainForm::ShowOptions()
{
    bool point = m_workbench.Options().DecimalSepPoint;
    if (!TOptionsForm::Edit(m_workbench.Options().Record, &point, this))
        return;
    if (point == m_workbench.Options().DecimalSepPoint)
        return;
    m_workbench.Options().DecimalSepPoint = point;
    m_workbench.UpdateDecimalSeparator(m_ui);
}

void TMainForm::ShowDataOptions()
{
    // On the kind of the current column, when it has one.
    const TTableWin* active = ActiveTableWin();
    const TAbstractData* current = active ? active->Table().ColumnKind(active->CurrentSelection().Col) : nullptr;
    TDataOptionsForm::Show(m_workbench.Kinds(), m_workbench.Tables(), m_ui, this, current);
}

void TMainForm::ChangeLanguage()
{
    const int chosen = TLanguageForm::Ask(m_workbench.NextLanguage(), this);
    if (chosen == 0)
        return;
    if (m_workbench.SetNextLanguage(chosen))
        m_ui.ShowMessage(QStringLiteral("The change of the language version of Salvento will be applied after you "
                                        "restart the program.\n\nZmiana wersji językowej Salvento zostanie dokonana "
                                        "dopiero przy ponownym uruchomieniu programu."),
                         UserInterface::Icon::Information);
}

void TMainForm::ShowAbout()
{
    TAboutBox::Show(this);
}

void TMainForm::ShowHelp()
{
    THelpWindow::ShowContents(m_workbench.ProgramDirectory(), m_workbench.Language(), this);
}
