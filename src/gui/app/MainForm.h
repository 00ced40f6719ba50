#pragma once

#include "gui/app/GuiUserInterface.h"
#include "gui/app/MainActions.h"
#include "gui/app/Workbench.h"

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class QUndoGroup;
class TTable;
class TTableWin;

// The program's frame: a multiple-document window whose children are the table windows, with the
// menu, the tool bar, the status bar and the actions from which every command is reached. It keeps
// the window's own state and owns the workbench, the program-wide state its commands work on.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // `iniPath`: the configuration in use; `programDirectory`: where the files that ship with the
    // program lie (WSI.INI, help, language modules). Reads the options and the recent files.
    TMainForm(const QString& iniPath, const QString& programDirectory, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The interface language (1045 Polish, 1033 English): the workbench makes the data kinds for it.
    void SetLanguage(int language);

    // Files named on the command line, opened when the window is first shown.
    void SetStartupFiles(const QStringList& paths) { m_startupFiles = paths; }

    TWorkbench& Workbench() { return m_workbench; }
    UserInterface& Ui() { return m_ui; }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    const TMainActions& Actions() const { return m_actions; }

    // The active table window, or none.
    TTableWin* ActiveTableWin() const;
    // The window of an open table.
    TTableWin* WindowOf(const TTable* table) const;

    // Opens data files as the Open command does, one after the other.
    void OpenFiles(const QStringList& paths);
    // Tells the user of a loaded table's cells that hold text where their kind expects a number:
    // in the status bar, and in a message when there are more than a few.
    void ReportTextCells(const TTable& table);
    // Sets the enabled and visible states of every command that needs a table.
    void UpdateTableCommands(bool tablesOpen);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // F1 anywhere in the program: the help at the topic of the highlighted menu item or of the
    // active window or dialog.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Built once: the actions, then the menus and the tool bar that show them.
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    // Undo and Redo of the active table's changes, in the Edit menu and the tool bar.
    void CreateUndoActions();
    QAction* AddAction(const char* name, const QString& caption, const QString& hint,
                       const QKeySequence& shortcut = QKeySequence());

    void TableAdded(TTable* table);
    void ActiveWindowChanged();
    void UpdateContinuousCommands();
    void RebuildRecentMenus();

    // File commands.
    void NewTable();
    void OpenWithDialog();
    void SaveActive();
    void SaveActiveAs();
    // Saves the window's table to its file, or through Save As when it has none; true when saved.
    bool SaveWindow(TTableWin& window);
    bool SaveWindowAs(TTableWin& window);
    // Edit commands, on the active table window's selection.
    void CopyBlock(bool withNames);
    void CutBlock();
    void ClearBlock();
    void PasteBlock(bool withNames);
    void SaveBlock();
    void InsertRowsOrColumns();
    void DeleteRowsOrColumns();
    void ColumnOptions();
    // Window commands.
    void TileOneAboveAnother();
    void TileSideBySide();
    void MinimizeAll();
    void ArrangeIcons();
    void ToggleMaximized();
    // Calculation commands.
    void Calculate();
    void WhatCanBeComputed();
    void ComputeStatistics();
    void ShowChart();
    // Search commands: the data search, the column search and the repetition of the last one.
    void FindData();
    void FindColumn();
    void FindAgain();
    // Searches the table of `window` from its cursor for the state's condition; the cell found
    // becomes current.
    void SearchDataIn(TTableWin& window);
    // Searches the open tables for the column named in the state, from the active table's cursor;
    // the table found becomes active with the cursor in that column.
    void SearchColumnFromActive();
    // Options: WriteOptions writes the workbench's and where the window was left.
    void WriteOptions();
    void ShowOptions();
    void ShowDataOptions();
    void ChangeLanguage();
    // Help.
    void ShowAbout();
    void ShowHelp();

    TWorkbench m_workbench;
    GuiUserInterface m_ui;
    QStringList m_startupFiles;
    bool m_shown = false;

    QMdiArea* m_mdiArea = nullptr;
    TMainActions m_actions;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_recentMenu = nullptr;    // "Otwórz &poprzedni" in the File menu
    QMenu* m_recentPopup = nullptr;   // the drop-down of the Open button
    QToolButton* m_openButton = nullptr;
    QUndoGroup* m_undoGroup = nullptr;   // the undo stacks of the table windows; the active one's is active
};
