#include "gui/app/Workbench.h"

#include "core/base/NumberText.h"
#include "core/data/DataManager.h"
#include "core/indices/KindFactory.h"

#include <QFileInfo>
#include <QLocale>

TWorkbench::TWorkbench(const QString& iniPath, const QString& programDirectory)
    : m_programDirectory(programDirectory), m_ini(iniPath)
{ }

TWorkbench::~TWorkbench() = default;

void TWorkbench::SetLanguage(int language)
{
    m_language = language;
    m_kinds = std::make_unique<DataManager>(
        CreateKind, m_ini.Path(), language == 1045 ? QStringLiteral("PL") : QStringLiteral("EN"), m_programDirectory);
}

bool TWorkbench::SetNextLanguage(int language)
{
    const bool changed = language != NextLanguage();
    m_nextLanguage = language;
    m_ini.WriteString(u"Options", u"Language", language == 1045 ? QStringLiteral("PL") : QStringLiteral("EN"));
    return changed;
}

void TWorkbench::ReadOptions(UserInterface& ui)
{
    m_options.Read(m_ini);
    DecimalSeparator = m_options.EffectiveDecimalSeparator(QLocale::system().decimalPoint(), ui);
    m_recent.ReadFrom(m_ini);
}

void TWorkbench::WriteOptions()
{
    m_options.Write(m_ini);
    m_recent.WriteTo(m_ini);
}

void TWorkbench::UpdateDecimalSeparator(UserInterface& ui)
{
    const QChar old = DecimalSeparator;
    DecimalSeparator = m_options.EffectiveDecimalSeparator(QLocale::system().decimalPoint(), ui);
    if (DecimalSeparator != old)
        m_tables.ReplaceDecimalSeparator(old, DecimalSeparator);
}

QString TWorkbench::LastFolder(QStringView dialog) const
{
    return m_ini.ReadString(u"Folders", dialog);
}

void TWorkbench::RememberFolder(QStringView dialog, const QString& file)
{
    m_ini.WriteString(u"Folders", dialog, QFileInfo(file).absolutePath());
}
