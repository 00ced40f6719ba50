#include "core/data/DataManager.h"

#include "core/base/CommaText.h"
#include "core/base/UserInterface.h"
#include "core/data/EvaluationState.h"

#include <QCoreApplication>

namespace {

// The texts of this file, translated in the context "DataManager".
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DataManager)
};

// Values of the data-kind sections are read with room for 500 characters.
constexpr int ConfigValueLength = 500;

// Configuration numbers: the point as decimal separator, leading numeric part; empty: unchanged.
void ReadConfigNumber(const IniFile& ini, const QString& section, const QString& key, float& field)
{
    const QString text = ini.ReadString(section, key, QString(), ConfigValueLength);
    if (!text.isEmpty())
        field = float(LeadingNumber(text));
}

QString ConfigNumberText(float value)
{
    return value == NoValue ? QString() : QString::asprintf("%.2f", double(value));
}

}   // namespace

DataManager::DataManager(KindCreator createKind, const QString& iniPath, const QString& languageCode,
                         const QString& programDirectory)
    : m_ini(iniPath), m_languageCode(languageCode), m_programDirectory(programDirectory)
{
    const QString logPath = qEnvironmentVariable("SALVENTO_CALC_LOG");
    if (!logPath.isEmpty()) {
        m_log.setFileName(logPath);
        LogEnabled = m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    }
    for (int id = 0; id < kind::Count; ++id) {
        m_kinds[std::size_t(id)] = createKind(*this, id);
        LoadConfiguration(*m_kinds[std::size_t(id)]);
    }
    for (const int id : {kind::sex, kind::DhRa, kind::DhRna})
        m_kinds[std::size_t(id)]->ShowClasses = true;
    for (const int id : {kind::W_Strain, kind::Weather})
        m_kinds[std::size_t(id)]->IsTextual = true;
}

void DataManager::LoadConfiguration(TAbstractData& data) const
{
    const QString& name = data.ShortName;
    ReadConfigNumber(m_ini, QStringLiteral("Defaults"), name, data.DefaultValue);
    ReadConfigNumber(m_ini, QStringLiteral("Typicals"), name, data.TypicalValue);
    ReadConfigNumber(m_ini, QStringLiteral("Minima"), name, data.Minimum);
    ReadConfigNumber(m_ini, QStringLiteral("Maxima"), name, data.Maximum);
    data.Name = m_ini.ReadString(QStringLiteral("Names"), name, name, ConfigValueLength);
    data.Description = m_ini.ReadString(QStringLiteral("Descriptions") + m_languageCode, name, QString(),
                                        ConfigValueLength);
    const QString classNames = m_ini.ReadString(QStringLiteral("ThresholdsNames") + m_languageCode, name, QString(),
                                                ConfigValueLength);
    const QString thresholds = m_ini.ReadString(QStringLiteral("Thresholds"), name, QString(), ConfigValueLength);
    data.SetThresholds(classNames, thresholds);
    data.DualOption = SourceOrFormula(m_ini.ReadInteger(QStringLiteral("DualOptions"), name, 3));
    data.m_changed.reset();
}

bool DataManager::SaveConfiguration(UserInterface& ui)
{
    for (const auto& data : m_kinds) {
        if (!SaveConfiguration(*data)) {
            ui.ShowMessage(Texts::tr("Błąd podczas zapisu do pliku %1 !").arg(m_ini.Path()),
                           UserInterface::Icon::Error);
            return false;
        }
    }
    return true;
}

bool DataManager::SaveConfiguration(TAbstractData& data)
{
    const QString& name = data.ShortName;
    const auto write = [&](KindSetting setting, const QString& section, const QString& value) {
        if (!data.IsChanged(setting))
            return true;
        if (!m_ini.WriteString(section, name, value))
            return false;
        data.m_changed.reset(std::size_t(setting));
        return true;
    };
    return write(KindSetting::Description, QStringLiteral("Descriptions") + m_languageCode, data.Description)
        && write(KindSetting::Name, QStringLiteral("Names"), data.Name)
        && write(KindSetting::Default, QStringLiteral("Defaults"), ConfigNumberText(data.DefaultValue))
        && write(KindSetting::Minimum, QStringLiteral("Minima"), ConfigNumberText(data.Minimum))
        && write(KindSetting::Maximum, QStringLiteral("Maxima"), ConfigNumberText(data.Maximum))
        && write(KindSetting::DualOption, QStringLiteral("DualOptions"), QString::number(int(data.DualOption)));
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

int DataManager::ComputePossible(const KindFlags& have, KindFlags& possible) const
{
    EvaluationState row(*this);
    for (int id = 0; id < kind::Count; ++id) {
        KindState& state = row.State(id);
        const bool present = id < kind::ListedCount && have[std::size_t(id)];
        state.Value = present ? m_kinds[std::size_t(id)]->TypicalValue : NoValue;
        state.FromSource = present;
        state.Ready = true;
    }
    possible.fill(false);
    int count = 0;
    for (int id = kind::FirstComputed; id < kind::ListedCount; ++id) {
        if (id >= kind::WSI_SB && id <= kind::WSI_ST)
            continue;   // judged below, without reading their table
        KindState& state = row.State(id);
        const KindState before = state;
        state.FromSource = false;
        state.Value = NoValue;
        row.SetTrial(id, true);
        if (row.Input(id) != NoValue) {
            possible[std::size_t(id)] = true;
            ++count;
        }
        row.SetTrial(id, false);
        state = before;
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
    return count;
}

void DataManager::LogNewRow()
{
    LogLine(QStringLiteral("+++++++++++++++++++++ NEW ROW +++++++++++++++++++++"));
}

void DataManager::LogCalculating(const QString& text)
{
    if (LogEnabled)
        LogLine(QStringLiteral("Calculating ") + text);
}

void DataManager::LogLine(const QString& line)
{
    if (!LogEnabled)
        return;
    m_log.write((line + QLatin1Char('\n')).toUtf8());
    m_log.flush();
}
