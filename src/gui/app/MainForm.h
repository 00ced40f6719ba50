#pragma once

#include "core/calc/CalcChoices.h"
#include "core/search/SearchState.h"
#include "core/settings/IniFile.h"
#include "core/settings/Options.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"
#include "gui/app/GuiUserInterface.h"
#include "gui/app/MainActions.h"

#include <QMainWindow>

#include <memory>

class DataManager;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class TTable;
class TTableWin;

// The program's frame: a multiple-document window whose children are the table windows, with the
// menu, the tool bar, the status bar and the actions from which every command is reached. It owns
// the program-wide state: the options, the recent files, the data kinds, the open tables and the
// calculation settings.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // `iniPath`: the configuration in use; `programDirectory`: where the files that ship with the
    // program lie (WSI.INI, help, language modules). Reads the options and the recent files.
    TMainForm(const QString& iniPath, const QString& programDirectory, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The interface language (1045 Polish, 1033 English): its suffix selects the description
    // sections, and only then are the data kinds made.
    void SetLanguage(int language);
    int Language() const { return m_language; }

    // Files named on the command line, opened when the window is first shown.
    void SetStartupFiles(const QStringList& paths) { m_startupFiles = paths; }

    DataManager& Kinds() const { return *m_kinds; }
    TableSet& Tables() { return m_tables; }
    RecentFiles& Recent() { return m_recent; }
    ProgramOptions& Options() { return m_options; }
    IniFile& Ini() { return m_ini; }
    const QString& ProgramDirectory() const { return m_programDirectory; }
    UserInterface& Ui() { return m_ui; }
    CalcSettings& CalculationSettings() { return m_calcSettings; }
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
    // The folder a file dialog ("Open", "Save", "Selection") last chose a file in; kept in the INI file.
    QString LastFolder(QStringView dialog) const;
    void RememberFolder(QStringView dialog, const QString& file);
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
    // Options.
    void ReadOptions();
    void WriteOptions();
    void RefreshSystemDecimalSeparator();
    void ShowOptions();
    void ShowDataOptions();
    void ChangeLanguage();
    // Help.
    void ShowAbout();
    void ShowHelp(int topic);

    QString m_programDirectory;
    IniFile m_ini;
    TableSet m_tables;
    GuiUserInterface m_ui;
    RecentFiles m_recent;
    ProgramOptions m_options;
    CalcSettings m_calcSettings;
    TSearchState m_search;   // the last search, repeated by acSzukajZnow
    std::unique_ptr<DataManager> m_kinds;
    int m_language = 1033;
    int m_languageCommandLanguage = 0;
    QStringList m_startupFiles;
    bool m_shown = false;

    QMdiArea* m_mdiArea = nullptr;
    TMainActions m_actions;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_recentMenu = nullptr;    // "Otwórz &poprzedni" in the File menu
    QMenu* m_recentPopup = nullptr;   // the drop-down of the Open button
    QToolButton* m_openButton = nullptr;
};
