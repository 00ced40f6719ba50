#pragma once

#include "core/calc/CalcChoices.h"
#include "core/search/SearchState.h"
#include "core/settings/IniFile.h"
#include "core/settings/Options.h"
#include "core/table/RecentFiles.h"
#include "core/table/TableSet.h"

#include <QString>
#include <QStringView>

#include <memory>

class DataManager;
class UserInterface;

// The program-wide state of the desktop, owned by the main window: the configuration file and the
// files that ship with the program, the interface language and the data kinds made for it, the
// open tables, the recent files, the program options, the calculation settings and the last search.
class TWorkbench
{
public:
    // `iniPath`: the configuration in use; `programDirectory`: where the files that ship with the
    // program lie (WSI.INI, help, language modules).
    TWorkbench(const QString& iniPath, const QString& programDirectory);
    ~TWorkbench();

    TWorkbench(const TWorkbench&) = delete;
    TWorkbench& operator=(const TWorkbench&) = delete;

    // The interface language (1045 Polish, 1033 English): its suffix selects the description
    // sections, and only then are the data kinds made.
    void SetLanguage(int language);
    int Language() const { return m_language; }
    // The language of the next start: as the language command last chose it in this run, else the
    // interface language.
    int NextLanguage() const { return m_nextLanguage != 0 ? m_nextLanguage : m_language; }
    // Keeps the language of the next start, in the INI file too; true when it differs from the one
    // before.
    bool SetNextLanguage(int language);

    // Reads the options, the decimal separator they choose and the recent files.
    void ReadOptions(UserInterface& ui);
    // Writes the options and the recent files.
    void WriteOptions();
    // The program's decimal separator anew from the options and the system's; the open tables
    // follow a change.
    void UpdateDecimalSeparator(UserInterface& ui);
    // The folder a file dialog ("Open", "Save", "Selection") last chose a file in; kept in the INI file.
    QString LastFolder(QStringView dialog) const;
    void RememberFolder(QStringView dialog, const QString& file);

    const QString& ProgramDirectory() const { return m_programDirectory; }
    IniFile& Ini() { return m_ini; }
    DataManager& Kinds() const { return *m_kinds; }
    TableSet& Tables() { return m_tables; }
    RecentFiles& Recent() { return m_recent; }
    ProgramOptions& Options() { return m_options; }
    CalcSettings& CalculationSettings() { return m_calcSettings; }
    TSearchState& Search() { return m_search; }

private:
    QString m_programDirectory;
    IniFile m_ini;
    TableSet m_tables;
    RecentFiles m_recent;
    ProgramOptions m_options;
    CalcSettings m_calcSettings;
    TSearchState m_search;   // the last search, repeated by the Find Again command
    int m_language = 1033;
    int m_nextLanguage = 0;
    std::unique_ptr<DataManager> m_kinds;   // last: destroyed first, writing their changed configuration
};
