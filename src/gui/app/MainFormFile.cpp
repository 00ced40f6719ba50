// File commands and the program options of the main window.

#include "gui/app/MainForm.h"

#include "core/base/UserInterface.h"
#include "core/table/DataFile.h"
#include "core/table/Table.h"
#include "gui/table/TableWin.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

void TMainForm::NewTable()
{
    m_workbench.Tables().NewTable();
    UpdateTableCommands(true);
}

void TMainForm::OpenWithDialog()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Otwórz pliki"), m_workbench.LastFolder(u"Open"),
        tr("Pliki danych (*.txt *.dat);;Pliki pogodowe EnergyPlus (*.epw);;Wszystkie pliki (*)"));
    if (!paths.isEmpty())
        m_workbench.RememberFolder(u"Open", paths.first());
    OpenFiles(paths);
    UpdateTableCommands(m_workbench.Tables().Count() > 0);
}

void TMainForm::SaveActive()
{
    if (TTableWin* active = ActiveTableWin())
        SaveWindow(*active);
}

void TMainForm::SaveActiveAs()
{
    if (TTableWin* active = ActiveTableWin())
        SaveWindowAs(*active);
}

bool TMainForm::SaveWindow(TTableWin& window)
{
    if (window.Table().FileName().isEmpty() || window.Table().FileReadOnly())
        return SaveWindowAs(window);
    return SaveTable(window.Table(), m_ui);
}

bool TMainForm::SaveWindowAs(TTableWin& window)
{
    const TTable& table = window.Table();
    QString start = table.FileName().isEmpty() ? m_workbench.LastFolder(u"Save") : table.FileName();
    // A weather file is never written: the dialog proposes a data file beside it.
    if (table.FileReadOnly())
        start = QFileInfo(start).dir().filePath(QFileInfo(start).completeBaseName() + QStringLiteral(".dat"));
    QFileDialog dialog(this, tr("Zapisz"), start, tr("Pliki danych (*.dat *.txt);;Wszystkie pliki (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    m_workbench.RememberFolder(u"Save", dialog.selectedFiles().first());
    return SaveTableAs(window.Table(), dialog.selectedFiles().first(), m_ui);
}

void TMainForm::WriteOptions()
{
    m_workbench.WriteOptions();
    m_workbench.Ini().WriteString(u"Window", u"Geometry", QString::fromLatin1(saveGeometry().toBase64()));
    m_workbench.Ini().WriteString(u"Window", u"State", QString::fromLatin1(saveState().toBase64()));
}
