#pragma once

#include "core/base/Catalogue.h"
#include "core/data/AbstractData.h"
#include "core/settings/IniFile.h"

#include <QFile>
#include <QStringList>

#include <array>
#include <memory>

class UserInterface;

// Creates the data kind with identifier `id` (0…107) for `owner`, of the class its formula needs.
using KindCreator = std::unique_ptr<TAbstractData> (*)(const DataManager& owner, int id);

// The registry of all 108 data kinds: creates them with the creator it is given, loads their
// configuration from SALVENTO.INI and saves what the user changed, owns them and finds them by
// identifier or name. The values of a row live in an EvaluationState over the DataManager.
class DataManager
{
public:
    // `createKind`: the kinds' classes (the indices supply them); `iniPath`: the configuration
    // file; `languageCode`: "PL", "EN" or empty, the suffix of the language-dependent sections;
    // `programDirectory`: where the files that ship with the program lie (WSI.INI), the running
    // program's directory when empty. The calculation log is written when the environment variable
    // SALVENTO_CALC_LOG names a file.
    DataManager(KindCreator createKind, const QString& iniPath, const QString& languageCode,
                const QString& programDirectory = QString());

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
    int ComputePossible(const KindFlags& have, KindFlags& possible) const;

    // Writes every configuration item set since it was loaded or last saved into the INI file. A
    // failed write shows "Błąd podczas zapisu do pliku … !" and returns false; what was not
    // written stays changed, for the next save.
    bool SaveConfiguration(UserInterface& ui);

    bool LogEnabled = false;
    void LogNewRow();
    void LogCalculating(const QString& text);

private:
    void LoadConfiguration(TAbstractData& data) const;
    // False when a write failed; the kind's changes written so far are no longer changed.
    bool SaveConfiguration(TAbstractData& data);
    void LogLine(const QString& line);

    IniFile m_ini;
    QString m_languageCode;
    QString m_programDirectory;
    std::array<std::unique_ptr<TAbstractData>, kind::Count> m_kinds;
    QFile m_log;
};
