#pragma once

#include "core/base/Catalogue.h"
#include "core/data/AbstractData.h"
#include "core/settings/IniFile.h"

#include <QFile>
#include <QStringList>

#include <array>
#include <memory>
#include <vector>

// The registry of all 108 data kinds: creates them (each reading its configuration from
// SALVENTO.INI), owns them, finds them by identifier or name, and resets and snapshots their
// current-row values for calculations. The kinds write their changed configuration back when the
// DataManager is destroyed.
class DataManager
{
public:
    // `iniPath`: the configuration file; `languageCode`: "PL", "EN" or empty, the suffix of the
    // language-dependent sections; `programDirectory`: where the files that ship with the program
    // lie (WSI.INI), the running program's directory when empty. The calculation log is written
    // when the environment variable SALVENTO_CALC_LOG names a file.
    DataManager(const QString& iniPath, const QString& languageCode, const QString& programDirectory = QString());
    ~DataManager();

    DataManager(const DataManager&) = delete;
    DataManager& operator=(const DataManager&) = delete;

    IniFile& Ini() { return m_ini; }
    const IniFile& Ini() const { return m_ini; }
    const QString& IniPath() const { return m_ini.Path(); }
    const QString& LanguageCode() const { return m_languageCode; }
    QString ProgramDirectory() const;

    // The kind with this identifier; none outside 0…107.
    TAbstractData* GetById(int id) const;
    // The first kind 0…94 whose Name equals `name`, ignoring letter case; none when there is none.
    TAbstractData* FindByName(QStringView name) const;
    // Appends the Name of every kind 0…94, in identifier order.
    void AddAllNames(QStringList& list) const;
    // Appends the Name of every kind 0…94 whose flag is set, in identifier order.
    void AddNamesWhere(QStringList& list, const KindFlags& flags) const;
    // Flags the kinds 0…94 whose Name is among `items` (letter case ignored).
    void MarkPresent(const QStringList& items, KindFlags& flags) const;
    // Which kinds 23…94 can be computed from the kinds marked in `have`, by a trial evaluation on
    // typical values; fills `possible` and returns how many are possible.
    int ComputePossible(const KindFlags& have, KindFlags& possible);

    // Before each row: every Value missing, every kind Ready, nothing from a source.
    void ResetAll();
    // For what-if evaluations: every computed kind not taken from a source is missing again.
    void ClearComputed();
    // Snapshot of the values of kinds 23…107, replacing `buffer`; RestoreValues puts them back and
    // empties the buffer (nothing happens for an empty buffer).
    void SaveValues(std::vector<float>& buffer) const;
    void RestoreValues(std::vector<float>& buffer);

    bool LogEnabled = false;
    void LogNewRow();
    void LogCalculating(const QString& text);

private:
    void LogLine(const QString& line);

    IniFile m_ini;
    QString m_languageCode;
    QString m_programDirectory;
    std::array<std::unique_ptr<TAbstractData>, kind::Count> m_kinds;
    QFile m_log;
};
