#include "core/data/DataManager.h"

#include "core/indices/KindFactory.h"

#include <QCoreApplication>

namespace {

constexpr int SnapshotSize = kind::Count - kind::FirstComputed;

}   // namespace

DataManager::DataManager(const QString& iniPath, const QString& languageCode, const QString& programDirectory)
    : m_ini(iniPath), m_languageCode(languageCode), m_programDirectory(programDirectory)
{
    const QString logPath = qEnvironmentVariable("SALVENTO_CALC_LOG");
    if (!logPath.isEmpty()) {
        m_log.setFileName(logPath);
        LogEnabled = m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    }
    for (int id = 0; id < kind::Count; ++id)
        m_kinds[std::size_t(id)] = CreateKind(*this, id);
    for (const int id : {kind::sex, kind::DhRa, kind::DhRna})
        m_kinds[std::size_t(id)]->ShowClasses = true;
    for (const int id : {kind::W_Strain, kind::Weather})
        m_kinds[std::size_t(id)]->IsTextual = true;
}

DataManager::~DataManager()
{
    LogEnabled = false;
    m_log.close();
    for (auto& kind : m_kinds)
        kind.reset();
}

QString DataManager::ProgramDirectory() const
{
    return m_programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : m_programDirectory;
}

TAbstractData* DataManager::GetById(int id) const
{
    if (id < 0 || id >= kind::Count)
        return nullptr;
    return m_kinds[std::size_t(id)].get();
}

TAbstractData* DataManager::FindByName(QStringView name) const
{
    for (int id = 0; id < kind::ListedCount; ++id) {
        TAbstractData* kind = m_kinds[std::size_t(id)].get();
        if (QStringView(kind->Name).compare(name, Qt::CaseInsensitive) == 0)
            return kind;
    }
    return nullptr;
}

void DataManager::AddAllNames(QStringList& list) const
{
    for (int id = 0; id < kind::ListedCount; ++id)
        list.append(m_kinds[std::size_t(id)]->Name);
}

void DataManager::AddNamesWhere(QStringList& list, const KindFlags& flags) const
{
    for (int id = 0; id < kind::ListedCount; ++id)
        if (flags[std::size_t(id)])
            list.append(m_kinds[std::size_t(id)]->Name);
}

void DataManager::MarkPresent(const QStringList& items, KindFlags& flags) const
{
    for (int id = 0; id < kind::ListedCount; ++id)
        flags[std::size_t(id)] = items.contains(m_kinds[std::size_t(id)]->Name, Qt::CaseInsensitive);
}

int DataManager::ComputePossible(const KindFlags& have, KindFlags& possible)
{
    const bool logWasEnabled = LogEnabled;
    LogEnabled = false;
    for (int id = 0; id < kind::Count; ++id) {
        TAbstractData& data = *m_kinds[std::size_t(id)];
        const bool present = id < kind::ListedCount && have[std::size_t(id)];
        data.Value = present ? data.TypicalValue : NoValue;
        data.FromSource = present;
        data.Ready = true;
    }
    possible.fill(false);
    int count = 0;
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        if (id >= kind::WSI_SB && id <= kind::WSI_ST)
            continue;   // judged below, without reading their table
        TAbstractData& data = *m_kinds[std::size_t(id)];
        const float value = data.Value;
        const bool fromSource = data.FromSource;
        data.FromSource = false;
        data.Marked = true;
        data.Value = NoValue;
        if (data.GetValue() != NoValue) {
            possible[std::size_t(id)] = true;
            ++count;
        }
        data.Marked = false;
        data.FromSource = fromSource;
        data.Value = value;
    }
    // The suitability indices only look the weather type up in their table, which WSI.INI fills when
    // one of them is calculated: they are computable with a weather type, and without one only
    // through their own default.
    const bool weather = possible[kind::Weather] || have[kind::Weather];
    for (int id = kind::WSI_SB; id <= kind::WSI_ST; ++id) {
        if (weather || m_kinds[std::size_t(id)]->DefaultValue != NoValue) {
            possible[std::size_t(id)] = true;
            ++count;
        }
    }
    LogEnabled = logWasEnabled;
    return count;
}

void DataManager::ResetAll()
{
    for (auto& data : m_kinds) {
        data->Value = NoValue;
        data->Ready = true;
        data->FromSource = false;
    }
}

void DataManager::ClearComputed()
{
    for (int id = kind::FirstComputed; id < kind::Count; ++id) {
        TAbstractData& data = *m_kinds[std::size_t(id)];
        if (!data.FromSource)
            data.Value = NoValue;
    }
}

void DataManager::SaveValues(std::vector<float>& buffer) const
{
    buffer.resize(SnapshotSize);
    for (std::size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = m_kinds[kind::FirstComputed + i]->Value;
}

void DataManager::RestoreValues(std::vector<float>& buffer)
{
    if (buffer.size() != std::size_t(SnapshotSize))
        return;
    for (std::size_t i = 0; i < buffer.size(); ++i)
        m_kinds[kind::FirstComputed + i]->Value = buffer[i];
    buffer.clear();
}

void DataManager::LogNewRow()
{
    LogLine(QStringLiteral("+++++++++++++++++++++ NEW ROW +++++++++++++++++++++"));
}

void DataManager::LogCalculating(const QString& text)
{
    LogLine(QStringLiteral("Calculating ") + text);
}

void DataManager::LogLine(const QString& line)
{
    if (!LogEnabled)
        return;
    m_log.write((line + QLatin1Char('\n')).toUtf8());
    m_log.flush();
}
