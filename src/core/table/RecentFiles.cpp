#include "core/table/RecentFiles.h"

#include "core/settings/IniFile.h"

namespace {

const QString Section = QStringLiteral("LastOpened");

}   // namespace

RecentFiles::RecentFiles(QObject* parent) : QObject(parent)
{ }

void RecentFiles::AddRecentFile(const QString& path)
{
    qsizetype found = 0;
    while (found < m_paths.size() && m_paths[found].compare(path, Qt::CaseInsensitive) != 0)
        ++found;
    if (found < m_paths.size()) {
        m_paths.move(found, 0);
    } else {
        m_paths.prepend(path);
        if (m_paths.size() > MaxCount)
            m_paths.removeLast();
    }
    emit changed();
}

void RecentFiles::ReadFrom(const IniFile& ini)
{
    for (int i = MaxCount - 1; i >= 0; --i) {
        const QString path = ini.ReadString(Section, QString::number(i));
        if (!path.isEmpty())
            AddRecentFile(path);
    }
}

void RecentFiles::WriteTo(IniFile& ini) const
{
    for (int i = 0; i < m_paths.size(); ++i)
        ini.WriteString(Section, QString::number(i), m_paths[i]);
}
