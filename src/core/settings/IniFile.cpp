#include "core/settings/IniFile.h"

#include "core/base/OutputFile.h"
#include "core/base/TextCodec.h"

#include <QFile>

#include <limits>

namespace {

bool IsComment(QStringView line)
{
    return line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
}

// Whether a (trimmed) line is a section header "[name]"; `name` receives the name.
bool IsSectionHeader(QStringView line, QStringView* name)
{
    if (!line.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    *name = (close < 0 ? line.sliced(1) : line.sliced(1, close - 1)).trimmed();
    return true;
}

bool SameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}   // namespace

IniFile::IniFile(QString path) : m_path(std::move(path))
{ }

IniFile::Stamp IniFile::CurrentStamp() const
{
    Stamp stamp;
    std::error_code error;
    const std::filesystem::path file(m_path.toStdString());
    stamp.time = std::filesystem::last_write_time(file, error);
    if (error)
        return Stamp();
    stamp.size = std::filesystem::file_size(file, error);
    stamp.exists = !error;
    return stamp;
}

void IniFile::Refresh() const
{
    const Stamp stamp = CurrentStamp();
    if (m_loaded && stamp == m_stamp)
        return;
    m_loaded = true;
    m_stamp = stamp;
    m_lines.clear();
    QFile file(m_path);
    if (!stamp.exists || !file.open(QIODevice::ReadOnly))
        return;
    const QString text = DecodeText(file.readAll());
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    if (newline >= 0)
        m_lineEnd = newline > 0 && text[newline - 1] == QLatin1Char('\r') ? QStringLiteral("\r\n")
                                                                          : QStringLiteral("\n");
    for (const QStringView line : SplitLines(text))
        m_lines.append(line.toString());
}

qsizetype IniFile::FindKey(QStringView section, QStringView key, qsizetype* sectionEnd) const
{
    bool inSection = false;
    qsizetype found = -1;
    if (sectionEnd)
        *sectionEnd = -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QStringView line = QStringView(m_lines[i]).trimmed();
        if (QStringView name; IsSectionHeader(line, &name)) {
            if (inSection)
                break;   // the section ended; a later section of the same name is not read
            inSection = SameName(name, section);
            if (inSection && sectionEnd)
                *sectionEnd = i + 1;
            continue;
        }
        if (!inSection || line.isEmpty() || IsComment(line))
            continue;
        if (sectionEnd)
            *sectionEnd = i + 1;
        if (found >= 0)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && SameName(line.first(equals).trimmed(), key))
            found = i;
    }
    return found;
}

QString IniFile::ReadString(QStringView section, QStringView key, const QString& defaultValue, int maxLength) const
{
    Refresh();
    const qsizetype index = FindKey(section, key, nullptr);
    if (index < 0)
        return defaultValue;
    const QStringView line(m_lines[index]);
    return line.sliced(line.indexOf(QLatin1Char('=')) + 1).trimmed().left(maxLength).toString();
}

int IniFile::ReadInteger(QStringView section, QStringView key, int defaultValue) const
{
    Refresh();
    if (FindKey(section, key, nullptr) < 0)
        return defaultValue;
    const QString value = ReadString(section, key);
    qint64 number = 0;
    for (const QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        number = number * 10 + (c.unicode() - u'0');
        if (number > std::numeric_limits<int>::max())
            return std::numeric_limits<int>::max();
    }
    return int(number);
}

bool IniFile::WriteString(QStringView section, QStringView key, const QString& value)
{
    Refresh();
    QStringList lines = m_lines;
    qsizetype sectionEnd = -1;
    const QString entry = key.toString() + QLatin1Char('=') + value;
    const qsizetype index = FindKey(section, key, &sectionEnd);
    if (index >= 0) {
        lines[index] = entry;
    } else if (sectionEnd >= 0) {
        lines.insert(sectionEnd, entry);
    } else {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QLatin1Char('[') + section.toString() + QLatin1Char(']'));
        lines.append(entry);
    }

    const QByteArray bytes = (lines.join(m_lineEnd) + m_lineEnd).toUtf8();
    if (!WriteOutputFile(m_path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); }))
        return false;
    m_lines = lines;
    m_stamp = CurrentStamp();
    return true;
}
